#pragma once
// The error log "err.log": one line per failure, appended only in debug mode, for service staff.

#include "app/app_context.h"
#include "app/fault.h"

#include <chrono>
#include <filesystem>
#include <string>

namespace klt {

// date "," time ":" operation " -> " failure text.
std::string ErrorLogLine(std::chrono::system_clock::time_point when, const std::string &operation,
                         const std::string &failureText);

// The log in the program folder when that folder is writable, else in the per-user data folder.
std::filesystem::path ErrorLogPath(const AppContext &ctx);

// Appends one line when DebugMode is on. Never reports a failure of its own.
void LogError(const AppContext &ctx, const std::string &operation, const std::string &failureText);
void LogError(const AppContext &ctx, const std::string &operation, const Fault &fault);

} // namespace klt
