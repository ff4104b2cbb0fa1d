// The fault matrix: klt-cli read, write and every clear against klt-radio-sim on a pseudo-terminal,
// under each fault the simulator can play and each moment the user can press Ctrl+C. Where the
// protocol recovers by its retries the operation succeeds; otherwise it ends with status 1 and a
// message, writes no output file, leaves its input alone, closes the port, and a write leaves the
// radio's memory as the target up to the point of failure and as it was after it.

#include "line_harness.h"
#include "model/image_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <optional>

namespace klt {
namespace {

using test::Simulator;
using test::Tool;

struct Case {
    const char *name;
    std::string command;                // "read", "write" or "clear AREA", with its options
    std::vector<std::string> simulator; // the simulator's faults
    bool succeeds = false;
    std::string message;       // what standard error must hold
    std::string cancelAt;      // Ctrl+C once the simulator's log holds this
    int cancelSignal = SIGINT; // ... or a hang-up or a request to terminate, which cancel alike
    std::string killAt;        // the simulator ends at once when its log holds this
    std::string output = "r.hex";
    std::string port;                    // the device named; the simulator's link when empty
    std::optional<std::size_t> liesAt{}; // the one byte a lying radio does not keep as written
    std::string alsoSays{};              // a second text standard error must hold
};

// What every case starts from, made once: a settings file to write (every channel renamed, so that
// most of the memory changes), the memory it gives, and the radio's memory before.
struct Files {
    test::TempFolder folder;
    std::filesystem::path in = folder.path() / "in.dat";
    std::string target;   // the memory a complete write leaves
    std::string original; // the radio's memory before
};

bool Make(Files &f) {
    {
        const auto cli = Tool("klt-cli").string();
        const std::string made = (f.folder.path() / "made.dat").string();
        if (std::system((cli + " new --model 1 --destination CAN -o " + made + " 2>/dev/null").c_str()) !=
                0 ||
            std::system((cli + " new --model 1 --no-destination -o " +
                         (f.folder.path() / "orig.hex").string() + " 2>/dev/null")
                            .c_str()) != 0) {
            return false;
        }
        std::string text = test::ReadFile(made);
        int renamed = 0;
        for (auto at = text.find("ChTag=#"); at != std::string::npos; at = text.find("ChTag=#", at + 1)) {
            text.insert(at + 7, "W" + std::to_string(renamed++));
        }
        f.folder.write("in.dat", text);
        std::system((cli + " convert --model 1 --destination CAN " + f.in.string() + " " +
                     (f.folder.path() / "target.hex").string() + " 2>/dev/null")
                        .c_str());
        f.target = test::ReadFile(f.folder.path() / "target.hex");
        f.original = test::ReadFile(f.folder.path() / "orig.hex");
        const std::string product = "QZ071R\xFF";
        f.original.replace(layout::kProductCode, product.size(), product);
    }
    return f.target.size() == 32768u;
}

const Files &Fixture() {
    static Files files;
    static const bool made = Make(files);
    (void)made;
    return files;
}

// The write's ranges in the order it sends them: single bytes where it sends bytes, else blocks.
std::vector<layout::Range> WriteOrder() {
    using namespace layout;
    std::vector<Range> order;
    for (Address step = 0; step <= kWriteEnd; step += 64) {
        const auto run = std::ranges::find(kWriteByteRuns, step, &ByteRunStep::step);
        if (run != kWriteByteRuns.end()) {
            for (Address a = run->bytes.first; a <= run->bytes.last; ++a) {
                order.push_back({a, a});
            }
        } else if (!Contains(kWritePausedSteps, step)) {
            order.push_back({step, step + 63});
        }
    }
    return order;
}

bool Same(const std::string &a, const std::string &b, layout::Range range) {
    return a.compare(range.first, range.last - range.first + 1, b, range.first,
                     range.last - range.first + 1) == 0;
}

// The radio holds the target up to the first range that differs, and its old memory from there on;
// what the write never sends stays as it was. True when the whole write landed.
bool ExpectWrittenUpToTheFailure(const std::string &memory, const Files &files) {
    EXPECT_EQ(memory.size(), 32768u);
    if (memory.size() != 32768u) {
        return false;
    }
    std::string unsent = files.original;
    bool past = false;
    for (const auto range : WriteOrder()) {
        past = past || !Same(memory, files.target, range);
        if (past) {
            EXPECT_TRUE(Same(memory, files.original, range))
                << "written after the failure at " << range.first;
        }
        unsent.replace(range.first, range.last - range.first + 1, memory, range.first,
                       range.last - range.first + 1);
    }
    EXPECT_EQ(memory, unsent) << "memory the write never sends has changed";
    return !past;
}

// Cases print as their names.
void PrintTo(const Case &c, std::ostream *out) {
    *out << c.name;
}

class FaultMatrix : public ::testing::TestWithParam<Case> {};

TEST_P(FaultMatrix, EndsAsItShould) {
    const Case &c = GetParam();
    const Files &files = Fixture();
    ASSERT_EQ(files.target.size(), 32768u);
    test::TempFolder folder;
    const auto link = folder.path() / "radio";
    const auto log = folder.path() / "sim.log";
    const auto memory = folder.path() / "memory.hex";
    const auto start = folder.write("start.hex", files.original);
    std::vector<std::string> arguments = {"--image",    start.string(), "--log",
                                          log.string(), "--save",       memory.string()};
    arguments.insert(arguments.end(), c.simulator.begin(), c.simulator.end());
    Simulator sim(link, arguments);
    ASSERT_TRUE(sim.ready());

    const bool reading = c.command.starts_with("read");
    const bool writing = c.command.starts_with("write");
    const auto out = folder.path() / c.output;
    std::string command = c.command + " --model 1 --port " + (c.port.empty() ? link.string() : c.port);
    if (reading) {
        command += " -o " + out.string();
    } else if (writing) {
        command += " --destination CAN " + files.in.string();
    }
    const std::string inBefore = test::ReadFile(files.in);
    const std::string when = c.cancelAt.empty() ? c.killAt : c.cancelAt;
    const auto result = test::RunCli(
        command, [&] { return !when.empty() && test::ReadFile(log).find(when) != std::string::npos; },
        [&](pid_t cli) {
            if (!c.cancelAt.empty()) {
                ::kill(cli, c.cancelSignal);
            } else {
                sim.kill();
            }
        });

    EXPECT_EQ(result.status, c.succeeds ? 0 : 1) << result.err;
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    EXPECT_NE(result.err.find(c.alsoSays), std::string::npos) << result.err;
    EXPECT_LT(result.took, std::chrono::seconds(25));
    EXPECT_EQ(test::ReadFile(files.in), inBefore); // the input is never touched
    if (reading) {
        EXPECT_EQ(std::filesystem::exists(out), c.succeeds);
        if (c.succeeds) {
            // ".DAT" in any case is a settings file; anything else the memory as read.
            const std::string written = test::ReadFile(out);
            EXPECT_TRUE(c.output.ends_with(".DAT") ? written.starts_with("[MAIN]\r\n")
                                                   : written.size() == 32768u);
        }
    }
    const bool killed = !c.killAt.empty();
    sim.stop();
    if (c.liesAt) {
        // The whole write landed but for the one byte the radio did not keep as it was sent.
        const std::string held = test::ReadFile(memory);
        ASSERT_EQ(held.size(), 32768u);
        std::vector<std::size_t> differing;
        for (const auto range : WriteOrder()) {
            for (std::size_t a = range.first; a <= range.last; ++a) {
                if (held[a] != files.target[a]) {
                    differing.push_back(a);
                }
            }
        }
        EXPECT_EQ(differing, std::vector<std::size_t>{*c.liesAt});
    } else if (writing && !killed) {
        const bool complete = ExpectWrittenUpToTheFailure(test::ReadFile(memory), files);
        EXPECT_TRUE(complete || !c.succeeds);
    }
    if (c.succeeds && c.command.find("waypoint-directory") != std::string::npos) {
        EXPECT_EQ(test::ReadFile(memory).at(layout::kWaypointDirectory.first), '\0');
    }
}

Case Succeeds(const char *name, std::string command, std::vector<std::string> simulator) {
    Case c;
    c.name = name;
    c.command = std::move(command);
    c.simulator = std::move(simulator);
    c.succeeds = true;
    c.message = "Complete!!";
    return c;
}

Case Fails(const char *name, std::string command, std::vector<std::string> simulator, std::string message) {
    Case c = Succeeds(name, std::move(command), std::move(simulator));
    c.succeeds = false;
    c.message = std::move(message);
    return c;
}

// A radio that keeps one byte otherwise than written; standard error also names the setting.
Case Lies(Case c, std::size_t address, std::string setting) {
    c.liesAt = address;
    c.alsoSays = std::move(setting);
    return c;
}

Case CancelledAt(Case c, std::string logged, int signal = SIGINT) {
    c.cancelAt = std::move(logged);
    c.cancelSignal = signal;
    return c;
}

Case KilledAt(Case c, std::string logged) {
    c.killAt = std::move(logged);
    return c;
}

const std::string kNotReady = "Radio not ready!!";
const std::string kCommunication = "Communication Error!!";
const std::string kPortStopped = "stopped working";
const std::string kCancelled = "Cancelled.";

std::vector<Case> Cases() {
    Case upperCaseSettings = Succeeds("ReadOverSilentWakeUp", "read", {"--no-echo", "--no-acmd-reply"});
    upperCaseSettings.output = "R.DAT";
    Case noSuchPort = Fails("NoSuchPort", "read", {}, "Port Inicialize Error!!");
    noSuchPort.port = "/dev/klt-no-such-port";
    return {
        // The protocol recovers: silence at the wake-up, an "ERROR" retried, a busy radio asked again.
        upperCaseSettings,
        Succeeds("WriteRetriesAnError", "write", {"--error-replies", "1"}),
        Succeeds("WriteWithoutVerifyReadsNoBlockSoABadBlockChecksumIsHarmless", "write --no-verify",
                 {"--bad-checksum-at", "1000"}),
        // A write proves itself: what the radio acknowledged but does not hold is named, as the
        // settings file names it; a read-back that cannot be read fails the write.
        Lies(Fails("WriteToARadioThatDropsAByte", "write", {"--drop-writes-at", "1300"}, "Verify Error!!\n"),
             0x1300, "\n[CHUSA0] ChTag: W0"),
        Lies(Fails("WriteToARadioThatFlipsABit", "write", {"--flip-bit-at", "2201"}, "Verify Error!!\n"),
             0x2201, "\n[CHINT0] ChTag: W"),
        Fails("WriteVerifyMeetsABadBlockChecksum", "write", {"--bad-checksum-at", "1000"}, kCommunication),
        Fails("WriteVerifyHangs", "write", {"--hang-after", "600", "--close-on-hang"}, kPortStopped),
        Succeeds("ClearMmsiAsksABusyRadioAgain", "clear mmsi --yes", {"--busy", "1"}),
        Succeeds("ClearDscLogOverSilentWakeUp", "clear dsc-log", {"--no-echo"}),
        Succeeds("ClearDistressLogWithoutSpeedReply", "clear distress-log", {"--no-acmd-reply"}),
        Succeeds("ClearIndividualRetriesAnError", "clear individual-directory", {"--error-replies", "1"}),
        Succeeds("ClearGroupAsksABusyRadioAgain", "clear group-directory --yes", {"--busy", "2"}),
        Succeeds("ClearWaypointWithoutBackupIgnoresABlockChecksum", "clear --no-backup waypoint-directory",
                 {"--bad-checksum-at", "5100"}),
        // The backup before a clear reads what the clear erases: a block it cannot read stops the clear
        // before anything is erased.
        Fails("ClearWaypointBackupMeetsABadBlockChecksum", "clear waypoint-directory",
              {"--bad-checksum-at", "5100"}, kCommunication),
        Succeeds("ClearDscTxLog", "clear dsc-tx-log", {}),
        Succeeds("ClearAllSynchronisesAgain", "clear all --yes", {"--error-replies", "3"}),
        Succeeds("ClearAtis", "clear atis", {}),
        // A radio that stays busy, or refuses until the user declines to synchronise again.
        Fails("ReadBusy", "read", {"--busy", "5"}, kNotReady),
        Fails("WriteBusy", "write", {"--busy", "5"}, kNotReady),
        Fails("ClearMmsiBusy", "clear mmsi", {"--busy", "5"}, kNotReady),
        Fails("ReadRefused", "read", {"--error-replies", "3"}, kNotReady),
        Fails("WriteRefused", "write", {"--error-replies", "3"}, kNotReady),
        Fails("ClearWaypointRefused", "clear waypoint-directory", {"--error-replies", "3"}, kNotReady),
        // Bad checksums in what the program reads.
        Fails("ReadBadModelCode", "read", {"--bad-checksum-at", "0"}, "Model Check: " + kCommunication),
        Fails("ReadBadProductCode", "read", {"--bad-checksum-at", "70"}, "Model Check: " + kCommunication),
        Fails("ReadBadBlockInTheMiddle", "read", {"--bad-checksum-at", "3000"},
              "Read from Radio: " + kCommunication),
        Fails("ReadBadLastBlock", "read", {"--bad-checksum-at", "7FC0"},
              "Read from Radio: " + kCommunication),
        Fails("ClearBadModelCode", "clear individual-directory", {"--bad-checksum-at", "7FFE"},
              "Model Check: " + kCommunication),
        // The radio stops answering, and the line goes with it: early, in the middle, at the last block.
        Fails("ReadHangsEarly", "read", {"--hang-after", "10", "--close-on-hang"}, kPortStopped),
        Fails("ReadHangsInTheMiddle", "read", {"--hang-after", "260", "--close-on-hang"}, kPortStopped),
        Fails("ReadHangsAtTheLastBlock", "read", {"--hang-after", "515", "--close-on-hang"}, kPortStopped),
        Fails("WriteHangsEarly", "write", {"--hang-after", "10", "--close-on-hang"}, kPortStopped),
        Fails("WriteHangsInTheMiddle", "write", {"--hang-after", "200", "--close-on-hang"}, kPortStopped),
        Fails("WriteHangsAtTheLastBlock", "write", {"--hang-after", "430", "--close-on-hang"}, kPortStopped),
        Fails("ClearWaypointHangs", "clear waypoint-directory", {"--hang-after", "8", "--close-on-hang"},
              kPortStopped),
        Fails("ClearAllHangs", "clear all", {"--hang-after", "100", "--close-on-hang"}, kPortStopped),
        // The simulator killed in the middle of a transfer: the port goes away under the program.
        KilledAt(Fails("ReadLosesTheRadio", "read", {}, kPortStopped), "#CEPRD\\t2000"),
        KilledAt(Fails("WriteLosesTheRadio", "write", {}, kPortStopped), "#CEPWR\\t2000"),
        KilledAt(Fails("ClearLosesTheRadio", "clear dsc-log", {}, kPortStopped), "#CEPWR\\t6940"),
        // Line noise: every byte the radio sends may be replaced.
        Fails("ReadOnANoisyLine", "read", {"--corrupt-rate", "0.01", "--seed", "3"}, kCommunication),
        Fails("WriteOnANoisyLine", "write", {"--corrupt-rate", "0.002", "--seed", "4"}, kCommunication),
        Fails("ClearOnANoisyLine", "clear dsc-log", {"--corrupt-rate", "0.01", "--seed", "7"},
              kCommunication),
        Fails("ConnectOnAVeryNoisyLine", "read", {"--corrupt-rate", "0.3", "--seed", "1"}, "COM1"),
        // Ctrl+C in each phase.
        CancelledAt(Fails("ReadCancelledWhileConnecting", "read", {}, kCancelled), "#CMDSY"),
        CancelledAt(Fails("ReadCancelledAtTheStatus", "read", {}, kCancelled), "#CEPSR"),
        CancelledAt(Fails("ReadCancelledInTheBlocks", "read", {}, kCancelled), "#CEPRD\\t1000"),
        // A closed terminal or a request to terminate cancels as Ctrl+C does: the radio gets its abort.
        CancelledAt(Fails("ReadHungUpInTheBlocks", "read", {}, kCancelled), "#CEPRD\\t1000", SIGHUP),
        CancelledAt(Fails("WriteTerminatedInTheBlocks", "write", {}, "Programming was cancelled."),
                    "#CEPWR\\t1000", SIGTERM),
        CancelledAt(Fails("WriteCancelledInTheBlocks", "write", {}, "Programming was cancelled."),
                    "#CEPWR\\t1000"),
        CancelledAt(Fails("WriteCancelledInTheReadBack", "write", {}, "Programming was cancelled."),
                    "#CEPRD\\t1000"),
        CancelledAt(
            Fails("ClearCancelledInTheBlocks", "clear waypoint-directory", {}, "Clearing was cancelled."),
            "#CEPWR\\t5200"),
        // No radio at all on the port named.
        noSuchPort,
    };
}

INSTANTIATE_TEST_SUITE_P(EveryFault, FaultMatrix, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<Case> &info) {
                             return std::string(info.param.name);
                         });

} // namespace
} // namespace klt
