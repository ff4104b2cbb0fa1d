#pragma once
// Reads a settings text file (".dat") into the configuration.

#include "files/section_table.h"
#include "model/model_catalogue.h"
#include "model/records.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace klt {

// Applies the file's sections to records that hold a reset configuration. Values that are missing
// or not taken leave the reset value; text fields that are missing become empty. Returns the values
// not taken, each as "[SECTION] Key=value: why".
std::vector<std::string> ApplySettingsTable(const SectionTable &table, Configuration &config, Model model,
                                            bool atis);

// How many settings of `complete` (the whole file the program writes for the configuration) `file`
// does not hold, [MAIN] aside: a file cut short holds fewer.
std::size_t MissingSettings(const SectionTable &file, const SectionTable &complete);

// The model number a settings text names ([MAIN] MODELTYPE, as the INI reader finds it); 0 when it
// names none.
double SettingsTextModel(std::string_view text);

} // namespace klt
