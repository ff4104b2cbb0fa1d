#include "app/model_state.h"
#include "app/reset.h"
#include "app/settings_file_commands.h"
#include "base/error_log.h"
#include "files/section_table.h"
#include "files/settings_reader.h"
#include "files/settings_writer.h"
#include "support/random_config.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <system_error>

namespace klt {
namespace {

struct Program : test::TestProgram {
    using TestProgram::TestProgram;
    std::string text() const {
        return ComposeSettingsText(ctx.Config, ctx.CurrentModel, ctx.ModelName, ctx.AtisAvailable);
    }
};

std::vector<std::string> Lines(const std::string &text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "every line ends in CR LF";
    return lines;
}

std::size_t IndexOf(const std::vector<std::string> &lines, const std::string &line) {
    return static_cast<std::size_t>(std::find(lines.begin(), lines.end(), line) - lines.begin());
}

TEST(SettingsWriter, SectionsKeysAndEncodings) {
    Program p(3, true);
    p.ctx.Config.Usa[32].ChTag = "#16";
    p.ctx.Config.Groups[0].PriorityCh = -5;
    p.ctx.Config.Expansion[0].Rxfreq = 156.05;
    p.ctx.Config.Common.OffsetTime = -7;
    const auto lines = Lines(p.text());
    ASSERT_GE(lines.size(), 23u);
    EXPECT_EQ(
        std::vector<std::string>(lines.begin(), lines.begin() + 5),
        (std::vector<std::string>{"[MAIN]", "MODEL=#TQ-500", "TYPE=#KLT", "VERSION=#1.00", "MODELTYPE=3"}));
    EXPECT_EQ(lines[5], "[Usable CH Group Setup]");
    EXPECT_EQ(lines[6], "Group1=1");
    EXPECT_EQ(lines[9], "Exp CH=1");
    EXPECT_EQ(lines[10], "Priority CH 0=5");
    EXPECT_EQ(lines[14], "Second CH 0=18");
    EXPECT_EQ(lines[18], "Status name 0=");
    EXPECT_EQ(lines[22], "Exp Ch Group 0=False");
    EXPECT_LT(IndexOf(lines, "Offset Time=-7"), lines.size());
    EXPECT_LT(IndexOf(lines, "User MMSI=#"), lines.size());
    EXPECT_EQ(IndexOf(lines, "PosRequestTX0=0"), IndexOf(lines, "PosRequest0=1") + 1);
    EXPECT_EQ(IndexOf(lines, "PositionReport CallTX3=1"), IndexOf(lines, "[DSC Setup (Display Setup)]") - 1);
    EXPECT_EQ(IndexOf(lines, "Atis Code=#"), IndexOf(lines, "Usable ATIS CH Group3=1") + 1);
    EXPECT_EQ(IndexOf(lines, "[CHUSA0]"), IndexOf(lines, "DISP32=") + 1);
    const std::size_t channel16 = IndexOf(lines, "[CHUSA32]");
    EXPECT_EQ(
        std::vector<std::string>(lines.begin() + channel16, lines.begin() + channel16 + 11),
        (std::vector<std::string>{"[CHUSA32]", "Position=32", "Enable=1", "LowPower=0", "PowUp=0", "Duplex=0",
                                  "TxEnable=1", "DispayA=0", "ScanMemory=0", "Scramble=0", "ChTag=##16"}));
    EXPECT_EQ(lines[IndexOf(lines, "[CHWX0]") + 3], "ChTag=#162.550MHZ");
    EXPECT_EQ(IndexOf(lines, "[CHMMSID1]"), IndexOf(lines, "[CHWX9]") + 4);
    EXPECT_EQ(lines[IndexOf(lines, "[CHEXP1]") + 4], "Rxfreq=156.05");
    EXPECT_EQ(lines.back(), "ExpCB3=1");
    EXPECT_EQ(lines[lines.size() - 14], "[CHEXP64]");
}

TEST(SettingsWriter, SecondChannelsOnlyForTheTq500AndAtisOnlyWhereAvailable) {
    const std::string tq300 = Program(1).text();
    EXPECT_EQ(tq300.find("Second CH"), std::string::npos);
    EXPECT_EQ(tq300.find("[ATIS"), std::string::npos);
    EXPECT_NE(Program(3).text().find("Second CH 3="), std::string::npos);
    EXPECT_NE(Program(2, true).text().find("[ATIS Setup (Call Sign)]\r\nMID1="), std::string::npos);
}

// Whatever the writer writes, the reader gives back: reading a written file into a different
// configuration and writing it again gives the same text.
TEST(SettingsFile, WriteReadWriteGivesTheSameText) {
    for (const int model : {1, 2, 3}) {
        for (const bool atis : {false, true}) {
            for (unsigned seed = 1; seed <= 4; ++seed) {
                std::mt19937 random(seed * 31 + static_cast<unsigned>(model));
                Program p(model, atis);
                p.ctx.Config = test::RandomConfiguration(random, model);
                const std::string written = p.text();
                p.ctx.Config = test::RandomConfiguration(random, model);
                ApplySettingsTable(SectionTable::Parse(written), p.ctx.Config, ModelNo(model), atis);
                ASSERT_EQ(p.text(), written) << "model " << model << " atis " << atis << " seed " << seed;
            }
        }
    }
}

// A file that went through an editor may start with a UTF-8 byte order mark, or have CR CR LF line ends
// (an LF-to-CRLF conversion run on a file that had CRLF already); it still reads as it was written.
TEST(SettingsFile, AByteOrderMarkAndDoubledCarriageReturnsReadAsWritten) {
    std::mt19937 random(7);
    Program p(2, true);
    p.ctx.Config = test::RandomConfiguration(random, 2);
    const std::string written = p.text();
    std::string edited = "\xEF\xBB\xBF";
    for (const char c : written) {
        edited += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    ASSERT_NE(edited.find("\r\r\n"), std::string::npos);
    EXPECT_EQ(SettingsTextModel(edited), 2);
    p.ctx.Config = test::RandomConfiguration(random, 2);
    ApplySettingsTable(SectionTable::Parse(edited), p.ctx.Config, ModelNo(2), true);
    EXPECT_EQ(p.text(), written);
}

TEST(SettingsFile, OpenResetsThenAppliesAndNamesTheFile) {
    Program p(2, true);
    p.ctx.Config.Usa[10].ChTag = "SAVED";
    p.ctx.Config.Atis.AtisCode = "9211234567";
    p.ctx.Config.AtisCallSigns[31] = {"211", "LAST"};
    const auto path = p.folder.path() / "a.dat";
    ASSERT_TRUE(SaveSettingsAs(p.ctx, path));
    EXPECT_EQ(p.ctx.CurrentFilePath, path.string());

    Program q(2, true);
    q.folder.write("x", "");
    q.ctx.Config.Individual[0].TagName = "UNSAVED";
    ASSERT_TRUE(OpenSettingsFile(q.ctx, path, false));
    EXPECT_EQ(q.ctx.Config.Usa[10].ChTag, "SAVED");
    EXPECT_EQ(q.ctx.Config.Atis.AtisCode, "9211234567");
    EXPECT_EQ(q.ctx.Config.AtisCallSigns[31].Disp, "LAST");
    EXPECT_EQ(q.ctx.Config.Individual[0].TagName, "");
    EXPECT_EQ(q.ctx.CurrentFilePath, path.string());
    EXPECT_TRUE(q.ui.messages.empty());
}

TEST(SettingsFile, AFileOfAnotherModelChangesNothing) {
    Program p(1);
    const auto path = p.folder.write("b.dat", Program(3).text());
    p.ctx.Config.Usa[10].ChTag = "KEEP";
    p.ctx.CurrentFilePath = "before.dat";
    EXPECT_FALSE(OpenSettingsFile(p.ctx, path, false));
    EXPECT_EQ(p.ctx.Config.Usa[10].ChTag, "KEEP");
    EXPECT_EQ(p.ctx.CurrentFilePath, "before.dat");
    ASSERT_EQ(p.ui.messages.size(), 1u);
    EXPECT_EQ(p.ui.messages[0].text,
              "ModelType Error !!\r\n" + path.string() + ": the file is for the TQ-500, not the TQ-300");
    EXPECT_EQ(p.ui.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(p.ui.messages[0].title, "PC Program for TQ-300");
    EXPECT_FALSE(OpenSettingsFile(p.ctx, p.folder.path() / "missing.dat", false));
}

TEST(SettingsFile, SecondChannelsAreReadOnlyForTheTq500) {
    Program tq500(3);
    tq500.ctx.Config.Groups[1].SecondCh = 77;
    std::string text = tq500.text();
    const auto path = tq500.folder.write("c.dat", text);
    Program again(3);
    ASSERT_TRUE(OpenSettingsFile(again.ctx, path, false));
    EXPECT_EQ(again.ctx.Config.Groups[1].SecondCh, 77);

    text.replace(text.find("MODELTYPE=3"), 11, "MODELTYPE=1");
    Program tq300(1);
    ASSERT_TRUE(OpenSettingsFile(tq300.ctx, tq300.folder.write("d.dat", text), false));
    EXPECT_EQ(tq300.ctx.Config.Groups[1].SecondCh, 0);
}

TEST(SettingsFile, AHandWrittenFileReadsAsExpected) {
    Program p(1, true);
    p.ctx.Config.Usa[40].Duplex = false;
    ASSERT_TRUE(OpenSettingsFile(p.ctx, std::filesystem::path(KLT_TEST_DATA_DIR) / "hand_written_model1.dat",
                                 false, {}, FileNotes::Warn));
    const auto &c = p.ctx.Config;
    EXPECT_TRUE(c.Groups[1].Usable); // "True"
    EXPECT_FALSE(c.Groups[3].Usable);
    EXPECT_EQ(c.Groups[0].PriorityCh, 40);
    EXPECT_EQ(c.Groups[1].PriorityCh, 32);   // "abc" leaves the reset value
    EXPECT_EQ(c.Groups[0].StatusName, "US"); // a plain text loses its leading "#"
    EXPECT_EQ(c.Groups[1].StatusName, "IN=T");
    EXPECT_EQ(c.Groups[2].StatusName, "");
    EXPECT_TRUE(c.Groups[3].ExpChGroup[0]);
    EXPECT_TRUE(c.Groups[3].ExpChGroup[1]);
    EXPECT_FALSE(c.Groups[3].ExpChGroup[2]);
    EXPECT_FALSE(c.Common.Scan);
    EXPECT_EQ(c.Common.ResumeTime, 2);
    EXPECT_EQ(c.Common.OffsetTime, -7);
    EXPECT_EQ(c.Common.Sog, 1);
    EXPECT_EQ(c.DscBasic.UserMmsi, "366123456");
    EXPECT_TRUE(c.DscBasic.PosRequest[2]);
    EXPECT_TRUE(c.DscBasic.BeepOut[7]);
    EXPECT_TRUE(c.DscAdvanced.Calls[1].Tx[2]);

    // Channel 16: the later section with the same Position wins; a name starting with "#" survives.
    EXPECT_EQ(c.Usa[32].ChTag, "DISTRESS2");
    EXPECT_EQ(c.Usa[32].Scramble, 6);
    EXPECT_EQ(c.Usa[40].ChTag, "PORT=OPS");
    EXPECT_TRUE(c.Usa[40].Duplex);
    EXPECT_EQ(c.Usa[30].ChTag, "");
    EXPECT_FALSE(c.Usa[30].TxEnable);         // channel 15 is receive only
    EXPECT_FALSE(c.Usa[2].Enable);            // CHUSA5 is missing: CHUSA6 is never read
    EXPECT_FALSE(c.International[41].Duplex); // 20A has no duplex pair
    EXPECT_TRUE(c.International[41].Enable);

    EXPECT_FALSE(c.Weather[3].Enable);
    EXPECT_EQ(c.Weather[3].ChTag, "WX FOUR");
    EXPECT_EQ(c.Weather[2].ChTag, "162.475MHZ"); // absent sections keep the reset record
    EXPECT_TRUE(c.Individual[1].Enable);
    EXPECT_EQ(c.Individual[1].TagName, "HARBOUR");
    EXPECT_EQ(c.Individual[1].Mmsid, "003669999");
    EXPECT_EQ(c.Expansion[0].CHDisplayL, "9");
    EXPECT_DOUBLE_EQ(c.Expansion[0].Rxfreq, 157.125); // "," as the decimal separator
    EXPECT_DOUBLE_EQ(c.Expansion[0].Txfreq, 161.725);
    EXPECT_FALSE(c.Expansion[0].ExpCB[1]);
    EXPECT_TRUE(c.Expansion[0].ExpCB[0]);
    EXPECT_EQ(c.Atis.AtisCode, "9123456789");
    EXPECT_EQ(c.AtisCallSigns[0].Mid, ""); // no call-sign section: empty
}

// The lines of one section of a settings text, its header excluded.
std::vector<std::string> SectionLines(const std::string &text, const std::string &name) {
    const auto lines = Lines(text);
    auto line = std::find(lines.begin(), lines.end(), "[" + name + "]");
    std::vector<std::string> section;
    for (line = line == lines.end() ? line : line + 1; line != lines.end() && !line->starts_with("[");
         ++line) {
        section.push_back(*line);
    }
    return section;
}

// A file that holds every key of every kind of section, spelled by hand, with values the reset never
// gives: whatever the program reads from it, it writes back under the same keys in the same order.
TEST(SettingsFile, EveryKeySpelledByHandIsReadAndWrittenBack) {
    Program p(3, true);
    const auto path = std::filesystem::path(KLT_TEST_DATA_DIR) / "every_key_model3.dat";
    ASSERT_TRUE(OpenSettingsFile(p.ctx, path, false, {}, FileNotes::Warn));
    const std::string hand = test::ReadFile(path);
    const std::string written = p.text();
    for (const std::string name :
         {"MAIN", "Usable CH Group Setup", "Common Setup", "DSC Setup (Basic Setup)",
          "DSC Setup (Advanced Setup)", "DSC Setup (Display Setup)", "ATIS Setup (Common)",
          "ATIS Setup (Call Sign)", "CHWX0", "CHMMSID1", "CHGRPID1", "CHEXP1"}) {
        const auto expected = SectionLines(hand, name);
        ASSERT_FALSE(expected.empty()) << name;
        EXPECT_EQ(SectionLines(written, name), expected) << name;
    }
    // A plan channel's section is written under its position.
    EXPECT_EQ(SectionLines(written, "CHUSA40"), SectionLines(hand, "CHUSA0"));
}

TEST(SettingsFile, AtisSectionsAreReadOnlyWhereAtisIsAvailable) {
    Program without(1, false);
    ASSERT_TRUE(OpenSettingsFile(without.ctx,
                                 std::filesystem::path(KLT_TEST_DATA_DIR) / "hand_written_model1.dat", false,
                                 {}, FileNotes::Warn));
    EXPECT_EQ(without.ctx.Config.Atis.AtisCode, "");
}

// A file cut short, or with values the radio would not take, is opened only when the user says so,
// and nothing is replaced before; every value not taken is named, and none is wrapped into range.
TEST(SettingsFile, AFileCutShortOrWithValuesNotTakenAsksFirst) {
    Program p(1);
    std::string text = p.text();
    const auto put = [&text](const std::string &key, const std::string &value) {
        const auto at = text.find("\n" + key + "=") + 1;
        text.replace(at, text.find('\r', at) - at, key + "=" + value);
    };
    put("Resume Time", "256");
    put("SOG", "5 knots");
    const std::string cut = text.substr(0, text.find("[DSC Setup (Basic Setup)]"));
    const auto path = p.folder.write("cut.dat", cut);

    Program q(1);
    q.ctx.Config.Usa[10].ChTag = "KEEP";
    q.ctx.Config.Common.ResumeTime = 1;
    q.ui.answers = {Answer::No};
    EXPECT_FALSE(OpenSettingsFile(q.ctx, path, false));
    EXPECT_EQ(q.ctx.Config.Usa[10].ChTag, "KEEP");
    EXPECT_EQ(q.ctx.CurrentFilePath, "");
    ASSERT_EQ(q.ui.messages.size(), 1u);
    const std::string &asked = q.ui.messages[0].text;
    EXPECT_EQ(q.ui.messages[0].buttons, Buttons::YesNo);
    EXPECT_NE(asked.find("settings are missing from the file (it ends after [COMMON SETUP]) and keep their "
                         "defaults."),
              std::string::npos)
        << asked;
    EXPECT_NE(asked.find("[Common Setup] Resume Time=256: out of the radio's range"), std::string::npos)
        << asked;
    EXPECT_NE(asked.find("[Common Setup] SOG=5 knots: not a value it takes"), std::string::npos) << asked;

    q.ui.answers = {Answer::Yes};
    ASSERT_TRUE(OpenSettingsFile(q.ctx, path, false));
    EXPECT_EQ(q.ctx.Config.Common.ResumeTime, Program(1).ctx.Config.Common.ResumeTime);
    EXPECT_EQ(q.ctx.Config.Usa[10].ChTag, Program(1).ctx.Config.Usa[10].ChTag);

    // One key left out of a whole file: named as missing, and the file is not said to end early.
    std::string holed = Program(1).text();
    const auto key = holed.find("\nSOG=") + 1;
    holed.erase(key, holed.find('\n', key) + 1 - key);
    Program r(1);
    r.ui.answers = {Answer::Yes};
    ASSERT_TRUE(OpenSettingsFile(r.ctx, r.folder.write("holed.dat", holed), false));
    ASSERT_EQ(r.ui.messages.size(), 1u);
    EXPECT_NE(r.ui.messages[0].text.find("\r\n1 setting is missing from the file and keeps its default."),
              std::string::npos)
        << r.ui.messages[0].text;

    // A whole file with every value taken asks nothing.
    Program whole(1);
    ASSERT_TRUE(OpenSettingsFile(whole.ctx, whole.folder.write("whole.dat", Program(1).text()), false));
    EXPECT_TRUE(whole.ui.messages.empty());
}

TEST(SectionTable, ParsesAsTheProgramAlwaysHas) {
    const auto table = SectionTable::Parse(
        "junk\n[A]\nk = v \n=x\n[B\n[]\nafter=lost\n[ c ]\nK=#1\nK=2\n[A]\nlate=yes\nk=second\n"
        "text [x] here\nz=lost too\n[D]\r\nx==y\r\n");
    EXPECT_EQ(table.lookUp("a", "K"), " v ");
    EXPECT_EQ(table.lookUp("A", "late"), "yes");
    EXPECT_EQ(table.lookUp("A", "k"), " v "); // the first section that holds the key
    EXPECT_EQ(table.lookUp("C", "k"), "1");
    EXPECT_EQ(table.lookUp("A", "after"), "");
    EXPECT_EQ(table.lookUp("A", "z"), "");
    EXPECT_EQ(table.lookUp("D", "x"), "=y");
    EXPECT_TRUE(table.hasSection("c"));
    EXPECT_FALSE(table.hasSection("B"));
    EXPECT_EQ(table.sections().size(), 4u);
}

TEST(SettingsFile, AFailedSaveTellsAndLogs) {
    Program p(1);
    p.ctx.DebugMode = true;
    const auto target = p.folder.write("keep.dat", "earlier");
    const auto path = p.folder.path() / "no" / "such.dat";
    EXPECT_FALSE(SaveSettingsAs(p.ctx, path));
    EXPECT_EQ(p.ctx.CurrentFilePath, "");
    ASSERT_EQ(p.ui.messages.size(), 1u);
    EXPECT_EQ(p.ui.messages[0].text,
              "FileSave Error!!\r\n" + path.string() + ": " + std::generic_category().message(ENOENT));
    EXPECT_EQ(p.ui.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_NE(test::ReadFile(p.folder.path() / "err.log").find("frmMain.SaveFileAs -> 53File not found"),
              std::string::npos);
    EXPECT_EQ(test::ReadFile(target), "earlier");
}

TEST(SettingsFile, SaveNeverWritesTextIntoAnImageFile) {
    Program p(1);
    EXPECT_TRUE(SaveNeedsAName(p.ctx));
    p.ctx.CurrentFilePath = "/x/radio.HEX";
    EXPECT_TRUE(SaveNeedsAName(p.ctx));
    p.ctx.CurrentFilePath = "/x/radio.dat";
    EXPECT_FALSE(SaveNeedsAName(p.ctx));
}

} // namespace
} // namespace klt
