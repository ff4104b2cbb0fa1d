#pragma once
// "global.ini" in the program folder: which models the installation offers and which have ATIS.

#include <filesystem>
#include <string>
#include <vector>

namespace klt {

std::filesystem::path GlobalIniPath(const std::filesystem::path &programFolder);

// Section of model n: "1model" for model 1.
std::string ModelSection(int model);

// "use" is a number equal to 1 ("01" and "#1" count).
bool ModelOffered(const std::filesystem::path &globalIni, int model);
// "atis" as a boolean; missing or empty is false.
bool ModelHasAtis(const std::filesystem::path &globalIni, int model);
// The offered model numbers among the ten menu slots, ascending.
std::vector<int> OfferedModels(const std::filesystem::path &globalIni);

} // namespace klt
