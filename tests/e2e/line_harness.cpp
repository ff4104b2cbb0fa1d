#include "line_harness.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace klt::test {

std::filesystem::path Tool(const std::string &name) {
    return std::filesystem::path(KLT_BUILD_BIN_DIR) / name;
}

Simulator::Simulator(const std::filesystem::path &link, std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {Tool("klt-radio-sim").string(), "--link", link.string()});
    int output[2];
    if (::pipe(output) != 0) {
        return;
    }
    pid_ = ::fork();
    if (pid_ == 0) {
        ::dup2(output[1], STDOUT_FILENO);
        ::close(output[0]);
        std::vector<char *> argv;
        for (auto &argument : arguments) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(output[1]);
    FILE *out = ::fdopen(output[0], "r");
    // One radio says "ready LINK"; several say "ready LINK.n" each, in any order.
    const int count = static_cast<int>(std::count(arguments.begin(), arguments.end(), "--count")) == 0
                          ? 1
                          : std::stoi(*(std::find(arguments.begin(), arguments.end(), "--count") + 1));
    ready_ = true;
    for (int radio = 0; radio < count; ++radio) {
        char line[512] = {};
        const std::string said = std::fgets(line, sizeof line, out) != nullptr ? line : "";
        ready_ = ready_ && (count == 1 ? said == "ready " + link.string() + "\n"
                                       : said.starts_with("ready " + link.string() + "."));
    }
    std::fclose(out);
}

Simulator::~Simulator() {
    stop();
}

int Simulator::stop() {
    if (pid_ <= 0) {
        return status_;
    }
    ::kill(pid_, SIGTERM);
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return status_;
}

void Simulator::kill() {
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
}

CliResult RunCli(const std::string &arguments, const std::function<bool()> &trigger,
                 const std::function<void(pid_t)> &act, std::chrono::seconds limit) {
    TempFolder scratch;
    const auto err = scratch.path() / "err";
    const std::string command = "exec " + Tool("klt-cli").string() + " " + arguments + " 2>" + err.string();
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char *>(nullptr));
        ::_exit(127);
    }
    CliResult result;
    bool acted = false;
    for (int status = 0;;) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            break;
        }
        if (!acted && trigger && trigger()) {
            acted = true;
            act(pid);
        }
        if (std::chrono::steady_clock::now() - start > limit) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    result.took =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    result.err = ReadFile(err);
    return result;
}

} // namespace klt::test
