#pragma once
// Reads a settings text file (".dat") into the configuration.

#include "app/app_context.h"
#include "app/reset.h"
#include "files/section_table.h"

#include <filesystem>

namespace klt {

// Applies the file's sections to records that hold a reset configuration. Values that are missing
// or do not convert leave the reset value; text fields that are missing become empty.
void ApplySettingsTable(const SectionTable &table, Configuration &config, int model, bool atis, Ui &ui);

// The Open command's worker. The file must name the current model; it is read whole before anything
// changes, so an unreadable file leaves the configuration as it was. Then the configuration is reset
// (with the destination step when asked) and the file applied. False, with the program's message
// shown and the Link error flag set, when the file was not taken.
bool ReadSettingsFile(AppContext &ctx, const std::filesystem::path &path, bool loadDestination = true,
                      const ResetHooks &hooks = {});

// Open after the name is known: reads, then the file becomes the current one.
bool OpenSettingsFile(AppContext &ctx, const std::filesystem::path &path, bool loadDestination = true,
                      const ResetHooks &hooks = {});

} // namespace klt
