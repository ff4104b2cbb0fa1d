#pragma once
// Reads a settings text file (".dat") into the configuration.

#include "files/section_table.h"
#include "model/model_catalogue.h"
#include "model/records.h"

#include <filesystem>
#include <string_view>

namespace klt {

// Applies the file's sections to records that hold a reset configuration. Values that are missing
// or do not convert leave the reset value; text fields that are missing become empty.
void ApplySettingsTable(const SectionTable &table, Configuration &config, Model model, bool atis);

// The model number a settings text names ([MAIN] MODELTYPE, as the INI reader finds it); 0 when it
// names none.
double SettingsTextModel(std::string_view text);

} // namespace klt
