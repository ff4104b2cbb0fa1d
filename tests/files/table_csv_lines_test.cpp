// The spreadsheet import's refusals at their edges: a channel named twice however the lines look, the
// display figures one character either side of what fits, an enabled channel's receive frequency, the
// numbers of entries not in use; and an export written out in full.

#include "files/table_csv.h"
#include "model/reference_tables.h"
#include "support/random_config.h"

#include <gtest/gtest.h>

namespace klt {
namespace {

const std::string kExpansionHeader =
    "CH,ENABLE,DISP,DISP suffix,RX[MHz],TX[MHz],LOW,UP,MEM,VS,CH Name,Group1,Group2,Group3\n";
const std::string kChannelHeader = "Group,CH,ENABLE,TX,LOW,UP,DUP,MEM,VS,CH Name\n";
const std::string kWeatherHeader = "Weather CH,Enable,Scan Memory,CH Name\n";

Configuration Defaults() {
    Configuration config = test::FactoryConfiguration(Model::Tq300);
    config.Weather = BuildTableFromList(BuildWeatherList(), false);
    return config;
}

// The import's verdict on text: empty when taken, else "line N, column C: reason". A refusal changes
// nothing.
std::string Verdict(CsvTable table, const std::string &text, Configuration config = Defaults()) {
    const Configuration before = config;
    const auto problem = ImportCsvTable(config, table, text);
    if (!problem) {
        return "";
    }
    EXPECT_EQ(config, before) << text;
    return DescribeCsvProblem(*problem);
}

TEST(TableCsvRepeats, ALineGivenTwiceIsRefusedEvenWordForWord) {
    const std::string line = "9,1,09,,156.4500,,0,0,0,Off,,0,0,0\n";
    EXPECT_EQ(Verdict(CsvTable::Expansion, kExpansionHeader + line + line),
              "line 3, column CH: already given on an earlier line");
    EXPECT_EQ(Verdict(CsvTable::Expansion, kExpansionHeader + line + "10,0,,,,,0,0,0,Off,,0,0,0\n" + line),
              "line 4, column CH: already given on an earlier line");
    const std::string weather = BuildWeatherList().at(2).Label + ",1,0,\n";
    EXPECT_EQ(Verdict(CsvTable::Weather, kWeatherHeader + weather + weather),
              "line 3, column Weather CH: already given on an earlier line");
    const std::string sixteen = "CAN,16,1,1,0,0,0,0,Off,DISTRESS\n";
    EXPECT_EQ(Verdict(CsvTable::Channels, kChannelHeader + sixteen + sixteen),
              "line 3, column CH: already given on an earlier line");
    // A whole table and then its first channel once more: the repeat is the table's last line.
    const std::string whole = ExportCsvTable(Defaults(), CsvTable::Expansion);
    EXPECT_EQ(Verdict(CsvTable::Expansion, whole + "1,0,,,,,0,0,0,Off,,0,0,0\r\n"),
              "line 66, column CH: already given on an earlier line");
}

// The same label in each group, and neighbouring labels across groups, are different channels.
TEST(TableCsvRepeats, TheSameChannelOfAnotherGroupIsAnotherChannel) {
    Configuration config = Defaults();
    ASSERT_EQ(Verdict(CsvTable::Channels, kChannelHeader +
                                              "USA,20,1,1,0,0,0,0,Off,A\nINT,20,1,1,0,0,0,0,Off,B\n"
                                              "CAN,20,1,1,0,0,0,0,Off,C\nINT,19,1,1,0,0,0,0,Off,D\n"
                                              "USA,21,1,1,0,0,0,0,Off,E\nCAN,19,1,1,0,0,0,0,Off,F\n"),
              "");
    const auto &weather = BuildWeatherList();
    std::string all = kWeatherHeader;
    for (const auto &entry : weather) {
        all += entry.Label + ",1,1,\n";
    }
    EXPECT_EQ(Verdict(CsvTable::Weather, all), "");
}

TEST(TableCsvDisplay, FiguresOneEitherSideOfWhatFits) {
    const auto line = [](const char *enable, const std::string &disp, const std::string &suffix) {
        return kExpansionHeader + "5," + enable + "," + disp + "," + suffix + ",156.2500,,0,0,0,Off,,0,0,0\n";
    };
    for (const char *enable : {"0", "1"}) {
        SCOPED_TRACE(std::string("ENABLE ") + enable);
        EXPECT_EQ(Verdict(CsvTable::Expansion, line(enable, "05", "")), "");
        EXPECT_EQ(Verdict(CsvTable::Expansion, line(enable, "05", "A")), "");
        EXPECT_EQ(Verdict(CsvTable::Expansion, line(enable, "05", "AL")),
                  "line 2, column DISP suffix: one display figure at most");
        EXPECT_EQ(Verdict(CsvTable::Expansion, line(enable, "05", "ALL")),
                  "line 2, column DISP suffix: one display figure at most");
        EXPECT_EQ(Verdict(CsvTable::Expansion, line(enable, "055", "")),
                  "line 2, column DISP: two display figures expected");
    }
    // Not in use, a channel may have fewer figures; in use, it needs both.
    EXPECT_EQ(Verdict(CsvTable::Expansion, line("0", "5", "")), "");
    EXPECT_EQ(Verdict(CsvTable::Expansion, line("0", "", "")), "");
    EXPECT_EQ(Verdict(CsvTable::Expansion, line("1", "5", "A")),
              "line 2, column DISP: two display figures expected");

    Configuration config = Defaults();
    ASSERT_EQ(ImportCsvTable(config, CsvTable::Expansion, line("1", "05", "A")), std::nullopt);
    EXPECT_EQ(config.Expansion[4].CHDisplayL, "05");
    EXPECT_EQ(config.Expansion[4].CHDisplayR, "A");
}

TEST(TableCsvReceive, AnEnabledChannelNeedsItsReceiveFrequency) {
    const auto line = [](const char *enable, const char *rx, const char *tx) {
        return kExpansionHeader + "5," + enable + ",05,," + rx + "," + tx + ",0,0,0,Off,,0,0,0\n";
    };
    const std::string refused = "line 2, column RX[MHz]: an enabled channel needs its receive frequency";
    EXPECT_EQ(Verdict(CsvTable::Expansion, line("1", "", "")), refused);
    EXPECT_EQ(Verdict(CsvTable::Expansion, line("1", "", "156.2500")), refused);
    EXPECT_EQ(Verdict(CsvTable::Expansion, line("1", "156.2500", "")), "");
    EXPECT_EQ(Verdict(CsvTable::Expansion, line("0", "", "")), "");
    EXPECT_EQ(Verdict(CsvTable::Expansion, line("0", "", "156.2500")), "");
    // A channel that had a frequency and is given none while enabled is refused the same.
    Configuration config = Defaults();
    config.Expansion[4].Enable = true;
    config.Expansion[4].CHDisplayL = "05";
    config.Expansion[4].Rxfreq = 156.25;
    EXPECT_EQ(Verdict(CsvTable::Expansion, line("1", "", ""), config), refused);
    // At the band's two ends the frequency is taken.
    EXPECT_EQ(Verdict(CsvTable::Expansion, line("1", "137.0000", "174.0000")), "");
    EXPECT_EQ(Verdict(CsvTable::Expansion, line("1", "174", "137")), "");
}

// What is stored for an entry not in use is not the file's number: the file's digits are taken whole.
TEST(TableCsvStaleNumbers, GroupEntriesNotInUseTakeTheFilesNumber) {
    Configuration config = Defaults();
    config.GroupDirectory[0] = {false, "OLD", "0366100135", {}};
    config.GroupDirectory[1] = {false, "STALE", "0366100270", {}};
    ASSERT_EQ(ImportCsvTable(config, CsvTable::GroupDirectory, "Entry,MMSI,Name\n1,36610013,FLEET\n"),
              std::nullopt);
    EXPECT_EQ(config.GroupDirectory[0], (DirectoryEntry{true, "FLEET", "0366100130", {}}));
    EXPECT_EQ(config.GroupDirectory[1], DirectoryEntry{});
    // In use, the same digits keep what the field does not show; other digits replace it.
    config.GroupDirectory[0].Mmsid = "0366100135";
    ASSERT_EQ(ImportCsvTable(config, CsvTable::GroupDirectory, "Entry,MMSI,Name\n1,36610013,FLEET\n"),
              std::nullopt);
    EXPECT_EQ(config.GroupDirectory[0].Mmsid, "0366100135");
    ASSERT_EQ(ImportCsvTable(config, CsvTable::GroupDirectory, "Entry,MMSI,Name\n1,36610014,FLEET\n"),
              std::nullopt);
    EXPECT_EQ(config.GroupDirectory[0].Mmsid, "0366100140");

    config.Individual[0] = {true, "SEA BREEZE", "3661001375", {}};
    ASSERT_EQ(
        ImportCsvTable(config, CsvTable::IndividualDirectory, "Entry,MMSI,Name\n1,366100138,SEA BREEZE\n"),
        std::nullopt);
    EXPECT_EQ(config.Individual[0].Mmsid, "3661001380");
}

// The expansion table as a file, every column told apart from its neighbours.
TEST(TableCsvExport, TheExpansionTableInFull) {
    Configuration config = Defaults();
    for (ChannelRecord &channel : config.Expansion) {
        channel = {};
    }
    ChannelRecord &first = config.Expansion[0];
    first.Enable = true;
    first.CHDisplayL = "01";
    first.Rxfreq = 137.0;
    first.Txfreq = 174.0;
    first.PowUp = true;
    first.ChTag = "PORT A";
    first.ExpCB = {false, true, false};
    ChannelRecord &last = config.Expansion[63];
    last.CHDisplayL = "9";
    last.CHDisplayR = "E";
    last.Rxfreq = 161.6;
    last.LowPower = last.ScanMemory = true;
    last.Scramble = 7;
    last.ChTag = "-DOCK";
    last.ExpCB = {false, false, true};

    std::string expected = "CH,ENABLE,DISP,DISP suffix,RX[MHz],TX[MHz],LOW,UP,MEM,VS,CH Name,Group1,Group2,"
                           "Group3\r\n1,1,01,,137.0000,174.0000,0,1,0,Off,PORT A,0,1,0\r\n";
    for (int ch = 2; ch <= 63; ++ch) {
        expected += std::to_string(ch) + ",0,,,,,0,0,0,Off,,0,0,0\r\n";
    }
    expected += "64,0,9,E,161.6000,,1,0,1,3,'-DOCK,0,0,1\r\n";
    EXPECT_EQ(ExportCsvTable(config, CsvTable::Expansion), expected);

    Configuration read = Defaults();
    ASSERT_EQ(ImportCsvTable(read, CsvTable::Expansion, expected), std::nullopt);
    EXPECT_EQ(read.Expansion, config.Expansion);
}

TEST(TableCsvExport, TheIndividualDirectoryInFull) {
    Configuration config = Defaults();
    config.Individual[0] = {true, "SEA BREEZE", "3661001370", {}};
    config.Individual[1] = {true, "SAY \"HI\"", "2111111110", {}};
    config.Individual[2] = {true, "", "2571234560", {}};
    EXPECT_EQ(ExportCsvTable(config, CsvTable::IndividualDirectory),
              "Entry,MMSI,Name\r\n1,366100137,SEA BREEZE\r\n2,211111111,\"SAY \"\"HI\"\"\"\r\n"
              "3,257123456,\r\n");
}

} // namespace
} // namespace klt
