// Whole exchanges against the simulated radio: connection, status, identity, read and write.

#include "link/block_transfer.h"
#include "link/clear_operations.h"
#include "link/frame.h"
#include "link/handshake.h"
#include "link/identity_checks.h"
#include "link/transfer_flows.h"
#include "link_bench.h"
#include "model/image_layout.h"
#include "model/image_mapping.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace klt {
namespace {

using test::LinkBench;

int Count(const std::vector<std::string> &lines, const std::string &prefix) {
    return static_cast<int>(
        std::ranges::count_if(lines, [&](const std::string &l) { return l.starts_with(prefix); }));
}

TEST(StartConnection, WakeUpSpeedCommandAndSync) {
    LinkBench bench;
    ASSERT_EQ(StartConnection(bench.link), Outcome::Done);
    EXPECT_EQ(std::string(bench.port.written.begin(), bench.port.written.begin() + 12), "P0ACMD:002\r\n");
    EXPECT_EQ(bench.radio.linesFromPc(), (std::vector<std::string>{"ACMD:002", "#CMDSY", "#CMDSY"}));
    EXPECT_EQ(bench.port.openedWith, (std::vector<std::string>{"19200,N,8,1", "57600,N,8,1"}));
    EXPECT_NE(std::ranges::find(bench.ui.sleeps, 1000), bench.ui.sleeps.end());
}

TEST(StartConnection, ASilentRadioIsStillAskedAndSwitched) {
    LinkBench bench(1, {.noEcho = true, .noAcmdReply = true});
    EXPECT_EQ(StartConnection(bench.link), Outcome::Done);
    EXPECT_EQ(std::count(bench.port.written.begin(), bench.port.written.end(), 'P'),
              3); // three wake-up tries
    EXPECT_EQ(bench.port.openedWith.back(), "57600,N,8,1");
}

TEST(StartConnection, AnErrorAnswerToTheSpeedCommandEndsIt) {
    LinkBench bench;
    bench.intercept = [](const std::string &sent) -> std::optional<std::string> {
        return sent == "ACMD:002\r\n" ? std::optional<std::string>("ERROR\r\n") : std::nullopt;
    };
    EXPECT_EQ(StartConnection(bench.link), Outcome::Failed);
    EXPECT_EQ(bench.messages(), (std::vector<std::string>{"Read from Radio: ACMD Command error!!"}));
}

TEST(SyncLink, TwoAcknowledgedPassesWithRetries) {
    LinkBench bench;
    int sync = 0;
    // Silent twice in each pass, then answered: three attempts suffice.
    bench.intercept = [&sync](const std::string &sent) -> std::optional<std::string> {
        if (sent != "#CMDSY\r\n") {
            return std::nullopt;
        }
        return ++sync % 3 == 0 ? std::optional<std::string>("#CMDOK\r\n") : std::optional<std::string>("");
    };
    EXPECT_EQ(SyncLink(bench.link), Outcome::Done);
    EXPECT_EQ(sync, 6);

    LinkBench second;
    int count = 0;
    second.intercept = [&count](const std::string &sent) -> std::optional<std::string> {
        return sent == "#CMDSY\r\n" && ++count > 1 ? std::optional<std::string>("") : std::nullopt;
    };
    EXPECT_EQ(SyncLink(second.link), Outcome::NoAnswer);
    EXPECT_EQ(count, 4); // the second pass tries three times
}

// An "ERROR" line in answer to the synchronisation is one failed attempt: its line end is taken with it,
// the next attempt goes out at once, and an acknowledgement after it counts.
TEST(SyncLink, AnErrorAnswerIsRetriedWithItsLineEndTaken) {
    LinkBench bench;
    std::vector<std::string> answers = {"ERROR\r\n", "#CMDOK\r\n", "ERROR\r\n", "ERROR\r\n", "#CMDOK\r\n"};
    std::size_t sent = 0;
    bench.intercept = [&](const std::string &line) -> std::optional<std::string> {
        if (line != "#CMDSY\r\n") {
            return std::nullopt;
        }
        return sent < answers.size() ? answers[sent++] : std::string();
    };
    const auto start = bench.clock.now();
    EXPECT_EQ(SyncLink(bench.link), Outcome::Done);
    EXPECT_EQ(sent, answers.size());
    EXPECT_EQ(bench.port.bytesWaiting(), 0u);
    EXPECT_LT(bench.clock.now() - start, std::chrono::seconds(5)); // no attempt waited for silence
    EXPECT_TRUE(bench.ui.messages.empty());

    // Refused on every attempt of the first pass: no synchronisation, and no second pass. (Silence after
    // a dozen refusals keeps a loop that never counts them from running for ever.)
    LinkBench refused;
    int count = 0;
    refused.intercept = [&count](const std::string &line) -> std::optional<std::string> {
        if (line != "#CMDSY\r\n") {
            return std::nullopt;
        }
        return ++count <= 12 ? "ERROR\r\n" : "";
    };
    EXPECT_NE(SyncLink(refused.link), Outcome::Done);
    EXPECT_EQ(count, refused.link.settings().retryCount);
}

// Disabled: a radio that answers every synchronisation with ERROR is reported as not answering at all.
// A radio that answers ERROR to every synchronisation is there: the message says it does not answer as
// expected, not that nothing answers.
TEST(StartConnection, ARadioThatRefusesTheSynchronisationIsNotCalledSilent) {
    LinkBench bench;
    bench.intercept = [](const std::string &sent) -> std::optional<std::string> {
        return sent == "#CMDSY\r\n" ? std::optional<std::string>("ERROR\r\n") : std::nullopt;
    };
    EXPECT_EQ(bench.Run(Operation::Read), Outcome::Failed);
    ASSERT_EQ(bench.messages().size(), 1u);
    EXPECT_EQ(bench.messages()[0].find("No answer from the radio"), std::string::npos) << bench.messages()[0];
}

// An exchange that has to be tried again says so while it waits; the words go once it is answered.
TEST(StartConnection, ARetriedExchangeSaysItWaits) {
    LinkBench bench;
    bool first = true;
    bench.intercept = [&first](const std::string &sent) -> std::optional<std::string> {
        if (sent.starts_with("#CEPSR") && first) {
            first = false;
            return std::string();
        }
        return std::nullopt;
    };
    EXPECT_EQ(bench.Run(Operation::Read), Outcome::Done);
    const auto &texts = bench.ui.statusTexts;
    const auto asked = std::find(texts.begin(), texts.end(), "Asking the radio whether it is ready...");
    ASSERT_NE(asked, texts.end());
    const auto retried = std::find(asked, texts.end(), "Waiting for the radio (attempt 2 of 3)...");
    ASSERT_NE(retried, texts.end());
    EXPECT_EQ(texts.back(), "");
}

// No radio on the line: the user hears so, with the port and what to check, after one pass of the
// synchronisation (the second could never make up for the first).
TEST(StartConnection, NoRadioSaysSoNamingThePort) {
    LinkBench bench;
    bench.intercept = [](const std::string &sent) -> std::optional<std::string> {
        return sent == "#CMDSY\r\n" ? std::optional<std::string>("") : std::nullopt;
    };
    const auto start = bench.clock.now();
    EXPECT_EQ(bench.Run(Operation::Read), Outcome::NoAnswer);
    EXPECT_EQ(bench.messages(),
              (std::vector<std::string>{
                  "Read from Radio: No answer from the radio on COM1.\r\nCheck that the cable is "
                  "connected, that the radio is switched on and shows PC CONTROL, and that the "
                  "cable is on this port."}));
    const std::string written(bench.port.written.begin(), bench.port.written.end());
    std::size_t syncs = 0;
    for (auto at = written.find("#CMDSY"); at != std::string::npos; at = written.find("#CMDSY", at + 1)) {
        ++syncs;
    }
    EXPECT_EQ(syncs, 3u);
    EXPECT_LT(bench.clock.now() - start, std::chrono::seconds(40));
    // The long wait is told as it goes, attempt by attempt, and the words go when it ends.
    EXPECT_EQ(bench.ui.statusTexts,
              (std::vector<std::string>{"Waiting for the radio (attempt 1 of 3)...",
                                        "Waiting for the radio (attempt 2 of 3)...",
                                        "Waiting for the radio (attempt 3 of 3)...", ""}));

    LinkBench noisy;
    noisy.intercept = [](const std::string &sent) -> std::optional<std::string> {
        return sent == "#CMDSY\r\n" ? std::optional<std::string>("#C\x93"
                                                                 "DOK\r\n")
                                    : std::nullopt;
    };
    EXPECT_EQ(noisy.Run(Operation::Program), Outcome::Failed);
    ASSERT_EQ(noisy.messages().size(), 1u);
    EXPECT_TRUE(
        noisy.messages()[0].starts_with("Program to Radio: The radio on COM1 does not answer as expected."));
}

// A radio that stops answering in a run of single-byte writes ends the write at the byte that met
// silence on all its attempts, instead of waiting out every later byte's retries.
TEST(WriteFlow, ARadioThatStopsAnsweringEndsTheWriteAtOnce) {
    LinkBench bench(1, {.hangAfter = 50});
    const auto start = bench.clock.now();
    EXPECT_EQ(bench.Run(Operation::Program), Outcome::NoAnswer);
    EXPECT_EQ(Count(bench.radio.linesFromPc(), "#CEPWR"), 46 + 3);
    EXPECT_LT(bench.clock.now() - start, std::chrono::seconds(40));
    EXPECT_EQ(bench.messages(),
              (std::vector<std::string>{"Program to Radio: Communication Error!!" + test::kStoppedAnswering +
                                        test::kPartlyProgrammed}));
}

TEST(CheckRadioStatus, BusyThenRetryThenReady) {
    LinkBench bench(1, {.busyReplies = 1});
    bench.ui.answers = {Answer::Retry};
    EXPECT_EQ(CheckRadioStatus(bench.link), Outcome::Done);
    ASSERT_EQ(bench.ui.messages.size(), 1u);
    EXPECT_EQ(bench.ui.messages[0].text, "Radio is busy!!");
    EXPECT_EQ(bench.ui.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(Count(bench.radio.linesFromPc(), "#CEPSR"), 2);
    EXPECT_EQ(Count(bench.radio.linesFromPc(), "#CMDOK"), 2);

    LinkBench cancelled(1, {.busyReplies = 1});
    EXPECT_EQ(CheckRadioStatus(cancelled.link), Outcome::Failed);
}

TEST(CheckRadioStatus, ErrorsAskToSynchroniseAndAllowOneMoreAttempt) {
    LinkBench bench(1, {.errorReplies = 3});
    bench.ui.answers = {Answer::Ok};
    EXPECT_EQ(CheckRadioStatus(bench.link), Outcome::Done);
    EXPECT_EQ(bench.ui.messages.at(0).text, "confirm the synchronization of the communication");
    EXPECT_EQ(Count(bench.radio.linesFromPc(), "#CEPSR"), 4);
    EXPECT_EQ(Count(bench.radio.linesFromPc(), "#CMDSY"), 2);

    LinkBench refused(1, {.errorReplies = 3});
    EXPECT_EQ(CheckRadioStatus(refused.link), Outcome::Failed);
}

TEST(CheckRadioStatus, ABadStatusChecksumDrawsChecksumMismatch) {
    LinkBench bench;
    bench.intercept = [](const std::string &sent) -> std::optional<std::string> {
        return sent.starts_with("#CEPSR") ? std::optional<std::string>("#CMDOK\r\n#CEPSD\t00\t00\r\n")
                                          : std::nullopt;
    };
    EXPECT_EQ(CheckRadioStatus(bench.link), Outcome::Failed);
    EXPECT_EQ(Count(bench.radio.linesFromPc(), "#CMDSM"), 1);
    EXPECT_TRUE(bench.ui.messages.empty());
}

TEST(ReadBlock, RejectedRepliesAreNotRetried) {
    LinkBench bench;
    std::vector<std::uint8_t> buffer(RadioImage::kSize);
    int requests = 0;
    bench.intercept = [&requests](const std::string &sent) -> std::optional<std::string> {
        if (!sent.starts_with("#CEPRD")) {
            return std::nullopt;
        }
        ++requests;
        const std::string body = "#CEPDT\t0000\t40\t" + std::string(126, 'A') + "\t";
        return "#CMDOK\r\n" + body + Hex2(XorChecksum(body)) + "\r\n";
    };
    EXPECT_EQ(ReadBlock(bench.link, buffer, 0, 64), Outcome::Failed);
    EXPECT_EQ(requests, 1);
    EXPECT_EQ(bench.messages(), (std::vector<std::string>{"Read from Radio: data error!!"}));

    bench.ui.messages.clear();
    bench.intercept = [](const std::string &sent) -> std::optional<std::string> {
        if (!sent.starts_with("#CEPRD")) {
            return std::nullopt;
        }
        const std::string body = "#CEPDT\t0040\t02\tABCD\t";
        return "#CMDOK\r\n" + body + Hex2(XorChecksum(body)) + "\r\n";
    };
    EXPECT_EQ(ReadBlock(bench.link, buffer, 0, 2), Outcome::Failed);
    EXPECT_EQ(bench.messages(), (std::vector<std::string>{"Read from Radio: address error!!"}));
}

TEST(ReadBlock, SilenceIsRetriedThreeTimes) {
    LinkBench bench(1, {.hangAfter = 0});
    std::vector<std::uint8_t> buffer(RadioImage::kSize);
    EXPECT_EQ(ReadBlock(bench.link, buffer, 0, 64), Outcome::NoAnswer);
    EXPECT_EQ(Count(bench.radio.linesFromPc(), "#CEPRD"), 3);
}

// A block the radio refused, followed by a synchronisation that only half succeeds, is a failed block:
// the read must not go on as if the block had come.
TEST(ReadFlow, AHalfSuccessfulResynchronisationFailsTheRead) {
    LinkBench bench;
    bench.ui.answers = {Answer::Ok};
    int syncs = 0;
    bench.intercept = [&syncs](const std::string &sent) -> std::optional<std::string> {
        if (sent.starts_with("#CEPRD\t1000\t40")) {
            return std::string("ERROR\r\n");
        }
        if (sent == "#CMDSY\r\n" && syncs >= 2) {
            return ++syncs == 3 ? std::string("#CMDOK\r\n") : std::string();
        }
        syncs += sent == "#CMDSY\r\n" ? 1 : 0;
        return std::nullopt;
    };
    const RadioImage image = bench.ctx.Image;
    EXPECT_EQ(bench.Run(Operation::Read), Outcome::NoAnswer);
    EXPECT_EQ(bench.messages(),
              (std::vector<std::string>{"Read from Radio: confirm the synchronization of the communication",
                                        "Read from Radio: Communication Error!!" + test::kStoppedAnswering}));
    EXPECT_EQ(bench.ctx.Image, image);
    EXPECT_EQ(Count(bench.radio.linesFromPc(), "#CEPRD\t1040"), 0);
}

TEST(IdentityChecks, ModelCodesAtBothEnds) {
    auto memory = test::RadioMemory(1);
    LinkBench tq450(2, memory, {}); // a TQ-300 memory serves the TQ-400E/TQ-450
    EXPECT_EQ(ReadDataChkModel(tq450.link, tq450.ctx.Image, ModelNo(2)), Outcome::Done);
    EXPECT_EQ(Count(tq450.radio.linesFromPc(), "#CEPRD\t0000\t02"), 1);
    EXPECT_EQ(Count(tq450.radio.linesFromPc(), "#CEPRD\t7FFE\t02"), 1);

    memory[0x7FFF] = 0xC2;
    LinkBench mixed(1, memory, {});
    EXPECT_EQ(ReadDataChkModel(mixed.link, mixed.ctx.Image, ModelNo(1)), Outcome::Failed);
    ASSERT_EQ(mixed.messages().size(), 1u);
    EXPECT_TRUE(mixed.messages()[0].starts_with("Read from Radio: ModelType Error !!\r\n"))
        << mixed.messages()[0];

    // Another model's radio: the message says which it is and where the editor is switched to it.
    LinkBench other(1, test::RadioMemory(3), {});
    EXPECT_EQ(ReadDataChkModel(other.link, other.ctx.Image, ModelNo(1)), Outcome::Failed);
    EXPECT_EQ(other.messages(),
              (std::vector<std::string>{"Read from Radio: ModelType Error !!\r\nThe radio is a "
                                        "TQ-500; the editor is set to the TQ-300: choose Edit > "
                                        "Model > TQ-500."}));

    LinkBench silent(1, {.hangAfter = 0});
    EXPECT_EQ(ReadDataChkModel(silent.link, silent.ctx.Image, ModelNo(1)), Outcome::NoAnswer);
    EXPECT_EQ(silent.messages(),
              (std::vector<std::string>{"Model Check: Communication Error!!" + test::kStoppedAnswering}));
    EXPECT_EQ(Count(silent.radio.linesFromPc(), "#CEPRD\t7FFE"), 0);
}

TEST(IdentityChecks, ProductCode) {
    LinkBench good;
    EXPECT_EQ(ReadDataChkProduct(good.link), Outcome::Done);
    EXPECT_EQ(Count(good.radio.linesFromPc(), "#CEPRD\t0070\t07\t6A"), 1);

    auto memory = test::RadioMemory(1);
    memory[0x74] = '2';
    LinkBench wrong(1, memory, {});
    wrong.link.settings().debugMode = true;
    EXPECT_EQ(ReadDataChkProduct(wrong.link), Outcome::Failed);
    EXPECT_EQ(wrong.messages(), (std::vector<std::string>{"Product Code Error!: address: 0x74 -> 0x32",
                                                          "Read from Radio: Product Code Error !!"}));
}

TEST(ReadFlow, ReadsMergesAndDecodes) {
    auto memory = test::RadioMemory(1);
    memory[0x1300 + 16 * 32] = 'R'; // USA channel 16's name
    memory[0x1300 + 16 * 32 + 1] = 'X';
    memory[0x0005] = 0x42; // the radio's own, never taken over
    memory[0x5200] = 0x43;
    LinkBench bench(1, memory, {});
    bench.ctx.Image.set(0x0005, 0x99);
    EXPECT_EQ(bench.Run(Operation::Read), Outcome::Done);
    EXPECT_EQ(bench.messages(), (std::vector<std::string>{"Read from Radio: Complete!!"}));
    EXPECT_EQ(bench.ctx.Config.Usa[32].ChTag, "RX");
    EXPECT_EQ(bench.ctx.Image.at(0x0005), 0x99);
    EXPECT_EQ(bench.ctx.Image.at(0x5200), 0xFF);
    EXPECT_EQ(bench.ctx.Image.at(0x0070), 'Q');
    EXPECT_EQ(Count(bench.radio.linesFromPc(), "#CEPRD\t"), 3 + 512);
    EXPECT_FALSE(bench.port.isOpen());
}

TEST(ReadFlow, CancelSendsAbortAndChangesNothing) {
    LinkBench bench;
    const Configuration before = bench.ctx.Config;
    const RadioImage image = bench.ctx.Image;
    bench.port.onTurn = [&bench] {
        if (bench.radio.framedCommands() == 100) {
            bench.ctx.Cancel.requested = true;
        }
    };
    EXPECT_NE(bench.Run(Operation::Read), Outcome::Done);
    EXPECT_NE(std::find(bench.port.written.begin(), bench.port.written.end(), 0x18),
              bench.port.written.end());
    EXPECT_EQ(bench.ctx.Config, before);
    EXPECT_EQ(bench.ctx.Image, image);
    EXPECT_TRUE(bench.messages().empty() || bench.messages().back() == "Read from Radio: cancel!!");
    EXPECT_LT(bench.radio.framedCommands(), 110);
}

TEST(ReadFlow, ABadChecksumEndsTheReadWithoutChangingAnything) {
    LinkBench bench(1, {.badChecksumAt = 0x1000});
    const RadioImage image = bench.ctx.Image;
    EXPECT_EQ(bench.Run(Operation::Read), Outcome::Failed);
    EXPECT_EQ(bench.messages(),
              (std::vector<std::string>{"Read from Radio: Communication Error!!" + test::kRefused}));
    EXPECT_EQ(Count(bench.radio.linesFromPc(), "#CMDSM"), 1);
    EXPECT_EQ(bench.ctx.Image, image);
}

TEST(ReadFlow, ARadioThatStopsAnsweringFailsCleanly) {
    LinkBench bench(1, {.hangAfter = 40});
    const RadioImage image = bench.ctx.Image;
    const Configuration config = bench.ctx.Config;
    EXPECT_EQ(bench.Run(Operation::Read), Outcome::NoAnswer);
    EXPECT_EQ(bench.messages(),
              (std::vector<std::string>{"Read from Radio: Communication Error!!" + test::kStoppedAnswering}));
    EXPECT_EQ(bench.ctx.Image, image);
    EXPECT_EQ(bench.ctx.Config, config);
    EXPECT_FALSE(bench.port.isOpen());
}

TEST(ReadFlow, RadioNotReady) {
    LinkBench bench(1, {.busyReplies = 5});
    bench.Run(Operation::Read);
    EXPECT_EQ(bench.messages(), (std::vector<std::string>{"Read from Radio: Radio is busy!!",
                                                          "Read from Radio: Radio not ready!!"}));
}

TEST(WriteFlow, WritesTheRegionsAndNothingElse) {
    auto memory = test::RadioMemory(1);
    for (const Address a : {0x0078u, 0x0710u, 0x5100u, 0x7000u, 0x0010u, 0x0110u}) {
        memory[a] = 0x5A;
    }
    LinkBench bench(1, memory, {});
    bench.link.setCaption("Program to Radio");
    bench.ctx.Config.Usa[32].ChTag = "WRITTEN";
    bench.ctx.Config.Atis.AtisCode = "9211234567";
    bench.Run(Operation::Program);
    EXPECT_EQ(bench.messages(), (std::vector<std::string>{"Program to Radio: Complete!!"}));
    const auto &radio = bench.radio.memory();
    for (const Address a : {0x0078u, 0x0710u, 0x5100u, 0x7000u, 0x0010u, 0x0110u}) {
        EXPECT_EQ(radio[a], 0x5A) << a;
    }
    EXPECT_EQ(std::string(radio.begin() + 0x1300 + 16 * 32, radio.begin() + 0x1300 + 16 * 32 + 7), "WRITTEN");
    EXPECT_EQ(radio[0x1AB], 1); // the ATIS code is marked present
    EXPECT_EQ(radio[0x5F], bench.ctx.Image.at(0x5F));
    const auto &lines = bench.radio.linesFromPc();
    const auto firstWrite =
        std::ranges::find_if(lines, [](const std::string &l) { return l.starts_with("#CEPWR"); });
    ASSERT_NE(firstWrite, lines.end());
    EXPECT_TRUE(firstWrite->starts_with("#CEPWR\t0021\t01\t"));
    EXPECT_EQ(Count(lines, "#CEPWR\t"), 316 + 111);
    EXPECT_EQ(Count(lines, "#CEPWR\t007"), 0);
    EXPECT_EQ(Count(lines, "#CEPWR\t07"), 0);
    EXPECT_EQ(Count(lines, "#CEPWR\t51"), 0);
}

// Under a decimal-comma locale (a German desktop) a write and a read change no frequency.
TEST(WriteFlow, ReadWriteReadUnderADecimalCommaLocaleChangesNothing) {
    const test::DecimalCommaLocale german;
    ASSERT_TRUE(german.ok()) << "the de_DE.UTF-8 locale is missing: scripts/install-deps generates it";
    LinkBench writer;
    writer.link.setCaption("Program to Radio");
    for (std::size_t i = 0; i < 3; ++i) {
        writer.ctx.Config.Expansion[i].Enable = true;
        writer.ctx.Config.Expansion[i].CHDisplayL = "9" + std::to_string(i);
        writer.ctx.Config.Expansion[i].Rxfreq = 156.05 + 0.025 * static_cast<double>(i);
        writer.ctx.Config.Expansion[i].Txfreq = 161.425;
    }
    ASSERT_EQ(writer.Run(Operation::Program), Outcome::Done);
    const auto rx = layout::ExpansionBlock::At(0) + layout::ExpansionBlock::kRxFreq;
    EXPECT_EQ(writer.radio.memory()[rx], 0x56);
    EXPECT_EQ(writer.radio.memory()[rx + 1], 0x05);

    LinkBench first(1, writer.radio.memory(), {});
    ASSERT_EQ(first.Run(Operation::Read), Outcome::Done);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_DOUBLE_EQ(first.ctx.Config.Expansion[i].Rxfreq, writer.ctx.Config.Expansion[i].Rxfreq) << i;
        EXPECT_DOUBLE_EQ(first.ctx.Config.Expansion[i].Txfreq, 161.425) << i;
    }
    first.link.setCaption("Program to Radio");
    ASSERT_EQ(first.Run(Operation::Program), Outcome::Done);
    LinkBench second(1, first.radio.memory(), {});
    ASSERT_EQ(second.Run(Operation::Read), Outcome::Done);
    EXPECT_EQ(second.ctx.Config, first.ctx.Config);
    EXPECT_EQ(second.radio.memory(), writer.radio.memory());
    EXPECT_DOUBLE_EQ(second.ctx.Config.Expansion[0].Rxfreq, 156.05);
    EXPECT_DOUBLE_EQ(second.ctx.Config.Expansion[2].Rxfreq, 156.1);
}

// A failed byte in a run of single-byte writes fails the write, even when later bytes succeed.
TEST(WriteFlow, AFailedSingleByteFailsTheWrite) {
    LinkBench bench;
    bench.link.setCaption("Program to Radio");
    bench.intercept = [](const std::string &sent) -> std::optional<std::string> {
        return sent.starts_with("#CEPWR\t0022\t01") ? std::optional<std::string>("#CMDNO\r\n") : std::nullopt;
    };
    EXPECT_EQ(bench.Run(Operation::Program), Outcome::Failed);
    EXPECT_EQ(bench.messages(), (std::vector<std::string>{"Program to Radio: Communication Error!!" +
                                                          test::kRefused + test::kPartlyProgrammed}));
    const auto &lines = bench.radio.linesFromPc();
    EXPECT_EQ(Count(lines, "#CEPWR\t0023"), 1); // the rest of the run is still attempted
    EXPECT_EQ(Count(lines, "#CEPWR\t0040"), 0); // ... and the write stops after it
}

TEST(WriteFlow, APortThatDisappearsIsReported) {
    LinkBench bench;
    bench.link.setCaption("Program to Radio");
    bench.port.failAfterWrites = 40;
    EXPECT_EQ(bench.Run(Operation::Program), Outcome::PortFailed);
    // The port's own fault, then what the radio may now hold.
    EXPECT_EQ(bench.messages(),
              (std::vector<std::string>{"Program to Radio: The port is gone",
                                        "Program to Radio: " + test::kPartlyProgrammed.substr(2)}));
    EXPECT_FALSE(bench.port.isOpen());
}

TEST(Transfer, SlowLinkModeKeepsTheLowSpeed) {
    LinkBench bench;
    bench.link.settings().slowLink = true;
    EXPECT_EQ(bench.Run(Operation::Read), Outcome::Done);
    EXPECT_EQ(bench.port.openedWith, (std::vector<std::string>{"19200,N,8,1", "19200,N,8,1"}));
}

TEST(Transfer, DebugModeShowsEachStepOnTheMonitor) {
    LinkBench bench;
    bench.link.settings().debugMode = true;
    bench.Run(Operation::Read);
    const auto &lines = bench.ui.monitorLines;
    for (const std::string text :
         {"startsync...", "19200,N,8,1", "sending 'ACMD:002'...", "57600,N,8,1", "sending '#CMDSY'...(1)",
          "sending '#CMDSY'...(2)", "sync ok", "status check..", "status check.. OK", "model check...",
          "product-code check...", "radio reading..."}) {
        EXPECT_NE(std::ranges::find(lines, text), lines.end()) << text;
    }
    EXPECT_EQ(std::ranges::count(bench.ui.pauses, 500), static_cast<long>(lines.size()) + 1);
}

} // namespace
} // namespace klt
