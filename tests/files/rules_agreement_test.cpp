// One rule, three places: what the CSV import refuses, the check before programming names, and the
// rules the pages ask say so too.

#include "files/table_csv.h"
#include "model/channel_rules.h"
#include "model/configuration_check.h"
#include "model/reference_tables.h"
#include "support/random_config.h"

#include <gtest/gtest.h>

#include <functional>

namespace klt {
namespace {

const std::string kChannelHeader = "Group,CH,ENABLE,TX,LOW,UP,DUP,MEM,VS,CH Name\r\n";
const std::string kExpansionHeader =
    "CH,ENABLE,DISP,DISP suffix,RX[MHz],TX[MHz],LOW,UP,MEM,VS,CH Name,Group1,Group2,Group3\r\n";

Configuration Factory() {
    Configuration config = test::FactoryConfiguration(Model::Tq500);
    config.Weather = BuildTableFromList(BuildWeatherList(), false);
    return config;
}

// A channel of the USA plan that may transmit but has no duplex pair.
int SimplexPosition(const Configuration &config) {
    for (const ChannelRecord &r : config.Usa) {
        if (r.Enable && MayTransmit(r) && !MayDuplex(r)) {
            return r.Position;
        }
    }
    return -1;
}

std::string Label(int position) {
    return BuildMasterChannelList()[static_cast<std::size_t>(position)].Label;
}

struct Case {
    const char *rule;
    CsvTable table;
    std::string text;   // a file whose second line breaks the rule
    std::string column; // where the import refuses it
    std::string reason;
    std::function<void(Configuration &)> spoil; // the same break, made in the records
    std::string problem;                        // what the check then says
};

std::vector<Case> Cases(const Configuration &factory) {
    const int simplex = SimplexPosition(factory);
    const std::string seventeen = "SEVENTEEN LETTERS";
    return {
        {"channel 70 is never scanned", CsvTable::Channels,
         kChannelHeader + std::string("USA,70,1,0,0,0,0,1,Off,\r\n"), "MEM", "channel 70 is never scanned",
         [](Configuration &c) { c.Usa[kDscPosition].ScanMemory = true; },
         "USA 70: channel 70 is never scanned"},
        {"no scrambler on 16", CsvTable::Channels,
         kChannelHeader + std::string("INT,16,1,1,0,0,0,0,2,DISTRESS\r\n"), "VS",
         "channels 16 and 70 never take a scrambler",
         [](Configuration &c) { c.International[kDistressPosition].Scramble = 6; },
         "International 16: channels 16 and 70 never take a scrambler"},
        {"no transmit on 70", CsvTable::Channels, kChannelHeader + std::string("CAN,70,1,1,0,0,0,0,Off,\r\n"),
         "TX", "this channel only receives", [](Configuration &c) { c.Canada[kDscPosition].TxEnable = true; },
         "Canada 70: this channel only receives"},
        {"no duplex without a pair", CsvTable::Channels,
         kChannelHeader + "USA," + Label(simplex) + ",1,1,0,0,1,0,Off,\r\n", "DUP",
         "this channel has no duplex",
         [simplex](Configuration &c) { c.Usa[static_cast<std::size_t>(simplex)].Duplex = true; },
         "USA " + Label(simplex) + ": this channel has no duplex"},
        {"a plan channel's name", CsvTable::Channels,
         kChannelHeader + "USA,06,1,1,0,0,0,0,Off," + seventeen + "\r\n", "CH Name", "at most 16 characters",
         [seventeen](Configuration &c) { c.Usa[12].ChTag = seventeen; },
         "USA 06: the name longer than 16 characters"},
        {"a weather channel's name", CsvTable::Weather,
         "Weather CH,Enable,Scan Memory,CH Name\r\nWX01[162.550MHz],1,0," + seventeen + "\r\n", "CH Name",
         "at most 16 characters", [seventeen](Configuration &c) { c.Weather[0].ChTag = seventeen; },
         "Weather, channel 1: the name longer than 16 characters"},
        {"a station's name", CsvTable::IndividualDirectory, "Entry,MMSI,Name\r\n1,366100137,TWELVE CHARS\r\n",
         "Name", "at most 11 characters",
         [](Configuration &c) {
             c.Individual[0] = {true, "TWELVE CHARS", "3661001370", {}};
         },
         "Individual Directory, entry 1: the name longer than 11 characters"},
        {"an enabled expansion channel's frequency", CsvTable::Expansion,
         kExpansionHeader + std::string("3,1,12,,,,0,0,0,Off,,0,0,0\r\n"), "RX[MHz]",
         "an enabled channel needs its receive frequency",
         [](Configuration &c) { c.Expansion[2].Enable = true, c.Expansion[2].CHDisplayL = "12"; },
         "EXP Channel 3: enabled without a receive frequency"},
        {"an enabled expansion channel's figures", CsvTable::Expansion,
         kExpansionHeader + std::string("3,1,1,,156.025,,0,0,0,Off,,0,0,0\r\n"), "DISP",
         "two display figures expected",
         [](Configuration &c) {
             c.Expansion[2].Enable = true, c.Expansion[2].CHDisplayL = "1", c.Expansion[2].Rxfreq = 156.025;
         },
         "EXP Channel 3: enabled without its two display figures"},
        {"the raster", CsvTable::Expansion,
         kExpansionHeader + std::string("3,0,,,,156.0125,0,0,0,Off,,0,0,0\r\n"), "TX[MHz]",
         "137 to 174 MHz on the 25 kHz raster expected",
         [](Configuration &c) {
             c.Expansion[2] = {};
             c.Expansion[2].Enable = true, c.Expansion[2].CHDisplayL = "12", c.Expansion[2].Rxfreq = 156.025;
             c.Expansion[2].Txfreq = 156.0125;
         },
         "EXP Channel 3: the frequency 156.0125 MHz is not on the 25 kHz raster"},
    };
}

TEST(RulesAgree, WhatTheImportRefusesTheCheckNames) {
    const Configuration factory = Factory();
    ASSERT_GE(SimplexPosition(factory), 0);
    ASSERT_TRUE(CheckConfiguration(factory, Model::Tq500, true).empty());
    for (const Case &c : Cases(factory)) {
        Configuration imported = factory;
        const auto refused = ImportCsvTable(imported, c.table, c.text);
        ASSERT_TRUE(refused) << c.rule;
        EXPECT_EQ(refused->line, 2) << c.rule;
        EXPECT_EQ(refused->column, c.column) << c.rule;
        EXPECT_EQ(refused->reason, c.reason) << c.rule;
        EXPECT_EQ(imported, factory) << c.rule;

        Configuration spoiled = factory;
        c.spoil(spoiled);
        const auto problems = CheckConfiguration(spoiled, Model::Tq500, true);
        ASSERT_EQ(problems.size(), 1u) << c.rule;
        EXPECT_NE(problems[0].find(c.problem), std::string::npos) << c.rule << ": " << problems[0];
    }
}

// The other way round: what the import takes, the check passes.
TEST(RulesAgree, WhatTheImportTakesTheCheckPasses) {
    Configuration config = Factory();
    const std::string channels = kChannelHeader + std::string("USA,70,1,0,0,0,0,0,Off,DSC\r\n"
                                                              "USA,16,1,1,0,0,0,1,Off,DISTRESS\r\n"
                                                              "USA,20,1,1,1,1,1,1,3,SIXTEEN LETTERS.\r\n");
    ASSERT_FALSE(ImportCsvTable(config, CsvTable::Channels, channels));
    const std::string expansion =
        kExpansionHeader + std::string("3,1,2b,A,137.000,174.000,0,0,1,Off,,1,0,0\r\n");
    ASSERT_FALSE(ImportCsvTable(config, CsvTable::Expansion, expansion));
    ASSERT_FALSE(ImportCsvTable(config, CsvTable::IndividualDirectory,
                                "Entry,MMSI,Name\r\n1,366100137,ELEVEN CHRS\r\n"));
    EXPECT_EQ(CheckConfiguration(config, Model::Tq500, true), std::vector<std::string>{});
    EXPECT_TRUE(config.Usa[kDistressPosition].ScanMemory); // channel 16 may be scanned
    EXPECT_EQ(config.Usa[40].Scramble, ScramblerCode(4));
}

} // namespace
} // namespace klt
