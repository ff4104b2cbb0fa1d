#pragma once
// Saving the report text as a ".txt" file.

#include "app/app_context.h"

#include <filesystem>
#include <string>

namespace klt {

// The current configuration's report text, as the report window shows it.
std::string CurrentReportText(const AppContext &ctx);

// Writes the text followed by CR LF, whole or not at all; a failure shows the system's error text.
bool SaveReportFile(AppContext &ctx, const std::filesystem::path &path, const std::string &text);

} // namespace klt
