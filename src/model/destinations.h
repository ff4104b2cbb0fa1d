#pragma once
// Model description files: one 32768-byte default image per destination (market) of a model, named
// destination + ModelFileSuffix + ".ini", in the program folder.

#include "model/model_catalogue.h"

#include <filesystem>
#include <string>
#include <vector>

namespace klt {

// The destinations present for the model: at most ten files in the order the folder lists them,
// each named by the part of its file name before the first "_", in upper case; sorted ignoring case.
std::vector<std::string> ListDestinations(const std::filesystem::path &folder, Model model);

// The file of a destination caption ("USA", or "USA-M" for model 11). File names are matched without
// regard to case, as the program's files were always found.
std::filesystem::path DestinationFilePath(const std::filesystem::path &folder, const std::string &caption,
                                          Model model);

} // namespace klt
