#include "link/clear_operations.h"
#include "link/transfer_flows.h"
#include "link_bench.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace klt {
namespace {

using test::LinkBench;

std::vector<std::string> Writes(const LinkBench &bench) {
    std::vector<std::string> writes;
    for (const auto &line : bench.radio.linesFromPc()) {
        if (line.starts_with("#CEPWR\t")) {
            writes.push_back(line.substr(7, 7));
        }
    }
    return writes;
}

Outcome Clear(LinkBench &bench, Operation operation) {
    return bench.Run(operation);
}

TEST(ClearWaypoints, ErasedPatternAndTheBlocksSent) {
    auto memory = test::RadioMemory(1);
    std::fill(memory.begin() + 0x5100, memory.begin() + 0x5E80, 0x11);
    LinkBench bench(1, memory, {});
    std::fill(bench.ctx.Image.bytes().begin() + 0x5100, bench.ctx.Image.bytes().begin() + 0x5E80, 0x22);
    EXPECT_EQ(Clear(bench, Operation::ClearWaypoint), Outcome::Done);
    EXPECT_EQ(bench.messages(), (std::vector<std::string>{"Clear WayPoint Directory: Complete!!"}));
    const auto writes = Writes(bench);
    ASSERT_EQ(writes.size(), 54u);
    EXPECT_EQ(writes.front(), "5100\t40");
    EXPECT_EQ(writes.back(), "5E40\t40");
    EXPECT_EQ(bench.ctx.Image.at(0x5163), 0x00);
    EXPECT_EQ(bench.ctx.Image.at(0x5164), 0xFF);
    EXPECT_EQ(bench.ctx.Image.at(0x5E7F), 0xFF);
    EXPECT_EQ(bench.radio.memory()[0x5100], 0x00);
    EXPECT_EQ(bench.radio.memory()[0x5E7F], 0xFF);
    EXPECT_EQ(bench.radio.memory()[0x5E80], 0xFF); // untouched by the clear
}

TEST(ClearMmsi, ClearsTheRecordsOnSuccess) {
    LinkBench bench;
    bench.ctx.Config.DscBasic.UserMmsi = "366123456";
    Clear(bench, Operation::ClearMmsi);
    EXPECT_EQ(Writes(bench), (std::vector<std::string>{"01A0\t01", "01A1\t01", "01A2\t01", "01A3\t01",
                                                       "01A4\t01", "01A5\t01"}));
    EXPECT_EQ(bench.ctx.Config.DscBasic.UserMmsi, "");
    EXPECT_EQ(bench.ctx.Image.at(0x1A5), 0x00);
    EXPECT_EQ(bench.messages(), (std::vector<std::string>{"Clear MMSI Data: Complete!!"}));
}

// A byte that fails in the middle fails the clear, and the image comes back, even when the last
// byte succeeds.
TEST(ClearMmsi, AFailedByteRestoresTheImage) {
    LinkBench bench;
    bench.ctx.Config.DscBasic.UserMmsi = "366123456";
    bench.ctx.Image.set(0x1A2, 0x12);
    const RadioImage before = bench.ctx.Image;
    bench.intercept = [](const std::string &sent) -> std::optional<std::string> {
        return sent.starts_with("#CEPWR\t01A2") ? std::optional<std::string>("#CMDXX\r\n") : std::nullopt;
    };
    Clear(bench, Operation::ClearMmsi);
    EXPECT_EQ(Writes(bench).size(), 5u); // the four others are still attempted
    EXPECT_EQ(bench.messages(), (std::vector<std::string>{"Clear Data: Communication Error!!" +
                                                          test::kRefused + test::kPartlyCleared}));
    EXPECT_EQ(bench.ctx.Image, before);
    EXPECT_EQ(bench.ctx.Config.DscBasic.UserMmsi, "366123456");
}

TEST(ClearAtis, TitleAndBytes) {
    LinkBench bench;
    bench.intercept = [](const std::string &sent) -> std::optional<std::string> {
        return sent.starts_with("#CEPWR\t01AB") ? std::optional<std::string>("#CMDXX\r\n") : std::nullopt;
    };
    Clear(bench, Operation::ClearAtis);
    EXPECT_EQ(bench.messages(), (std::vector<std::string>{"Clear Data ATIS: Communication Error!!" +
                                                          test::kRefused + test::kPartlyCleared}));
}

TEST(ClearAll, WritesItsBlocksAndLeavesMmsiAndAtis) {
    LinkBench bench;
    bench.ctx.Image.set(0x1A0, 0x36);
    bench.ctx.Image.set(0x1A6, 0x92);
    bench.ctx.Image.set(0x5F00, 0x77); // not cleared, but sent as it is
    Clear(bench, Operation::ClearAll);
    const auto writes = Writes(bench);
    EXPECT_EQ(writes.size(), 20u + (0x7F80 - 0x4F00) / 64 + 1);
    EXPECT_EQ(writes.front(), "4700\t40");
    EXPECT_EQ(std::ranges::find(writes, "4C00\t40"), writes.end());
    EXPECT_EQ(writes.back(), "7F80\t40");
    EXPECT_EQ(bench.ctx.Image.at(0x1A0), 0x36);
    EXPECT_EQ(bench.ctx.Image.at(0x1A6), 0x92);
    EXPECT_EQ(bench.radio.memory()[0x5F00], 0x77);
    EXPECT_EQ(bench.ctx.Image.at(0x6900), 0xFF);
}

// A clear that fails, on the line or by a lost port, says so under its own name, never as a
// programming of the radio, and shows no error number or internal name.
TEST(ClearWaypoints, AFailureIsTitledWithTheClear) {
    for (const bool portLost : {false, true}) {
        LinkBench bench;
        if (portLost) {
            bench.port.failAfterWrites = 12;
        } else {
            bench.intercept = [](const std::string &sent) -> std::optional<std::string> {
                return sent.starts_with("#CEPWR\t5300") ? std::optional<std::string>("#CMDNO\r\n")
                                                        : std::nullopt;
            };
        }
        EXPECT_NE(Clear(bench, Operation::ClearWaypoint), Outcome::Done);
        ASSERT_FALSE(bench.messages().empty());
        for (const auto &message : bench.messages()) {
            EXPECT_TRUE(message.starts_with("Clear WayPoint Directory: ")) << message;
            EXPECT_EQ(message.find("frm"), std::string::npos) << message;
            EXPECT_EQ(message.find("8015"), std::string::npos) << message;
        }
    }
}

TEST(ClearDscLog, CancelRestoresTheWholeImage) {
    LinkBench bench;
    std::fill(bench.ctx.Image.bytes().begin() + 0x6900, bench.ctx.Image.bytes().begin() + 0x7900, 0x33);
    const RadioImage before = bench.ctx.Image;
    bench.port.onTurn = [&bench] {
        if (Writes(bench).size() == 3) {
            bench.ctx.Cancel.requested = true;
        }
    };
    EXPECT_EQ(Clear(bench, Operation::ClearDscLog), Outcome::Cancelled);
    EXPECT_EQ(bench.ctx.Image, before);
    EXPECT_EQ(Writes(bench).size(), 3u);
    for (const auto &message : bench.messages()) {
        EXPECT_EQ(message.find("Complete!!"), std::string::npos);
    }
}

TEST(ClearCaptions, EveryOperationHasOne) {
    EXPECT_EQ(OperationCaption(*OperationFromCode(0)), "Read from Radio");
    EXPECT_EQ(OperationCaption(*OperationFromCode(5)), "Clear Individual Directory");
    EXPECT_EQ(OperationCaption(*OperationFromCode(10)), "Clear ATIS Data");
    EXPECT_FALSE(OperationFromCode(11)); // no operation: no dialog, no clear
    EXPECT_FALSE(OperationFromCode(-1));
}

} // namespace
} // namespace klt
