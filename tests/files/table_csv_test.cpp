// Spreadsheet tables: what is exported imports back to the same records, and a bad row changes nothing.

#include "files/csv.h"
#include "files/table_csv.h"
#include "model/channel_rules.h"
#include "model/reference_tables.h"
#include "support/random_config.h"

#include <gtest/gtest.h>

namespace klt {
namespace {

constexpr CsvTable kTables[] = {CsvTable::IndividualDirectory, CsvTable::GroupDirectory, CsvTable::Expansion,
                                CsvTable::Weather, CsvTable::Channels};

Configuration Defaults() {
    return test::FactoryConfiguration(Model::Tq300);
}

// A random configuration held to the pages' rules where the radio's memory is looser than they are.
Configuration PageValid(Configuration config) {
    const std::string display = "0123456789AbCdEFHLnPtUGIJoqrSyM";
    for (std::size_t i = 0; i < config.Expansion.size(); ++i) {
        ChannelRecord &r = config.Expansion[i];
        r.CHDisplayL = {display[i % display.size()], display[(i * 7) % display.size()]};
        r.CHDisplayR = i % 3 == 0 ? "" : std::string(1, display[i % display.size()]);
        r.Rxfreq = 156.025 + 0.025 * static_cast<double>(i);
        r.Txfreq = i % 4 == 0 ? 0.0 : r.Rxfreq;
    }
    return config;
}

TEST(TableCsv, ExportThenImportGivesTheSameTables) {
    std::mt19937 random(7);
    for (int round = 0; round < 10; ++round) {
        const Configuration full = PageValid(test::RandomConfiguration(random, 1));
        for (const CsvTable table : kTables) {
            const std::string text = ExportCsvTable(full, table);
            Configuration target = test::RandomConfiguration(random, 1);
            const auto problem = ImportCsvTable(target, table, text);
            ASSERT_FALSE(problem) << CsvTableName(table) << ": " << DescribeCsvProblem(*problem) << "\n"
                                  << text;
            EXPECT_EQ(ExportCsvTable(target, table), text) << CsvTableName(table);
            // Importing a table's own export changes nothing, not even bits the pages hide.
            Configuration same = full;
            ASSERT_FALSE(ImportCsvTable(same, table, text));
            EXPECT_EQ(same, full) << CsvTableName(table);
        }
    }
}

TEST(TableCsv, EmptyDirectoriesEmptyTheTarget) {
    const Configuration empty = Defaults();
    std::mt19937 random(3);
    Configuration target = test::RandomConfiguration(random, 1);
    target.Individual[0] = {true, "SEA BREEZE", "3661001370", {}};
    for (const CsvTable table : {CsvTable::IndividualDirectory, CsvTable::GroupDirectory}) {
        EXPECT_EQ(ExportCsvTable(empty, table), "Entry,MMSI,Name\r\n");
        ASSERT_FALSE(ImportCsvTable(target, table, ExportCsvTable(empty, table)));
    }
    EXPECT_FALSE(target.Individual[0].Enable);
    EXPECT_TRUE(target.Individual[0].TagName.empty());
    EXPECT_FALSE(target.GroupDirectory[0].Enable);
}

std::string FullGroupDirectory() {
    std::string text = "Entry,MMSI,Name\n";
    for (int i = 1; i <= 32; ++i) {
        text += std::to_string(i) + ",366000" + (i < 10 ? "0" : "") + std::to_string(i) + ",G" +
                std::to_string(i) + "\n";
    }
    return text;
}

// What spreadsheets do to a file: rows sorted another way, an empty last column.
TEST(TableCsv, SortedRowsAndATrailingEmptyColumnAreTaken) {
    Configuration config = Defaults();
    ASSERT_FALSE(ImportCsvTable(config, CsvTable::IndividualDirectory,
                                "Entry,MMSI,Name,\n2,366100274,OSPREY,\n1,366100137,SEA BREEZE,\n"));
    EXPECT_EQ(config.Individual[0].TagName, "SEA BREEZE");
    EXPECT_EQ(config.Individual[1].TagName, "OSPREY");
    ASSERT_FALSE(ImportCsvTable(config, CsvTable::GroupDirectory, FullGroupDirectory()));
    EXPECT_EQ(config.GroupDirectory[31].TagName, "G32");
}

TEST(TableCsv, TheFirstBadRowIsNamedAndNothingChanges) {
    Configuration config = Defaults();
    const Configuration before = config;
    const struct {
        CsvTable table;
        std::string text;
        int line;
        std::string column;
    } cases[] = {
        {CsvTable::IndividualDirectory, "Entry,MMSI,Name\r\n1,366100137,A\r\n2,36610027,B\r\n3,x,C\r\n", 3,
         "MMSI"},
        {CsvTable::IndividualDirectory, "Entry,MMSI,Name\n1,366100137,A\n3,366100274,B\n", 3, "Entry"},
        {CsvTable::IndividualDirectory, "Entry,MMSI,Name\n1,366100137,TWELVE CHARS\n", 2, "Name"},
        {CsvTable::IndividualDirectory, "Entry,MMSI,Name\n1,366100137,\"SEA\nBREEZE\"\n", 2, "Name"},
        {CsvTable::GroupDirectory, "Entry,MMSI,Name\n1,366100137,A\n", 2, "MMSI"},
        {CsvTable::IndividualDirectory, "Entry,Name,MMSI\n", 1, ""},
        {CsvTable::Expansion, ExportCsvTable(config, CsvTable::Expansion) + "65,0,,,,,0,0,0,Off,,0,0,0\n", 66,
         "CH"},
        {CsvTable::Expansion,
         "CH,ENABLE,DISP,DISP suffix,RX[MHz],TX[MHz],LOW,UP,MEM,VS,CH Name,Group1,Group2,Group3\n"
         "5,1,01,,156.0123,,0,0,0,Off,,0,0,0\n",
         2, "RX[MHz]"},
        {CsvTable::Channels, "Group,CH,ENABLE,TX,LOW,UP,DUP,MEM,VS,CH Name\nUSA,16,1,1,0,0,0,0,2,DISTRESS\n",
         2, "VS"},
        {CsvTable::Weather, "Weather CH,Enable,Scan Memory,CH Name\nWX99,1,0,\n", 2, "Weather CH"},
        {CsvTable::GroupDirectory, FullGroupDirectory() + "33,36600033,G33\n", 34, "Entry"},
        {CsvTable::Expansion,
         "CH,ENABLE,DISP,DISP suffix,RX[MHz],TX[MHz],LOW,UP,MEM,VS,CH Name,Group1,Group2,Group3\n"
         "5,1,01,,156.050abc,,0,0,0,Off,,0,0,0\n",
         2, "RX[MHz]"},
        {CsvTable::IndividualDirectory, "Entry,MMSI,Name\n1,366100137,\"OPEN\n", 2, ""},
    };
    for (const auto &c : cases) {
        const auto problem = ImportCsvTable(config, c.table, c.text);
        ASSERT_TRUE(problem) << c.text;
        EXPECT_EQ(problem->line, c.line) << c.text;
        EXPECT_EQ(problem->column, c.column) << c.text << DescribeCsvProblem(*problem);
        EXPECT_EQ(config, before);
    }
}

// The lines of an export, without their CR LF.
std::vector<std::string> Lines(const std::string &text) {
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
        const auto end = text.find("\r\n", at);
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

TEST(TableCsv, ExportsWriteEachTableAsTheDocumentShowsIt) {
    Configuration config = Defaults();
    config.Individual[0] = {true, "SEA BREEZE", "3661001370", {}};
    config.Individual[1] = {true, "HARBOUR, W", "3661002740", {}};
    config.Individual[3] = {true, "AFTER A GAP", "3661003370", {}}; // not in use: the directory is packed
    config.GroupDirectory[0] = {true, "FLEET", "0366100130", {}};
    EXPECT_EQ(ExportCsvTable(config, CsvTable::IndividualDirectory),
              "Entry,MMSI,Name\r\n1,366100137,SEA BREEZE\r\n2,366100274,\"HARBOUR, W\"\r\n");
    EXPECT_EQ(ExportCsvTable(config, CsvTable::GroupDirectory), "Entry,MMSI,Name\r\n1,36610013,FLEET\r\n");

    config.Weather = BuildTableFromList(BuildWeatherList(), false);
    config.Weather[1].Enable = true;
    config.Weather[1].ScanMemory = true;
    config.Weather[1].ChTag = "NOAA \xC4"; // the radio's single byte comes out as UTF-8
    const auto weather = Lines(ExportCsvTable(config, CsvTable::Weather));
    ASSERT_EQ(weather.size(), 11u);
    EXPECT_EQ(weather[0], "Weather CH,Enable,Scan Memory,CH Name");
    EXPECT_EQ(weather[2], "WX02[162.400MHz],1,1,NOAA \xC3\x84");

    ChannelRecord &exp = config.Expansion[1];
    exp = {};
    exp.Enable = exp.LowPower = exp.ScanMemory = true;
    exp.CHDisplayL = "2b";
    exp.CHDisplayR = "A";
    exp.Rxfreq = 156.025;
    exp.Scramble = 7;
    exp.ChTag = "HARBOUR";
    exp.ExpCB = {true, false, true};
    config.Expansion[2] = {};
    config.Expansion[2].Scramble = 2; // no entry of the list: shown as off
    const auto expansion = Lines(ExportCsvTable(config, CsvTable::Expansion));
    ASSERT_EQ(expansion.size(), 65u);
    EXPECT_EQ(expansion[0],
              "CH,ENABLE,DISP,DISP suffix,RX[MHz],TX[MHz],LOW,UP,MEM,VS,CH Name,Group1,Group2,Group3");
    EXPECT_EQ(expansion[2], "2,1,2b,A,156.0250,,1,0,1,3,HARBOUR,1,0,1");
    EXPECT_EQ(expansion[3], "3,0,,,,,0,0,0,Off,,0,0,0");

    // What a plan channel may not have is written as off, whatever the record holds.
    ChannelRecord &seventy = config.Usa[kDscPosition];
    seventy.Enable = true;
    seventy.TxEnable = seventy.ScanMemory = seventy.Duplex = true;
    seventy.LowPower = seventy.PowUp = false;
    seventy.Scramble = 5;
    seventy.ChTag = "DSC";
    ChannelRecord &sixteen = config.Canada[kDistressPosition];
    sixteen.Enable = sixteen.TxEnable = sixteen.ScanMemory = true;
    sixteen.LowPower = sixteen.PowUp = sixteen.Duplex = false;
    sixteen.Scramble = 4;
    sixteen.ChTag = "DISTRESS";
    const auto channels = Lines(ExportCsvTable(config, CsvTable::Channels));
    ASSERT_EQ(channels.size(), 1u + 3u * static_cast<std::size_t>(kMasterChannelCount));
    EXPECT_EQ(channels[0], "Group,CH,ENABLE,TX,LOW,UP,DUP,MEM,VS,CH Name");
    EXPECT_EQ(channels[1 + kDscPosition], "USA,70,1,0,0,0,0,0,Off,DSC");
    EXPECT_EQ(channels[1 + 2 * kMasterChannelCount + kDistressPosition], "CAN,16,1,1,0,0,0,1,Off,DISTRESS");
}

struct Refused {
    CsvTable table;
    std::string text;
    int line;
    std::string column;
    std::string reason;
};

void ExpectRefusals(const std::vector<Refused> &cases) {
    for (const auto &c : cases) {
        Configuration config = Defaults();
        config.Weather = BuildTableFromList(BuildWeatherList(), false);
        const Configuration before = config;
        const auto problem = ImportCsvTable(config, c.table, c.text);
        ASSERT_TRUE(problem) << c.text;
        EXPECT_EQ(DescribeCsvProblem(*problem), DescribeCsvProblem({c.line, c.column, c.reason})) << c.text;
        EXPECT_EQ(config, before) << c.text;
    }
}

const std::string kExpansionHeader =
    "CH,ENABLE,DISP,DISP suffix,RX[MHz],TX[MHz],LOW,UP,MEM,VS,CH Name,Group1,Group2,Group3\n";
const std::string kChannelHeader = "Group,CH,ENABLE,TX,LOW,UP,DUP,MEM,VS,CH Name\n";
const std::string kWeatherHeader = "Weather CH,Enable,Scan Memory,CH Name\n";

TEST(TableCsv, ALineGivenTwiceIsRefused) {
    ExpectRefusals({
        {CsvTable::Weather,
         kWeatherHeader + "WX01[162.550MHz],1,0,\nWX02[162.400MHz],1,0,\nWX01[162.550MHz],0,0,\n", 4,
         "Weather CH", "already given on an earlier line"},
        {CsvTable::Expansion, kExpansionHeader + "7,0,,,,,0,0,0,Off,,0,0,0\n7,0,,,,,0,0,1,Off,,0,0,0\n", 3,
         "CH", "already given on an earlier line"},
        // The same channel written another way is the same channel.
        {CsvTable::Expansion, kExpansionHeader + "7,0,,,,,0,0,0,Off,,0,0,0\n07,0,,,,,0,0,1,Off,,0,0,0\n", 3,
         "CH", "already given on an earlier line"},
        {CsvTable::Channels,
         kChannelHeader + "USA,20,1,1,0,0,0,0,Off,\nINT,20,1,1,0,0,0,0,Off,\nUSA,20,0,1,0,0,0,0,Off,\n", 4,
         "CH", "already given on an earlier line"},
        {CsvTable::IndividualDirectory, "Entry,MMSI,Name\n1,366100137,A\n1,366100274,B\n", 3, "Entry",
         "2 expected: entries are numbered from 1 without gaps"},
    });
}

TEST(TableCsv, DisplayFiguresAndTheEnabledChannelsNeeds) {
    ExpectRefusals({
        {CsvTable::Expansion, kExpansionHeader + "3,0,12,AL,,,0,0,0,Off,,0,0,0\n", 2, "DISP suffix",
         "one display figure at most"},
        {CsvTable::Expansion, kExpansionHeader + "3,0,12,B,,,0,0,0,Off,,0,0,0\n", 2, "DISP suffix",
         "the radio's display cannot show \"B\""},
        {CsvTable::Expansion, kExpansionHeader + "3,0,123,,,,0,0,0,Off,,0,0,0\n", 2, "DISP",
         "two display figures expected"},
        {CsvTable::Expansion, kExpansionHeader + "3,1,,,156.025,,0,0,0,Off,,0,0,0\n", 2, "DISP",
         "two display figures expected"},
        {CsvTable::Expansion, kExpansionHeader + "3,1,12,,,156.025,0,0,0,Off,,0,0,0\n", 2, "RX[MHz]",
         "an enabled channel needs its receive frequency"},
        // With two faults on a line, the first column from the left is named.
        {CsvTable::Expansion, kExpansionHeader + "3,1,1,B,,,0,0,0,Off,,0,0,0\n", 2, "DISP",
         "two display figures expected"},
    });
    // Not in use, a channel needs neither; one figure and no suffix are taken as they are.
    Configuration config = Defaults();
    ASSERT_FALSE(ImportCsvTable(config, CsvTable::Expansion,
                                kExpansionHeader +
                                    "3,0,1,,,,0,0,0,Off,,0,0,0\n4,1,o5,,174.000,137,0,0,0,Off,,0,0,0\n"));
    EXPECT_EQ(config.Expansion[2].CHDisplayL, "1");
    EXPECT_EQ(config.Expansion[2].Rxfreq, 0.0);
    EXPECT_EQ(config.Expansion[3].CHDisplayR, "");
    EXPECT_DOUBLE_EQ(config.Expansion[3].Rxfreq, 174.0);
    EXPECT_DOUBLE_EQ(config.Expansion[3].Txfreq, 137.0);
}

TEST(TableCsv, RefusalsSayWhy) {
    ExpectRefusals({
        {CsvTable::Weather, kWeatherHeader + "WX01[162.550MHz],yes,0,\n", 2, "Enable", "1 or 0 expected"},
        {CsvTable::Weather, kWeatherHeader + "WX01[162.550MHz],1,0,NOAA_1\n", 2, "CH Name",
         "the radio cannot show \"_\""},
        {CsvTable::Weather,
         kWeatherHeader + "WX01[162.550MHz],1,0,\xE2\x82\xAC"
                          "1\n",
         2, "CH Name", "a character the radio cannot show"},
        {CsvTable::Weather, kWeatherHeader + "WX01[162.550MHz],1,0,BACK\bSPACE\n", 2, "CH Name",
         "the radio cannot show \"\b\""},
        {CsvTable::Expansion, kExpansionHeader + "3,0,,,,,0,0,0,4,,0,0,0\n", 2, "VS",
         "Off, 0, 1, 2 or 3 expected"},
        {CsvTable::Expansion, kExpansionHeader + "3,0,,,174.025,,0,0,0,Off,,0,0,0\n", 2, "RX[MHz]",
         "137 to 174 MHz on the 25 kHz raster expected"},
        {CsvTable::Expansion, kExpansionHeader + "3,0,,,,136.975,0,0,0,Off,,0,0,0\n", 2, "TX[MHz]",
         "137 to 174 MHz on the 25 kHz raster expected"},
        {CsvTable::Expansion, kExpansionHeader + "0,0,,,,,0,0,0,Off,,0,0,0\n", 2, "CH", "1 to 64 expected"},
        {CsvTable::Channels, kChannelHeader + "US,20,1,1,0,0,0,0,Off,\n", 2, "Group",
         "USA, INT or CAN expected"},
        {CsvTable::Channels, kChannelHeader + "USA,20B,1,1,0,0,0,0,Off,\n", 2, "CH",
         "no such channel in the group"},
        {CsvTable::GroupDirectory, "Entry,MMSI,Name\n1,366100137,A\n", 2, "MMSI", "8 digits expected"},
        {CsvTable::IndividualDirectory, "Entry,MMSI,Name\n1,366100137\n", 2, "",
         "3 fields expected, 2 found"},
        {CsvTable::IndividualDirectory, "Entry,Name,MMSI\n", 1, "", "the first line must be Entry,MMSI,Name"},
    });
}

// An entry not in use holds no number of its own: a stale one is never taken for the file's digits.
TEST(TableCsv, DisabledEntriesDoNotKeepStaleNumbers) {
    Configuration config = Defaults();
    config.Individual[0] = {false, "OLD", "3661001375", {}};
    config.Individual[1] = {false, "OLDER", "3661002745", {}};
    config.Individual[1].Members[4] = true;
    config.Individual[2] = {false, "STALE", "3661003370", {}};
    ASSERT_FALSE(ImportCsvTable(config, CsvTable::IndividualDirectory,
                                "Entry,MMSI,Name\n1,366100137,SEA BREEZE\n2,366100274,OSPREY\n"));
    EXPECT_EQ(config.Individual[0], (DirectoryEntry{true, "SEA BREEZE", "3661001370", {}}));
    EXPECT_EQ(config.Individual[1].Mmsid, "3661002740");
    EXPECT_TRUE(config.Individual[1].Members[4]); // the members are not the file's
    EXPECT_EQ(config.Individual[2], DirectoryEntry{});

    // In use, the same digits keep the stored number with the digit the field does not show.
    config.Individual[0].Mmsid = "3661001375";
    ASSERT_FALSE(
        ImportCsvTable(config, CsvTable::IndividualDirectory, "Entry,MMSI,Name\n1,366100137,SEA BREEZE\n"));
    EXPECT_EQ(config.Individual[0].Mmsid, "3661001375");
    EXPECT_FALSE(config.Individual[1].Enable);
}

TEST(Csv, QuotesLineBreaksAndTheRadiosCharacters) {
    const std::string line = CsvLine({"a,b", "say \"hi\"", "two\r\nlines", "\xC4"});
    int openLine = 0;
    const auto records = ParseCsv("\xEF\xBB\xBF" + line + "\n\nlast", openLine);
    ASSERT_TRUE(records);
    ASSERT_EQ(records->size(), 2u);
    EXPECT_EQ((*records)[0].fields, (std::vector<std::string>{"a,b", "say \"hi\"", "two\r\nlines", "\xC4"}));
    EXPECT_EQ((*records)[1].line, 5);
    EXPECT_FALSE(ParseCsv("a\nb,\"open", openLine));
    EXPECT_EQ(openLine, 2);
    EXPECT_EQ(Utf8FromLatin1("\xC4"), "\xC3\x84");
    EXPECT_EQ(Latin1FromUtf8("\xC3\x84"), "\xC4");
    EXPECT_FALSE(Latin1FromUtf8("\xE2\x82\xAC")); // the euro sign has no place in the radio's characters
}

// Every kind of line end a spreadsheet saves: CR LF, LF, and CR alone; a line number counts each.
TEST(Csv, CarriageReturnsAloneEndLinesToo) {
    int openLine = 0;
    const auto records =
        ParseCsv("Entry,MMSI,Name\r1,366100137,\"TWO\rLINES\"\r2,366100274,OSPREY\r", openLine);
    ASSERT_TRUE(records);
    ASSERT_EQ(records->size(), 3u);
    EXPECT_EQ((*records)[1].fields, (std::vector<std::string>{"1", "366100137", "TWO\rLINES"}));
    EXPECT_EQ((*records)[2].line, 4);
    Configuration config;
    EXPECT_FALSE(ImportCsvTable(config, CsvTable::IndividualDirectory,
                                "Entry,MMSI,Name\r1,366100137,SEA BREEZE\r2,366100274,OSPREY\r"));
    EXPECT_EQ(config.Individual[1].TagName, "OSPREY");
}

// A name a spreadsheet would run as a formula goes out behind an apostrophe and comes back without it.
TEST(CsvTables, NamesThatLookLikeFormulasAreNotRunByASpreadsheet) {
    Configuration config;
    config.Individual[0] = {true, "+MARINA", "3661234560", {}};
    config.Individual[1] = {true, "-DOCK", "2111111110", {}};
    config.Individual[2] = {true, "PIER-7", "2571234560", {}};
    const std::string csv = ExportCsvTable(config, CsvTable::IndividualDirectory);
    EXPECT_EQ(csv, "Entry,MMSI,Name\r\n1,366123456,'+MARINA\r\n2,211111111,'-DOCK\r\n3,257123456,PIER-7\r\n");
    Configuration read;
    ASSERT_FALSE(ImportCsvTable(read, CsvTable::IndividualDirectory, csv));
    EXPECT_EQ(read.Individual[0].TagName, "+MARINA");
    EXPECT_EQ(read.Individual[1].TagName, "-DOCK");
    EXPECT_EQ(read.Individual[2].TagName, "PIER-7");
    // Typed without the apostrophe, the name reads as it stands.
    ASSERT_FALSE(
        ImportCsvTable(read, CsvTable::IndividualDirectory, "Entry,MMSI,Name\r\n1,366123456,+MARINA\r\n"));
    EXPECT_EQ(read.Individual[0].TagName, "+MARINA");
}

} // namespace
} // namespace klt
