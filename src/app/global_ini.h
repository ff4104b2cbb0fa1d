#pragma once
// "global.ini" in the program folder: which models the installation offers and which have ATIS.

#include "model/model_catalogue.h"

#include <filesystem>
#include <string>
#include <vector>

namespace klt {

std::filesystem::path GlobalIniPath(const std::filesystem::path &programFolder);

// Section of model n: "1model" for model 1.
std::string ModelSection(Model model);

// "use" is a number equal to 1 ("01" and "#1" count).
bool ModelOffered(const std::filesystem::path &globalIni, Model model);
// "atis" as a boolean; missing or empty is false.
bool ModelHasAtis(const std::filesystem::path &globalIni, Model model);
// The offered models among the ten menu slots, ascending.
std::vector<Model> OfferedModels(const std::filesystem::path &globalIni);

} // namespace klt
