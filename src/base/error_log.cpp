#include "base/error_log.h"

#include "base/local_time.h"
#include "base/user_data_folder.h"

#include <ctime>
#include <fstream>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace klt {

std::string ErrorLogLine(std::chrono::system_clock::time_point when, const std::string &operation,
                         const std::string &failureText) {
    const std::tm local = LocalTime(when);
    char date[32];
    char time[32];
    std::strftime(date, sizeof date, "%Y-%m-%d", &local);
    std::strftime(time, sizeof time, "%H:%M:%S", &local);
    return std::string(date) + "," + time + ":" + operation + " -> " + failureText;
}

std::filesystem::path ErrorLog::path() const {
#ifdef _WIN32
    const bool writable = ::_waccess(programFolder_.c_str(), 2) == 0;
#else
    const bool writable = ::access(programFolder_.c_str(), W_OK) == 0;
#endif
    if (writable) {
        return programFolder_ / "err.log";
    }
    const auto folder = UserDataFolder(programTitle_);
    return folder.empty() ? programFolder_ / "err.log" : folder / "err.log";
}

void ErrorLog::append(const std::string &operation, const std::string &failureText) const {
    if (!enabled_) {
        return;
    }
    try {
        const auto file = path();
        std::error_code ignored;
        std::filesystem::create_directories(file.parent_path(), ignored);
        std::ofstream log(file, std::ios::app | std::ios::binary);
        log << ErrorLogLine(std::chrono::system_clock::now(), operation, failureText) << '\n';
    } catch (...) {
        // The log is a diagnostic aid: its own failures never reach the operation that failed.
    }
}

void ErrorLog::append(const std::string &operation, const Fault &fault) const {
    append(operation, FailureText(fault));
}

} // namespace klt
