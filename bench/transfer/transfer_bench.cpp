// Full transfers on a line as slow as the real one: klt-cli against klt-radio-sim --emulate-baud,
// timed and compared with the floor the protocol sets.
//
// The floor of a run is the time its bytes need on the wire plus the waits the protocol prescribes:
//     floor = sum of the prescribed waits
//           + sum over the radio's messages r of bytes(r) x 10 / speed(r)
//           + sum over the PC's messages p that the radio answers of bytes(p) x 10 / speed(p)
// (10 bits a byte: start, 8 data, stop). A message of the PC that nothing answers (the acknowledgement
// after each block of a read, the wake-up byte) goes out while the PC keeps its wait before the next
// send, which is longer, so it costs the line no time of its own. bytes(m) are counted in the
// simulator's traffic log of the timed run; speed(m), the line speed of each message, and the
// prescribed waits (the link's sleeps, which the program keeps whatever the line does) come from the
// same operation run in memory against the same simulated radio, with time on a fake clock.
//
// Usage: transfer_bench BIN_DIR WORK_DIR [57600|19200]

#include "bench_configs.h"
#include "files/hex_file.h"
#include "link/radio_link.h"
#include "link/transfer_flows.h"
#include "simulated_radio.h"
#include "support/loopback_port.h"
#include "support/test_program.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <numeric>
#include <string>
#include <thread>
#include <vector>

extern char **environ;

