#pragma once
// klt-cli and klt-radio-sim as a user runs them: the simulator on a pseudo-terminal in a child
// process, the command line in another, and what each left behind.

#include "support/test_support.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace klt::test {

std::filesystem::path Tool(const std::string &name);

// klt-radio-sim serving on a link, until the object goes away.
class Simulator {
public:
    Simulator(const std::filesystem::path &link, std::vector<std::string> arguments);
    Simulator(const Simulator &) = delete;
    Simulator &operator=(const Simulator &) = delete;
    ~Simulator();

    bool ready() const { return ready_; }
    // SIGTERM: the simulator saves its memory and exits. Its exit status.
    int stop();
    // Ends it at once, as a cable pulled out: nothing is saved.
    void kill();

private:
    pid_t pid_ = -1;
    bool ready_ = false;
    int status_ = -1;
};

struct CliResult {
    int status = -1; // the exit status; -1 when it did not exit by itself
    std::string err;
    std::chrono::milliseconds took{};
};

// Runs klt-cli with the arguments (a shell word list). While it runs, when trigger() first holds,
// act() runs once (a Ctrl+C, a cable pulled out). A run that has not ended in limit is killed.
CliResult RunCli(const std::string &arguments, const std::function<bool()> &trigger = {},
                 const std::function<void(pid_t cli)> &act = {},
                 std::chrono::seconds limit = std::chrono::seconds(60));

} // namespace klt::test
