#include "app/model_state.h"
#include "app/report_file.h"
#include "app/reset.h"
#include "report/report_text.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

namespace klt {
namespace {

struct Program : test::TestProgram {
    using TestProgram::TestProgram;
    ReportInput input() const { return {ctx.Config, ctx.Image, ctx.CurrentModel, ctx.AtisAvailable}; }
    std::vector<std::string> lines() const {
        const std::string text = ComposeReportText(input());
        std::vector<std::string> result;
        std::size_t start = 0;
        for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
            result.push_back(text.substr(start, end - start));
        }
        result.push_back(text.substr(start));
        return result;
    }
};

std::size_t IndexOf(const std::vector<std::string> &lines, const std::string &line) {
    return static_cast<std::size_t>(std::find(lines.begin(), lines.end(), line) - lines.begin());
}

std::vector<std::string> Headings(const std::vector<std::string> &lines) {
    std::vector<std::string> headings;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].starts_with("#####")) {
            headings.push_back(lines[i]);
            EXPECT_TRUE(i == 0 || lines[i - 1].empty()) << lines[i];
        }
    }
    return headings;
}

TEST(ReportText, SectionsInOrderWithoutAtis) {
    const Program p(1);
    const std::string text = ComposeReportText(p.input());
    EXPECT_FALSE(text.starts_with("\r\n"));
    EXPECT_FALSE(text.ends_with("\r\n"));
    EXPECT_EQ(Headings(p.lines()),
              (std::vector<std::string>{
                  "##### Usable CH Group Setup #####", "##### Common Setup #####",
                  "##### DSC Setup (Basic Setup) #####", "##### DSC Setup (Advanced Setup) #####",
                  "##### DSC Setup (Display Setup) #####", "##### Programable USA Channel #####",
                  "##### Programable International Channel #####", "##### Programable Canada Channel #####",
                  "##### Programable Wx Channel #####", "##### Memory ID Setting #####",
                  "##### Group ID Setting #####", "##### Programable Exp Channel #####"}));
}

TEST(ReportText, AtisSectionOnlyWhereAvailable) {
    Program p(2, true);
    p.ctx.Config.Groups[1].StatusName = "INTL";
    p.ctx.Config.Atis.AtisCode = "9211234567";
    const auto lines = p.lines();
    const std::size_t atis = IndexOf(lines, "##### ATIS Setup (Common) #####");
    ASSERT_LT(atis, lines.size());
    EXPECT_EQ(lines[atis - 2], "POS Request ACK Menu:              Off               ");
    EXPECT_EQ(lines[atis + 1],
              std::string(35, ' ') + std::string(18, ' ') + "INTL              " + std::string(36, ' '));
    EXPECT_EQ(lines[atis + 3], "ATIS Code:                         9211234567        ");
}

TEST(ReportText, GroupRows) {
    Program p(3);
    p.ctx.Config.Groups[3].Usable = false;
    p.ctx.Config.Groups[0].StatusName = "USA";
    p.ctx.Config.Groups[2].PriorityCh = 241;
    auto lines = p.lines();
    EXPECT_EQ(lines[1], std::string(35, ' ') +
                            "Group1            Group2            Group3            EXP CH            ");
    EXPECT_EQ(lines[3],
              "Priority CH                        16                16                EXP2              ");
    EXPECT_EQ(lines[4],
              "Second CH                          09                09                09                ");
    EXPECT_EQ(lines[5], "Status Name                        USA               ----              ----         "
                        "     ----              ");
    EXPECT_EQ(lines[6],
              "EXP CH                             ---               ---               ---               ");
    p.ctx.Config.Groups[3].Usable = true;
    p.ctx.Config.Groups[3].ExpChGroup[1] = true;
    EXPECT_EQ(p.lines()[6],
              "EXP CH                             Off               On                Off               ");
    EXPECT_EQ(Program(1).lines()[4].substr(0, 11), "Status Name"); // no second channels but on the TQ-500
}

TEST(ReportText, DscBasicRows) {
    Program p(1);
    p.ctx.Config.DscBasic.UserMmsi = "3661234560"; // as the records keep it; people read nine digits
    p.ctx.Image.set(0x1A5, 1);
    const auto lines = p.lines();
    const std::size_t mmsi = IndexOf(lines, "User MMSI:                         366123456   ----- Count : 1");
    ASSERT_LT(mmsi, lines.size());
    EXPECT_EQ(lines[mmsi + 1], "Distress Cancel Call:              On                ");
    EXPECT_EQ(lines[mmsi + 2], "");
    EXPECT_EQ(lines[mmsi - 4], ":                                  On                  ");
    EXPECT_LT(IndexOf(lines, "Received Geografic:                On                "), lines.size());
}

TEST(ReportText, ChannelRowsAndEmptyTables) {
    Program p(1);
    p.ctx.Config.Usa[32].ScanMemory = true;
    p.ctx.Config.Usa[32].Scramble = 6;
    auto lines = p.lines();
    const std::size_t usa = IndexOf(lines, "##### Programable USA Channel #####");
    EXPECT_EQ(lines[usa + 1], "CH   RX(MHz)  TX(MHz)  TX  LOW  UP  DUP  MEM  VS  CH Name");
    EXPECT_EQ(lines[usa + 2], "---  -------  -------  --  ---  --  ---  ---  --  ------------");
    EXPECT_EQ(lines[usa + 3], "01A  156.050  156.050  TX  ---  --  ---  ---  --  VTS         ");
    EXPECT_LT(IndexOf(lines, "15   156.750  ---.---  --  ---  --  ---  ---  --  COMMERCIAL  "), lines.size());
    EXPECT_LT(IndexOf(lines, "16   156.800  156.800  TX  ---  --  ---  MEM  2   DISTRESS    "), lines.size());
    EXPECT_LT(IndexOf(lines, "20   161.600  157.000  TX  ---  --  DUP  ---  --  PORT OPR    "), lines.size());

    for (auto &record : p.ctx.Config.Canada) {
        record.Enable = false;
    }
    lines = p.lines();
    const std::size_t canada = IndexOf(lines, "##### Programable Canada Channel #####");
    EXPECT_EQ(lines[canada + 2], "---  -------  -------  --  ---  --  ---  ---  --  ------------");
    EXPECT_EQ(lines[canada + 3], "");
    EXPECT_EQ(lines[canada + 4], "##### Programable Wx Channel #####");
    EXPECT_EQ(lines[canada + 7], "1   ENABLE  ---  162.550MHZ  ");
}