namespace klt::bench {
namespace {

namespace fs = std::filesystem;
constexpr int kModel = 1;
constexpr double kBitsPerByte = 10.0;

struct Case {
    const char *name;
    Operation operation;
    std::vector<std::string> verb; // klt-cli's arguments after the verb's model and port
    bool verify = false;           // a write reads back what it wrote
    bool backup = false;           // a clear reads what it erases first
};

struct Message {
    bool fromPc;
    std::size_t bytes;
    int speed;
};

struct Virtual {
    std::vector<Message> messages;
    double waits = 0.0; // seconds
};

// The operation in memory: which messages at which speed, and which waits.
Virtual RunInMemory(const Case &kase, bool slow, const Sample &sample) {
    test::TestProgram program(kModel);
    test::FakeClock clock;
    sim::SimulatedRadio radio(test::FactoryMemory<sim::SimulatedRadio::Memory>(kModel), {}, slow);
    Virtual result;
    radio.setListener([&](bool fromPc, std::span<const std::uint8_t> bytes) {
        result.messages.push_back({fromPc, bytes.size(), radio.lineSpeed()});
    });
    test::LoopbackPort port(clock, [&](std::span<const std::uint8_t> bytes) { return radio.receive(bytes); });
    program.ui.onWait = [&](int ms) { clock.advance(ms); };
    RadioLink link(port, program.ui, clock, program.ctx.Cancel,
                   ErrorLog(false, program.folder.path(), "bench"), {1, slow, false, 3});
    if (kase.operation == Operation::Program) {
        program.ctx.Config = sample.config;
        program.ctx.Image = sample.image;
    }
    WriteCheck check;
    check.verify = kase.verify;
    TransferData data{program.ctx.Image, program.ctx.Config, program.ctx.CurrentModel, check};
    if (kase.backup) {
        data.keepBeforeClear = [](const RadioImage &) { return true; };
    }
    RunTransfer(link, kase.operation, data);
    const auto &sleeps = program.ui.sleeps;
    result.waits = std::accumulate(sleeps.begin(), sleeps.end(), 0.0) / 1000.0;
    return result;
}

// The byte count of each message of the simulator's log ("PC> " or "RADIO> ", then escaped bytes).
std::vector<std::size_t> LoggedMessages(const fs::path &log) {
    std::vector<std::size_t> sizes;
    std::ifstream in(log);
    for (std::string line; std::getline(in, line);) {
        const std::size_t start = line.find("> ");
        if (start == std::string::npos) {
            continue;
        }
        std::size_t bytes = 0;
        for (std::size_t i = start + 2; i < line.size(); ++i, ++bytes) {
            if (line[i] == '\\') {
                i += line[i + 1] == 'x' ? 3 : 1;
            }
        }
        sizes.push_back(bytes);
    }
    return sizes;
}

struct FloorParts {
    double waits = 0.0; // seconds
    double wire = 0.0;  // seconds
    std::size_t bytes = 0;
    bool matched = false; // the timed run's log holds the same messages as the run in memory
    double total() const { return waits + wire; }
};

FloorParts Floor(const Virtual &run, const std::vector<std::size_t> &logged) {
    FloorParts parts;
    parts.waits = run.waits;
    parts.matched = logged.size() == run.messages.size();
    for (std::size_t i = 0; i < run.messages.size(); ++i) {
        const Message &message = run.messages[i];
        const std::size_t bytes = parts.matched ? logged[i] : message.bytes;
        parts.bytes += bytes;
        const bool answered = i + 1 < run.messages.size() && !run.messages[i + 1].fromPc;
        if (message.fromPc && !answered) {
            continue;
        }
        parts.wire += static_cast<double>(bytes) * kBitsPerByte / message.speed;
    }
    return parts;
}

// outFd: where the program's standard output goes (-1: /dev/null).
pid_t Spawn(const std::vector<std::string> &args, int outFd = -1) {
    std::vector<char *> argv;
    for (const auto &arg : args) {
        argv.push_back(const_cast<char *>(arg.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (outFd >= 0) {
        posix_spawn_file_actions_adddup2(&actions, outFd, STDOUT_FILENO);
    } else {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    }
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return failed == 0 ? pid : -1;
}

struct Timed {
    double wall = 0.0;
    double cpu = 0.0;
    int status = -1;
};

Timed RunTimed(const std::vector<std::string> &args) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = Spawn(args);
    Timed timed;
    rusage usage{};
    if (pid > 0 && wait4(pid, &timed.status, 0, &usage) == pid) {
        timed.cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                    static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    }
    timed.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return timed;
}

// The simulator on a pseudo-terminal, as slow as a real line, logging every message.
class Simulator {
public:
    Simulator(const fs::path &bin, const fs::path &link, const fs::path &log, bool slow) {
        fs::remove(log);
        int pipeFds[2];
        if (pipe(pipeFds) != 0) {
            return;
        }
        std::vector<std::string> args = {
            (bin / "klt-radio-sim").string(), "--link",         link.string(), "--model",
            std::to_string(kModel),           "--emulate-baud", "--log",       log.string()};
        if (slow) {
            args.push_back("--slow");
        }
        pid_ = Spawn(args, pipeFds[1]);
        close(pipeFds[1]);
        // Ready once it says so.
        std::string said;
        char c = 0;
        while (read(pipeFds[0], &c, 1) == 1 && c != '\n') {
            said.push_back(c);
        }
        close(pipeFds[0]);
        ready_ = said.starts_with("ready");
    }
    ~Simulator() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    bool ready() const { return ready_; }

private:
    pid_t pid_ = -1;
    bool ready_ = false;
};

} // namespace
} // namespace klt::bench

int main(int argc, char **argv) {
    using namespace klt;
    using namespace klt::bench;
    if (argc < 3 || argc > 4) {
        std::cerr << "usage: transfer_bench BIN_DIR WORK_DIR [57600|19200]\n";
        return 2;
    }
    const fs::path bin = fs::absolute(argv[1]);
    const fs::path work = fs::absolute(argv[2]);
    fs::create_directories(work);
    const Sample sample = FullSample(Model::Tq300);
    const fs::path full = work / "full.hex";
    if (WriteImageFile(full, sample.image)) {
        std::cerr << "cannot write " << full << "\n";
        return 1;
    }
    const std::vector<Case> cases = {
        {"read", Operation::Read, {"read", "-o", (work / "read.hex").string()}},
        {"write", Operation::Program, {"write", "--no-verify", "--force", full.string()}},
        {"write+verify", Operation::Program, {"write", "--force", full.string()}, true},
        {"clear all", Operation::ClearAll, {"clear", "--no-backup", "all"}},
        {"clear+backup", Operation::ClearAll, {"clear", "all"}, false, true},
    };
    std::printf("%-12s %6s %9s %9s %10s %8s %9s %9s %9s %8s\n", "case", "bit/s", "wall [s]", "floor [s]",
                "wall/floor", "CPU [s]", "CPU/wall", "waits [s]", "wire [s]", "bytes");
    int failures = 0;
    const std::string only = argc == 4 ? argv[3] : "";
    for (const bool slow : {false, true}) {
        if (!only.empty() && only != (slow ? "19200" : "57600")) {
            continue;
        }
        for (const Case &kase : cases) {
            const fs::path link = work / "radio";
            const fs::path log = work / "line.log";
            Timed timed;
            {
                Simulator simulator(bin, link, log, slow);
                if (!simulator.ready()) {
                    std::cerr << "the simulator did not start\n";
                    return 1;
                }
                std::vector<std::string> args = {(bin / "klt-cli").string()};
                args.insert(args.end(), kase.verb.begin(), kase.verb.begin() + 1);
                args.insert(args.end(),
                            {"--model", std::to_string(kModel), "--port", link.string(), "--yes"});
                if (slow) {
                    args.push_back("--slow");
                }
                args.insert(args.end(), kase.verb.begin() + 1, kase.verb.end());
                timed = RunTimed(args);
            }
            const Virtual run = RunInMemory(kase, slow, sample);
            const FloorParts floor = Floor(run, LoggedMessages(log));
            const bool ok = WIFEXITED(timed.status) && WEXITSTATUS(timed.status) == 0;
            failures += ok ? 0 : 1;
            std::printf("%-12s %6d %9.2f %9.2f %10.4f %8.3f %8.2f%% %9.2f %9.2f %8zu%s%s\n", kase.name,
                        slow ? 19200 : 57600, timed.wall, floor.total(), timed.wall / floor.total(),
                        timed.cpu, 100.0 * timed.cpu / timed.wall, floor.waits, floor.wire, floor.bytes,
                        floor.matched ? "" : "  (log differs from the run in memory)", ok ? "" : "  FAILED");
            std::fflush(stdout);
        }
    }
    return failures == 0 ? 0 : 1;
}
