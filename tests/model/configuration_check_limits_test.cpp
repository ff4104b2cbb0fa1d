// The check before programming at its edges: every value exactly at its limit passes, one past it is
// named; and the problems a configuration seldom has are named too.

#include "model/channel_rules.h"
#include "model/configuration_check.h"
#include "model/reference_tables.h"
#include "support/random_config.h"

#include <gtest/gtest.h>

#include <functional>

namespace klt {
namespace {

// The factory's configuration, with the weather channels a destination brings.
Configuration Factory() {
    Configuration config = test::FactoryConfiguration(Model::Tq500);
    config.Weather = BuildTableFromList(BuildWeatherList(), false);
    return config;
}

std::string Joined(const std::vector<std::string> &problems) {
    std::string text;
    for (const auto &problem : problems) {
        text += problem + "\n";
    }
    return text;
}

void EnableExpansion(Configuration &c, std::size_t i, double rx, double tx) {
    ChannelRecord &channel = c.Expansion[i];
    channel.Enable = true;
    channel.CHDisplayL = "12";
    channel.CHDisplayR = "A";
    channel.Rxfreq = rx;
    channel.Txfreq = tx;
    channel.Scramble = 0;
}

TEST(ConfigurationCheckLimits, ValuesAtTheirLimitsPass) {
    const struct {
        const char *what;
        std::function<void(Configuration &)> set;
    } cases[] = {
        {"status names of four characters",
         [](Configuration &c) {
             for (auto &group : c.Groups) {
                 group.StatusName = "ABCD";
             }
         }},
        {"channel names of sixteen characters",
         [](Configuration &c) {
             c.Usa[5].ChTag = "ABCDEFGHIJKLMNOP";
             c.Weather[0].ChTag = "ABCDEFGHIJKLMNOP";
             c.Expansion[0].ChTag = "ABCDEFGHIJKLMNOP";
         }},
        {"the band's lowest and highest frequencies",
         [](Configuration &c) {
             EnableExpansion(c, 0, 137.0, 174.0);
             EnableExpansion(c, 1, 174.0, 137.0);
             EnableExpansion(c, 63, 156.025, 0.0); // receive only
         }},
        {"every individual entry in use, names of eleven characters",
         [](Configuration &c) {
             for (std::size_t i = 0; i < c.Individual.size(); ++i) {
                 char digits[16];
                 std::snprintf(digits, sizeof digits, "366%06zu0", 100000 + i);
                 c.Individual[i] = {true, "ABCDEFGHIJK", digits, {}};
             }
         }},
        {"every group entry in use",
         [](Configuration &c) {
             for (std::size_t i = 0; i < c.GroupDirectory.size(); ++i) {
                 char digits[16];
                 std::snprintf(digits, sizeof digits, "0366%05zu0", 10000 + i);
                 c.GroupDirectory[i] = {true, "ABCDEFGHIJK", digits, {}};
             }
         }},
        {"no user MMSI yet", [](Configuration &c) { c.DscBasic.UserMmsi = ""; }},
        {"an ATIS code sent by the expansion group alone",
         [](Configuration &c) {
             c.Atis.AtisCode = "9211234567";
             c.Atis.UsableAtisChGroup = {};
             c.Groups[3].Usable = true;
             c.Atis.UsableAtisChGroup[3] = true;
         }},
        {"a group not in use whose distress channel is off",
         [](Configuration &c) {
             c.Groups[1].Usable = false;
             c.International[kDistressPosition].Enable = false;
             c.Canada[kDistressPosition].TxEnable = false;
             c.Groups[2].Usable = false;
         }},
    };
    for (const auto &c : cases) {
        Configuration config = Factory();
        c.set(config);
        EXPECT_EQ(Joined(CheckConfiguration(config, Model::Tq500, true)), "") << c.what;
    }
}

TEST(ConfigurationCheckLimits, OnePastTheLimitIsNamed) {
    const struct {
        std::function<void(Configuration &)> spoil;
        std::string problem;
    } cases[] = {
        {[](Configuration &c) { c.Groups[3].StatusName = "ABCDE"; },
         "Usable CH Group Setup, EXP CH: the status name is longer than 4 characters\n"},
        {[](Configuration &c) { c.Weather[2].ChTag = "ABCDEFGHIJKLMNOPQ"; },
         "Weather, channel 3: the name longer than 16 characters\n"},
        {[](Configuration &c) { c.Expansion[9].ChTag = "ABCDEFGHIJKLMNOPQ"; },
         "EXP Channel 10: the name longer than 16 characters\n"},
        {[](Configuration &c) { EnableExpansion(c, 0, 136.975, 0.0); },
         "EXP Channel 1: the frequency 136.9750 MHz is not on the 25 kHz raster from 137 to 174 MHz\n"},
        {[](Configuration &c) { EnableExpansion(c, 0, 156.025, 174.025); },
         "EXP Channel 1: the frequency 174.0250 MHz is not on the 25 kHz raster from 137 to 174 MHz\n"},
        {[](Configuration &c) {
             c.GroupDirectory[1] = {true, "LATE", "0366100130", {}};
         },
         "Group Directory, entry 2: in use after an empty entry\n"},
        {[](Configuration &c) {
             c.GroupDirectory[0] = {true, "NONE", "", {}};
         },
         "Group Directory, entry 1: in use without an MMSI: the radio would not get this station\n"},
        {[](Configuration &c) {
             c.Individual[0] = {true, "ABCDEFGHIJKL", "3661001370", {}};
         },
         "Individual Directory, entry 1: the name longer than 11 characters\n"},
    };
    for (const auto &c : cases) {
        Configuration config = Factory();
        c.spoil(config);
        EXPECT_EQ(Joined(CheckConfiguration(config, Model::Tq500, true)), c.problem);
    }
}

TEST(ConfigurationCheckLimits, SeldomProblemsAreNamed) {
    const struct {
        std::function<void(Configuration &)> spoil;
        std::string problems;
    } cases[] = {
        {[](Configuration &c) { c.Usa[kDistressPosition].Duplex = true; },
         "Programable Channel, USA 16: the distress channel is set to duplex\n"},
        // An ATIS code whose only sending group is not in use is sent nowhere.
        {[](Configuration &c) {
             c.Atis.AtisCode = "9211234567";
             c.Atis.UsableAtisChGroup = {false, true, false, false};
             c.Groups[1].Usable = false;
         },
         "ATIS Setup: an ATIS code is set, but no usable channel group sends ATIS\n"},
        {[](Configuration &c) {
             c.GroupDirectory[0] = {true, "FLEET", "1366100130", {}};
         },
         "Group Directory, entry 1: the MMSI is not 8 digits\n"},
        {[](Configuration &c) {
             EnableExpansion(c, 0, 156.025, 0.0);
             c.Expansion[0].CHDisplayL = "1";
         },
         "EXP Channel 1: enabled without its two display figures\n"},
    };
    for (const auto &c : cases) {
        Configuration config = Factory();
        c.spoil(config);
        EXPECT_EQ(Joined(CheckConfiguration(config, Model::Tq500, true)), c.problems);
    }
}

// What a model does not have is not checked: the ATIS code without ATIS, the second priority channel
// on a radio with one priority channel.
TEST(ConfigurationCheckLimits, WhatTheModelLacksIsNotChecked) {
    Configuration config = test::FactoryConfiguration(Model::Tq300);
    config.Atis.AtisCode = "123";
    config.Groups[0].SecondCh = -5;
    EXPECT_EQ(Joined(CheckConfiguration(config, Model::Tq300, false)), "");
    EXPECT_NE(Joined(CheckConfiguration(config, Model::Tq300, true)), "");
    Configuration tq500 = Factory();
    tq500.Groups[0].SecondCh = -5;
    EXPECT_NE(
        Joined(CheckConfiguration(tq500, Model::Tq500, true)).find("Group1: the second priority channel"),
        std::string::npos);
}

} // namespace
} // namespace klt
