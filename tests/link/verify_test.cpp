// A write that proves itself: the blocks it touched are read back and compared, a radio that
// acknowledges what it does not keep is caught and the setting named, and Cancel and silence during
// the read-back end the run as they do during the write.

#include "app/transfer_command.h"
#include "link/write_verification.h"
#include "link_bench.h"
#include "model/image_layout.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace klt {
namespace {

using test::LinkBench;

constexpr int kCh16 = 32;

std::vector<std::string> Lines(const LinkBench &bench, const std::string &prefix) {
    std::vector<std::string> found;
    std::ranges::copy_if(bench.radio.linesFromPc(), std::back_inserter(found),
                         [&](const std::string &l) { return l.starts_with(prefix); });
    return found;
}

Outcome Program(LinkBench &bench) {
    bench.ctx.Cancel.requested = false;
    bench.link.setCaption("Program to Radio");
    return RunTransfer(
        bench.link, Operation::Program,
        {bench.ctx.Image, bench.ctx.Config, bench.ctx.CurrentModel, WriteCheckOf(bench.ctx, true)});
}

TEST(VerifiedWrite, ReadsBackEveryBlockTheWriteTouchedAndSaysSo) {
    LinkBench bench;
    bench.ctx.Config.Usa[kCh16].ChTag = "MAYDAY";
    ASSERT_EQ(Program(bench), Outcome::Done);
    EXPECT_EQ(bench.messages(),
              (std::vector<std::string>{"Program to Radio: Complete!!\r\nVerified: the radio "
                                        "holds every byte that was written."}));
    // One block read for each step the write sent, at the step's block, after the last write.
    const auto reads = Lines(bench, "#CEPRD\t");
    const auto ranges = WrittenRanges();
    // The model and product checks read three times first, then the radio's MMSI once.
    ASSERT_EQ(reads.size(), 3 + 1 + ranges.size());
    const auto &all = bench.radio.linesFromPc();
    const auto lastWrite = std::find_if(all.rbegin(), all.rend(), [](const std::string &l) {
                               return l.starts_with("#CEPWR");
                           }).base();
    EXPECT_EQ(
        std::count_if(lastWrite, all.end(), [](const std::string &l) { return l.starts_with("#CEPRD"); }),
        static_cast<long>(ranges.size()));
    EXPECT_TRUE(reads.back().starts_with("#CEPRD\t50C0\t40\t")) << reads.back();
}

// What the read-back compares is exactly what the write sent: every "#CEPWR" byte lies in a written
// range, and every written range was sent.
TEST(VerifiedWrite, TheWrittenRangesAreWhatTheWriteSends) {
    LinkBench bench;
    ASSERT_EQ(Program(bench), Outcome::Done);
    std::vector<bool> sent(RadioImage::kSize, false);
    for (const std::string &line : Lines(bench, "#CEPWR\t")) {
        const unsigned address = std::stoul(line.substr(7, 4), nullptr, 16);
        const unsigned length = std::stoul(line.substr(12, 2), nullptr, 16);
        std::fill_n(sent.begin() + address, length, true);
    }
    std::vector<bool> ranged(RadioImage::kSize, false);
    for (const layout::Range &range : WrittenRanges()) {
        std::fill(ranged.begin() + range.first, ranged.begin() + range.last + 1, true);
    }
    EXPECT_EQ(sent, ranged);
}

// A radio that acknowledges a byte it does not keep, or keeps another: the write fails, naming the
// setting as the settings file does, and nothing says "Complete!!".
TEST(VerifiedWrite, ALyingRadioFailsTheWriteAndTheSettingIsNamed) {
    const Address name = layout::kPlanTables[0].Name(kCh16);
    for (const sim::FaultPlan &plan :
         {sim::FaultPlan{.dropWritesAt = {name}}, sim::FaultPlan{.flipBitAt = name + 1}}) {
        LinkBench bench(1, plan);
        bench.ctx.Config.Usa[kCh16].ChTag = "MAYDAY";
        EXPECT_EQ(Program(bench), Outcome::Failed);
        ASSERT_EQ(bench.messages().size(), 1u);
        const std::string text = bench.messages()[0];
        EXPECT_TRUE(text.starts_with("Program to Radio: Verify Error!!\r\n")) << text;
        EXPECT_NE(text.find("\r\n[CHUSA32] ChTag: MAYDAY -> "), std::string::npos) << text;
        EXPECT_TRUE(text.ends_with(test::kPartlyProgrammed)) << text;
        EXPECT_FALSE(bench.port.isOpen());
    }
    // Without names to give, the bytes are named by their addresses.
    LinkBench bench(1, {.dropWritesAt = {name}});
    bench.ctx.Config.Usa[kCh16].ChTag = "MAYDAY";
    bench.link.setCaption("Program to Radio");
    EXPECT_EQ(
        RunTransfer(
            bench.link, Operation::Program,
            {bench.ctx.Image, bench.ctx.Config, bench.ctx.CurrentModel, {.verify = true, .describe = {}}}),
        Outcome::Failed);
    ASSERT_EQ(bench.messages().size(), 1u);
    EXPECT_NE(bench.messages()[0].find("\r\nbyte 1500: 4D -> "), std::string::npos) << bench.messages()[0];
}

TEST(VerifiedWrite, CancelAndSilenceDuringTheReadBackEndItAsDuringTheWrite) {
    LinkBench cancelled;
    cancelled.port.onTurn = [&cancelled] {
        const auto &lines = cancelled.radio.linesFromPc();
        if (!lines.empty() && lines.back().starts_with("#CEPRD\t1000")) {
            cancelled.ctx.Cancel.requested = true;
        }
    };
    EXPECT_EQ(Program(cancelled), Outcome::Cancelled);
    EXPECT_EQ(cancelled.port.written.back(), 0x18); // the abort a read owes the radio
    EXPECT_EQ(cancelled.messages(), (std::vector<std::string>{"Program to Radio: Programming was cancelled." +
                                                              test::kPartlyProgrammed}));

    const int writes = [] {
        LinkBench counting;
        Program(counting);
        return counting.radio.framedCommands() - static_cast<int>(WrittenRanges().size());
    }();
    LinkBench silent(1, {.hangAfter = writes + 10});
    EXPECT_EQ(Program(silent), Outcome::NoAnswer);
    EXPECT_EQ(silent.messages(),
              (std::vector<std::string>{"Program to Radio: Communication Error!!" + test::kStoppedAnswering +
                                        test::kPartlyProgrammed}));
}

// A radio with an MMSI of its own is asked about before the write would give it another; No, the
// default, sends no write.
TEST(IdentityBeforeWrite, AnotherMmsiIsAskedAboutAndNoWritesNothing) {
    auto memory = test::RadioMemory(1);
    const std::array<std::uint8_t, 5> radioMmsi = {0x36, 0x61, 0x23, 0x45, 0x60}; // 366123456
    std::copy(radioMmsi.begin(), radioMmsi.end(), memory.begin() + layout::kUserMmsi);
    const auto run = [&memory](const std::string &configured, std::vector<Answer> answers) {
        auto bench = std::make_unique<LinkBench>(1, memory, sim::FaultPlan{});
        bench->ctx.Config.DscBasic.UserMmsi = configured;
        bench->ui.answers = std::move(answers);
        Program(*bench);
        return bench;
    };
    const auto declined = run("2112345600", {});
    ASSERT_EQ(declined->ui.messages.size(), 1u);
    EXPECT_EQ(declined->ui.messages[0].text,
              "This radio's MMSI is 366123456 (United States of America); the configuration would make it "
              "211234560 (Germany (Federal Republic of)).\r\nProgram anyway?");
    EXPECT_EQ(declined->ui.messages[0].buttons, Buttons::YesNoDefaultNo);
    EXPECT_TRUE(Lines(*declined, "#CEPWR").empty());
    EXPECT_EQ(declined->radio.memory(), memory);
    EXPECT_FALSE(declined->port.isOpen());

    const auto accepted = run("2112345600", {Answer::Yes});
    EXPECT_FALSE(Lines(*accepted, "#CEPWR").empty());
    EXPECT_EQ(accepted->radio.memory()[layout::kUserMmsi], 0x21);
    // The same MMSI, or a radio without one, is no question.
    EXPECT_EQ(run("3661234560", {})->messages().size(), 1u); // "Complete!!" alone
    auto blank = test::RadioMemory(1);
    LinkBench fresh(1, blank, {});
    fresh.ctx.Config.DscBasic.UserMmsi = "2112345600";
    EXPECT_EQ(Program(fresh), Outcome::Done);
}

} // namespace
} // namespace klt
