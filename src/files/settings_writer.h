#pragma once
// Writes a configuration as a settings text file (".dat").

#include "app/app_context.h"

#include <filesystem>
#include <string>

namespace klt {

// The whole file: every section in its order, CR LF after every line.
std::string ComposeSettingsText(const Configuration &config, int model, const std::string &modelName,
                                bool atis);

// Writes the current configuration to path, whole or not at all. On failure: the error log,
// "FileSave Error!!", the Link error and Cancel flags; the earlier file is left as it was.
bool WriteSettingsFile(AppContext &ctx, const std::filesystem::path &path);

// Save writes to the current file, unless there is none or it is an image hex file: settings text
// must never overwrite a radio memory, so Save then asks for a name as Save As does.
bool SaveNeedsAName(const AppContext &ctx);

// Save and Save As after the name is known: writes, then the file becomes the current one.
bool SaveSettingsAs(AppContext &ctx, const std::filesystem::path &path);

} // namespace klt
