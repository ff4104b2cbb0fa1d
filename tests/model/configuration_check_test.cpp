// The check before programming: a factory configuration passes, and each kind of problem is named.

#include "model/channel_rules.h"
#include "model/configuration_check.h"
#include "support/random_config.h"

#include <gtest/gtest.h>

#include <functional>

namespace klt {
namespace {

Configuration Factory() {
    return test::FactoryConfiguration(Model::Tq500);
}

void Expansion(Configuration &config, const std::string &display, double rx) {
    ChannelRecord &channel = config.Expansion[2];
    channel.Enable = true;
    channel.CHDisplayL = display;
    channel.Rxfreq = rx;
}

TEST(ConfigurationCheck, EachKindOfProblemIsNamed) {
    const Configuration factory = Factory();
    ASSERT_EQ(CheckConfiguration(factory, Model::Tq500, true), std::vector<std::string>{});
    const struct {
        std::function<void(Configuration &)> spoil;
        std::string problem;
    } cases[] = {
        {[](Configuration &c) { c.Groups[0].PriorityCh = -5; }, "Group1: the priority channel"},
        {[](Configuration &c) { c.Groups[1].Usable = true, c.Groups[1].SecondCh = -5; },
         "Group2: the second priority"},
        {[](Configuration &c) { c.Groups[0].StatusName = "LONGER"; }, "status name is longer than 4"},
        {[](Configuration &c) { Expansion(c, "12", 0.0); },
         "EXP Channel 3: enabled without a receive frequency"},
        {[](Configuration &c) { Expansion(c, "12", 156.01); },
         "EXP Channel 3: the frequency 156.0100 MHz is not on the 25 kHz raster"},
        {[](Configuration &c) { Expansion(c, "K1", 156.025); },
         "EXP Channel 3: enabled without its two display figures"},
        {[](Configuration &c) { c.Usa[5].ChTag = "SEMI;COLON"; }, "the name holds \";\""},
        {[](Configuration &c) {
             c.Individual[1] = {true, "OSPREY", "3661002740", {}};
         },
         "Individual Directory, entry 2: in use after an empty entry"},
        {[](Configuration &c) {
             c.GroupDirectory[0] = {true, "FLEET", "3660011000", {}};
         },
         "Group Directory, entry 1: the MMSI is not 8 digits"},
        {[](Configuration &c) {
             c.Individual[0] = {true, "TWELVE CHARS", "3661001370", {}};
         },
         "the name longer than 11 characters"},
        {[](Configuration &c) { c.DscBasic.UserMmsi = "12345"; }, "DSC Setup: the user MMSI is not 9 digits"},
        {[](Configuration &c) { c.Atis.AtisCode = "123"; }, "the ATIS code is not 10 digits"},
        {[](Configuration &c) { c.Atis.AtisCode = "9211234567", c.Atis.UsableAtisChGroup = {}; },
         "an ATIS code is set, but no usable channel group sends ATIS"},
        // Numbers of the right length, but not the kind of identity their place asks for.
        {[](Configuration &c) { c.DscBasic.UserMmsi = "0036699990"; },
         "DSC Setup: the user MMSI 003669999 is not a ship station's MMSI"},
        {[](Configuration &c) { c.DscBasic.UserMmsi = "2001234560"; }, "200 is no country's"},
        {[](Configuration &c) { c.Individual[0] = {true, "ODD", "1123456780", {}}; },
         "Individual Directory, entry 1: 112345678 is neither a ship station's MMSI"},
        {[](Configuration &c) { c.GroupDirectory[0] = {true, "FLEET", "0999123450", {}}; },
         "Group Directory, entry 1: 99912345: 999 is no country's"},
        {[](Configuration &c) { c.Atis.AtisCode = "2111234567"; }, "the ATIS code 2111234567 is not an ATIS code"},
        // A station in use without its number: the radio would never get it.
        {[](Configuration &c) { c.Individual[0] = {true, "HARBOUR", "", {}}; },
         "Individual Directory, entry 1: in use without an MMSI"},
        // The distress channel of a usable group, and a scrambler nobody meant.
        {[](Configuration &c) {
             c.Usa[32].Enable = false;
             c.Usa[18].Enable = true; // channel 9, the priority channel now
             c.Groups[0].PriorityCh = 18;
         },
         "USA 16: the distress channel is disabled"},
        {[](Configuration &c) { c.Usa[32].TxEnable = false; }, "USA 16: the distress channel is set to receive only"},
        {[](Configuration &c) {
             Expansion(c, "12", 156.025);
             c.Expansion[2].Scramble = 5;
         },
         "EXP Channel 3: the scrambler is on"},
    };
    for (const auto &c : cases) {
        Configuration config = factory;
        c.spoil(config);
        const auto problems = CheckConfiguration(config, Model::Tq500, true);
        ASSERT_EQ(problems.size(), 1u) << c.problem << (problems.empty() ? "" : ": " + problems.back());
        EXPECT_NE(problems[0].find(c.problem), std::string::npos) << problems[0];
    }
}

// A record may hold what its page never lets the user set (read from a file or a radio): the check names
// each such bit, on its channel.
TEST(ConfigurationCheck, PlanChannelsHoldToTheirLimits) {
    const Configuration factory = Factory();
    const struct {
        std::function<void(Configuration &)> spoil;
        std::vector<std::string> problems;
    } cases[] = {
        {[](Configuration &c) { c.Usa[kDscPosition].ScanMemory = true; },
         {"Programable Channel, USA 70: channel 70 is never scanned"}},
        {[](Configuration &c) { c.International[kDistressPosition].Scramble = 6; },
         {"Programable Channel, International 16: channels 16 and 70 never take a scrambler"}},
        {[](Configuration &c) {
             c.Canada[kDscPosition].Scramble = 4, c.Canada[kDscPosition].TxEnable = true;
         },
         {"Programable Channel, Canada 70: this channel only receives",
          "Programable Channel, Canada 70: channels 16 and 70 never take a scrambler"}},
        {[](Configuration &c) {
             c.Usa[kDistressPosition].ScanMemory = true, c.Usa[kDistressPosition + 2].Scramble = 5;
         },
         {}},
        {[](Configuration &c) { c.Usa[12].ChTag = "BACK\bSPACE"; },
         {"Programable Channel, USA 06: the name holds \"\b\", which the radio cannot show"}},
    };
    for (const auto &c : cases) {
        Configuration config = factory;
        c.spoil(config);
        EXPECT_EQ(CheckConfiguration(config, Model::Tq500, true), c.problems);
    }
}

} // namespace
} // namespace klt
