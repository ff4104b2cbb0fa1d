#pragma once
// The error log "err.log": one line per failure, appended only in debug mode, for service staff.

#include "base/fault.h"

#include <chrono>
#include <filesystem>
#include <string>

namespace klt {

// date "," time ":" operation " -> " failure text.
std::string ErrorLogLine(std::chrono::system_clock::time_point when, const std::string &operation,
                         const std::string &failureText);

class ErrorLog {
public:
    // A log that writes nothing.
    ErrorLog() = default;
    // Writes only when enabled (debug mode): in the program folder when that folder is writable,
    // else in the per-user data folder under the program's title.
    ErrorLog(bool enabled, std::filesystem::path programFolder, std::string programTitle)
        : enabled_(enabled), programFolder_(std::move(programFolder)),
          programTitle_(std::move(programTitle)) {}

    std::filesystem::path path() const;

    // Appends one line. Never reports a failure of its own.
    void append(const std::string &operation, const std::string &failureText) const;
    void append(const std::string &operation, const Fault &fault) const;

private:
    bool enabled_ = false;
    std::filesystem::path programFolder_;
    std::string programTitle_;
};

} // namespace klt