TEST(ReportText, DirectoryAndExpansionRows) {
    Program p(1);
    p.ctx.Config.Individual[0] = {true, "HARBOUR", "3661234560", {}};
    auto &exp = p.ctx.Config.Expansion[1];
    exp = {};
    exp.Enable = true;
    exp.CHDisplayL = "9";
    exp.CHDisplayR = "B";
    exp.Rxfreq = 157.0130;
    exp.LowPower = true;
    exp.ChTag = "WORK";
    const auto lines = p.lines();
    const std::size_t memory = IndexOf(lines, "##### Memory ID Setting #####");
    EXPECT_EQ(lines[memory + 1], "No.  Station Name  MMSI");
    EXPECT_EQ(lines[memory + 3], "1    HARBOUR       366123456");
    EXPECT_EQ(lines[memory + 4], "2    ------------  ---------");
    EXPECT_EQ(lines[memory + 82], "80   ------------  ---------");
    const std::size_t group = IndexOf(lines, "##### Group ID Setting #####");
    EXPECT_EQ(group, memory + 84);
    EXPECT_EQ(lines[group + 1], "No.  Group Name    MMSI");
    const std::size_t expansion = IndexOf(lines, "##### Programable Exp Channel #####");
    EXPECT_EQ(lines[expansion + 4], "2   9 B  ENABLE  157.0100  ---.----  LOW  --  ---  --  WORK        ");
    EXPECT_EQ(lines.back().substr(0, 4), "64  ");
    EXPECT_DOUBLE_EQ(exp.Rxfreq, 157.0130); // showing snaps, the record keeps its value
}

// The report (and the PDF drawn from its rows) shows the same frequencies on a German desktop.
TEST(ReportText, TheSameUnderADecimalCommaLocale) {
    Program p(1);
    p.ctx.Config.Expansion[0].Enable = true;
    p.ctx.Config.Expansion[0].Rxfreq = 156.05;
    p.ctx.Config.Expansion[0].Txfreq = 161.425;
    const std::string plain = ComposeReportText(p.input());
    EXPECT_NE(plain.find("156.0500  161.4250"), std::string::npos);
    const test::DecimalCommaLocale german;
    ASSERT_TRUE(german.ok()) << "the de_DE.UTF-8 locale is missing: scripts/install-deps generates it";
    EXPECT_EQ(ComposeReportText(p.input()), plain);
}

TEST(ReportText, ThePrintedRenderingDiffersWhereItAlwaysHas) {
    Program p(1, true);
    p.ctx.Config.DscBasic.PosRequest = {false, true, false, true};
    const auto sections = ReportSections(p.input(), ReportRendering::Printed);
    ASSERT_EQ(sections.size(), 13u);
    EXPECT_FALSE(sections[4].pageBreakBefore);
    EXPECT_TRUE(sections[5].pageBreakBefore);
    EXPECT_FALSE(sections[5].pageHeader); // the ATIS page has no page header
    for (std::size_t i = 6; i < sections.size(); ++i) {
        EXPECT_TRUE(sections[i].pageBreakBefore && sections[i].pageHeader) << i;
    }
    EXPECT_EQ(sections[0].lines[4].substr(0, 11), "Status name");
    const auto &basic = sections[2].lines;
    EXPECT_NE(std::find(basic.begin(), basic.end(), "Stanby Mode:                       On                "),
              basic.end());
    EXPECT_NE(std::find(basic.begin(), basic.end(), "POS Reporting:                     On                "),
              basic.end());
    EXPECT_NE(std::find(basic.begin(), basic.end(), "Received Geographic:               On                "),
              basic.end());
    EXPECT_EQ(sections[9].lines[0], "##### Programable WX Channel #####");
    EXPECT_EQ(sections[10].lines[0], "##### Memory ID #####");
    EXPECT_EQ(sections[11].lines[0], "##### Group ID #####");
    EXPECT_EQ(sections[12].lines[0], "##### Programable EXP Channel #####");
}

TEST(ReportFile, SavedTextEndsWithOneLineEnd) {
    Program p(1);
    const auto path = p.folder.path() / "r.txt";
    const std::string text = CurrentReportText(p.ctx);
    ASSERT_TRUE(SaveReportFile(p.ctx, path, text));
    EXPECT_EQ(test::ReadFile(path), text + "\r\n");
    ASSERT_TRUE(SaveReportFile(p.ctx, path, text));
    EXPECT_EQ(test::ReadFile(path), text + "\r\n");
    EXPECT_FALSE(SaveReportFile(p.ctx, p.folder.path() / "none" / "r.txt", text));
    ASSERT_EQ(p.ui.messages.size(), 1u);
    EXPECT_EQ(p.ui.messages[0].title, "Print to File");
    EXPECT_EQ(p.ui.messages[0].icon, MessageIcon::Warning);
}

} // namespace
} // namespace klt
