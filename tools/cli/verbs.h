#pragma once
// The verb table of klt-cli: one small file per verb.

#include <string>
#include <string_view>
#include <vector>

namespace klt::cli {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

struct Verb {
    std::string_view name;
    std::string_view usage;
    std::string_view summary;
    int (*run)(const std::vector<std::string> &args);
};

const std::vector<Verb> &Verbs();

// Flushes standard output; false, with a message on standard error, when it could not be written
// (a full disk, a closed pipe).
bool StandardOutputWritten(std::string_view verb);

int RunNew(const std::vector<std::string> &args);
int RunInfo(const std::vector<std::string> &args);
int RunConvert(const std::vector<std::string> &args);
int RunReport(const std::vector<std::string> &args);
int RunRead(const std::vector<std::string> &args);
int RunWrite(const std::vector<std::string> &args);
int RunClear(const std::vector<std::string> &args);
int RunRestore(const std::vector<std::string> &args);
int RunExport(const std::vector<std::string> &args);
int RunImport(const std::vector<std::string> &args);
int RunDiff(const std::vector<std::string> &args);
int RunCheck(const std::vector<std::string> &args);
int RunBackups(const std::vector<std::string> &args);
int RunDoctor(const std::vector<std::string> &args);
int RunFleet(const std::vector<std::string> &args);

} // namespace klt::cli
