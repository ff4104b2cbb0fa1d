// The user's Cancel, in every phase of every operation: the run stops at its next step, sends the
// radio nothing more (but the abort a read owes it), and ends without a verdict of its own.

#include "link_bench.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace klt {
namespace {

using test::LinkBench;

struct Phase {
    const char *name;
    Operation operation;
    sim::FaultPlan plan;
    std::string sentLine;     // Cancel is pressed while the program waits after this line; "" at once
    bool inSendDelay = false; // ... in the pause before its next send, rather than in a receive
    bool debugMode = false;   // the monitor line, with its pauses
};

void PrintTo(const Phase &phase, std::ostream *out) {
    *out << phase.name;
}

class CancelInPhase : public ::testing::TestWithParam<Phase> {};

TEST_P(CancelInPhase, StopsAndSendsNothingMore) {
    const Phase &phase = GetParam();
    LinkBench bench(1, phase.plan);
    const RadioImage image = bench.ctx.Image;
    const Configuration config = bench.ctx.Config;
    const auto memory = bench.radio.memory();
    std::optional<std::size_t> writtenAtCancel;
    const auto press = [&] {
        const auto &lines = bench.radio.linesFromPc();
        const bool reached = phase.sentLine.empty() || std::ranges::any_of(lines, [&](const std::string &l) {
                                 return l.starts_with(phase.sentLine);
                             });
        if (reached && !writtenAtCancel) {
            bench.ctx.Cancel.requested = true;
            writtenAtCancel = bench.port.written.size();
        }
    };
    bench.link.settings().debugMode = phase.debugMode;
    if (phase.inSendDelay) {
        bench.ui.onWait = [&](int ms) {
            bench.clock.advance(ms);
            press();
        };
    } else {
        bench.port.onTurn = press;
    }
    EXPECT_EQ(bench.Run(phase.operation), Outcome::Cancelled);
    ASSERT_TRUE(writtenAtCancel) << "the phase was never reached";

    // The abort follows a cancelled read's block; every other phase sends nothing more.
    const std::string after(bench.port.written.begin() + static_cast<long>(*writtenAtCancel),
                            bench.port.written.end());
    const bool reading = phase.operation == Operation::Read && phase.sentLine.starts_with("#CEPRD\t1000");
    EXPECT_EQ(after, reading ? std::string(1, '\x18') : std::string()) << "sent after Cancel";
    for (const auto &message : bench.messages()) {
        EXPECT_EQ(message.find("Complete!!"), std::string::npos) << message;
        EXPECT_EQ(message.find("Radio not ready!!"), std::string::npos) << message;
        EXPECT_EQ(message.find("Communication Error!!"), std::string::npos) << message;
    }
    EXPECT_FALSE(bench.port.isOpen());
    EXPECT_EQ(bench.ctx.Config, config);
    if (phase.operation != Operation::Program) {
        EXPECT_EQ(bench.ctx.Image, image); // a cancelled clear puts the image back
    }
    if (!phase.sentLine.starts_with("#CEPWR")) {
        EXPECT_EQ(bench.radio.memory(), memory); // nothing reached the radio's memory
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryPhase, CancelInPhase,
    ::testing::Values(Phase{"WakeUp", Operation::Read, {.noEcho = true}, ""},
                      Phase{"SpeedCommand", Operation::Program, {.noAcmdReply = true}, "ACMD:002"},
                      Phase{"Sync", Operation::Read, {.hangAfter = 0}, "#CMDSY"},
                      Phase{"Status", Operation::Program, {.hangAfter = 2}, "#CEPSR"},
                      Phase{"ModelCheck", Operation::Read, {.hangAfter = 3}, "#CEPRD\t0000\t02"},
                      Phase{"ProductCheck", Operation::ClearMmsi, {.hangAfter = 5}, "#CEPRD\t0070\t07"},
                      Phase{"ReadBlocks", Operation::Read, {}, "#CEPRD\t1000\t40"},
                      Phase{"WriteBytes", Operation::Program, {}, "#CEPWR\t0030\t01"},
                      Phase{"WriteBlocks", Operation::Program, {}, "#CEPWR\t1000\t40"},
                      Phase{"ClearBytes", Operation::ClearMmsi, {}, "#CEPWR\t01A2\t01"},
                      Phase{"ClearBlocks", Operation::ClearWaypoint, {}, "#CEPWR\t5140\t40"},
                      // Pressed in the pause before a send: the send does not go out.
                      Phase{"WakeUpInItsSendDelay", Operation::Program, {}, "", true},
                      Phase{"SpeedSwitchPause", Operation::Read, {}, "ACMD:002", true},
                      Phase{"ReadBlocksInTheirSendDelay", Operation::Read, {}, "#CEPRD\t1000\t40", true},
                      Phase{"WriteBlocksInTheirSendDelay", Operation::Program, {}, "#CEPWR\t1000\t40", true},
                      Phase{"ClearBytesInTheirSendDelay", Operation::ClearAtis, {}, "#CEPWR\t01A8\t01", true},
                      // Pressed during the first monitor pause of debug mode, before anything is sent.
                      Phase{"FirstMonitorPause", Operation::Program, {}, "", true, true}),
    [](const ::testing::TestParamInfo<Phase> &info) { return std::string(info.param.name); });

// A change that reached the radio in part is told as such.
TEST(CancelledChange, AWriteSaysTheRadioMayHoldPartOfIt) {
    LinkBench bench;
    bench.port.onTurn = [&bench] {
        const auto &lines = bench.radio.linesFromPc();
        if (!lines.empty() && lines.back().starts_with("#CEPWR\t1000")) {
            bench.ctx.Cancel.requested = true;
        }
    };
    EXPECT_EQ(bench.Run(Operation::Program), Outcome::Cancelled);
    EXPECT_EQ(bench.messages(), (std::vector<std::string>{"Program to Radio: Programming was cancelled." +
                                                          test::kPartlyProgrammed}));
}

} // namespace
} // namespace klt
