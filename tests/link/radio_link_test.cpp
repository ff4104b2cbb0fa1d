// The line primitives and the framing, against bytes written by hand.

#include "link/frame.h"
#include "link/handshake.h"
#include "link_bench.h"

#include <gtest/gtest.h>

namespace klt {
namespace {

std::string Text(const std::vector<std::uint8_t> &bytes) {
    return {bytes.begin(), bytes.end()};
}

TEST(Frame, ChecksumsOfTheRadiosOwnExamples) {
    EXPECT_EQ(Text(BuildFrame("#CEPSR", "00")), "#CEPSR\t00\t74\r\n");
    EXPECT_EQ(Text(BuildFrame("#CEPRD", "0000", "40")), "#CEPRD\t0000\t40\t6E\r\n");
    EXPECT_EQ(Text(BuildFrame("#CEPRD", "0000", "02")), "#CEPRD\t0000\t02\t68\r\n");
    EXPECT_EQ(Text(BuildFrame("#CEPRD", "7FFE", "02")), "#CEPRD\t7FFE\t02\t1A\r\n");
    EXPECT_EQ(Text(BuildFrame("#CEPRD", "0070", "07")), "#CEPRD\t0070\t07\t6A\r\n");
    EXPECT_EQ(Text(BuildFrame("#CEPRD", "", "07")),
              "#CEPRD\t07\t" + Hex2(XorChecksum("#CEPRD\t07\t")) + "\r\n");
}

TEST(Frame, ReceivedLineChecksums) {
    EXPECT_TRUE(VerifyLineChecksum("#CEPSR\t00\t74"));
    EXPECT_TRUE(VerifyLineChecksum("#CEPRD\t7FFE\t02\t1a"));
    EXPECT_FALSE(VerifyLineChecksum("#CEPSR\t00\t75"));
    EXPECT_FALSE(VerifyLineChecksum("#CEPSR\t00\tZZ"));
    EXPECT_FALSE(VerifyLineChecksum("00"));
    EXPECT_EQ(SplitTabs("\t0000\t40\tAB\t12"), (std::vector<std::string>{"", "0000", "40", "AB", "12"}));
}

struct ScriptedLine : test::LinkBench {
    ScriptedLine() {
        intercept = [](const std::string &) { return std::string(); };
    }
};

TEST(RadioLink, ReadCharsStopsAtErrorWhateverItsCase) {
    ScriptedLine line;
    line.port.push("errorXYZ");
    std::string text;
    EXPECT_EQ(line.link.ReadChars(6, 10, text), LinkResult::RadioError);
    EXPECT_EQ(text, "error");
    EXPECT_EQ(line.port.bytesWaiting(), 3u); // the rest stays unread
}

TEST(RadioLink, ReadLineNeedsCrLf) {
    ScriptedLine line;
    std::string text;
    line.port.push("OK\rX");
    EXPECT_EQ(line.link.ReadLine(1, text), LinkResult::BadLineEnd);
    line.port.push("OK\r\n");
    EXPECT_EQ(line.link.ReadLine(1, text), LinkResult::Ok);
    EXPECT_EQ(text, "OK");
    line.port.push("#CEPSD\t00\t55\rjunk\n");
    EXPECT_EQ(line.link.ReadToLineEnd(1, text), LinkResult::Ok);
    EXPECT_EQ(text, "#CEPSD\t00\t55");
    EXPECT_EQ(line.port.bytesWaiting(), 0u);
}

TEST(RadioLink, SilenceTimesOutAfterItsSecondsOnTheClock) {
    ScriptedLine line;
    const auto start = line.clock.now();
    std::string text;
    EXPECT_EQ(line.link.ReadChars(6, 10, text), LinkResult::TimedOut);
    const auto waited = line.clock.now() - start;
    EXPECT_GE(waited, std::chrono::seconds(10));
    EXPECT_LT(waited, std::chrono::milliseconds(10100));
    line.port.push("abc");
    EXPECT_EQ(line.link.WaitForByte('z', 1), LinkResult::TimedOut);
    EXPECT_EQ(line.port.bytesWaiting(), 0u); // other bytes are dropped while waiting
}

TEST(RadioLink, CancelEndsAWait) {
    ScriptedLine line;
    int turns = 0;
    line.port.onTurn = [&] {
        if (++turns == 3) {
            line.ctx.Cancel.requested = true;
        }
    };
    std::string text;
    EXPECT_EQ(line.link.ReadLine(10, text), LinkResult::Cancelled);
    EXPECT_LT(line.clock.now() - std::chrono::steady_clock::time_point(std::chrono::hours(24)),
              std::chrono::seconds(1));
}

TEST(RadioLink, SendsWaitFirstAndShortCommandsAreExactlyEightCharacters) {
    ScriptedLine line;
    line.link.SendShortCommand("ACMD:00");
    line.link.SendShortCommand("ACMD:0022");
    EXPECT_TRUE(line.port.written.empty());
    line.link.SendShortCommand("ACMD:002");
    line.link.SendLine("#CMDOK");
    EXPECT_EQ(Text(line.port.written), "ACMD:002\r\n#CMDOK\r\n");
    EXPECT_EQ(line.ui.sleeps, (std::vector<int>{10, 10}));
    line.port.push("stale");
    line.link.SendByte('P');
    EXPECT_EQ(line.port.bytesWaiting(), 0u); // a single byte goes out on an empty line
}

TEST(RadioLink, PortSpeedsAndNumbers) {
    ScriptedLine line;
    EXPECT_TRUE(line.link.PortInit());
    EXPECT_TRUE(line.link.PortInitCP());
    line.link.settings().slowLink = true;
    line.link.settings().portNumber = 16;
    EXPECT_TRUE(line.link.PortInitCP());
    EXPECT_TRUE(line.link.PortOpen()); // already open: nothing changes
    line.link.ClosePort();
    EXPECT_TRUE(line.link.PortOpen());
    EXPECT_EQ(line.port.openedWith,
              (std::vector<std::string>{"19200,N,8,1", "57600,N,8,1", "19200,N,8,1", "19200,N,8,1"}));
    EXPECT_EQ(line.port.openedPorts, (std::vector<int>{1, 1, 16, 16}));
}

TEST(RadioLink, APortThatWillNotOpenSaysWhy) {
    ScriptedLine line;
    line.port.openFault = Fault{2, "No such file or directory"};
    EXPECT_FALSE(line.link.PortInit());
    EXPECT_EQ(line.messages(),
              (std::vector<std::string>{"Port Inicialize Error!!: No such file or directory"}));
    EXPECT_NE(test::ReadFile(line.folder.path() / "err.log")
                  .find("frmRadio.PortInit -> 2No such file or directory"),
              std::string::npos);
    line.port.openFault = Fault{2, "No such file or directory"};
    EXPECT_FALSE(line.link.PortOpen());
    EXPECT_EQ(line.ui.messages.size(), 1u); // opening only logs
}

TEST(AwaitAck, NeedsTheLineEndInTime) {
    ScriptedLine line;
    line.port.push("#CMDOK\r\n");
    EXPECT_EQ(AwaitAck(line.link), LinkResult::Ok);
    line.port.push("#CMDOK");
    EXPECT_EQ(AwaitAck(line.link), LinkResult::BadLineEnd);
    line.port.push("#CMDNO\r\n");
    EXPECT_EQ(AwaitAck(line.link), LinkResult::BadLineEnd);
    line.link.FlushInput();
    line.port.push("ERROR\r\n");
    EXPECT_EQ(AwaitAck(line.link), LinkResult::RadioError);

    // A Cancel while the line end of an "ERROR" is awaited is a Cancel, not a refusal to retry.
    line.port.push("ERROR");
    line.port.onTurn = [&line] { line.ctx.Cancel.requested = line.port.bytesWaiting() == 0; };
    EXPECT_EQ(AwaitAck(line.link), LinkResult::Cancelled);
}

} // namespace
} // namespace klt
