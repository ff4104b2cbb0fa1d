// Spreadsheet tables: what is exported imports back to the same records, and a bad row changes nothing.

#include "files/csv.h"
#include "files/table_csv.h"
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

} // namespace
} // namespace klt
