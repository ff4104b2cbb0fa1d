// What a channel may be, on its own: the exceptions of channels 16 and 70, the plan's limits, the
// frequency raster at its edges and the expansion channel's display.

#include "model/channel_rules.h"
#include "model/reference_tables.h"

#include <gtest/gtest.h>

namespace klt {
namespace {

ChannelRecord PlanChannel(const std::string &label) {
    ChannelRecord record;
    record.Position = static_cast<std::int16_t>(MasterIndexOf(label));
    record.DuplexAllowed = true;
    return record;
}

TEST(ChannelRules, ChannelsSixteenAndSeventyAreTheNamedPositions) {
    EXPECT_EQ(MasterIndexOf("16"), kDistressPosition);
    EXPECT_EQ(MasterIndexOf("70"), kDscPosition);
}

TEST(ChannelRules, OnlySeventyIsNeverScannedAndOnlySixteenAndSeventyNeverScrambled) {
    EXPECT_FALSE(MayScan(PlanChannel("70")));
    EXPECT_TRUE(MayScan(PlanChannel("16")));
    EXPECT_FALSE(MayScramble(PlanChannel("16")));
    EXPECT_FALSE(MayScramble(PlanChannel("70")));
    // Their neighbours, and their "A" channels, are ordinary channels.
    for (const char *label : {"15", "16A", "17", "69", "70A", "71"}) {
        EXPECT_TRUE(MayScan(PlanChannel(label))) << label;
        EXPECT_TRUE(MayScramble(PlanChannel(label))) << label;
    }
}

TEST(ChannelRules, TransmitAndDuplexFollowThePlan) {
    ChannelRecord record = PlanChannel("20");
    EXPECT_TRUE(MayTransmit(record));
    EXPECT_TRUE(MayDuplex(record));
    record.RxOnly = true;
    record.DuplexAllowed = false;
    EXPECT_FALSE(MayTransmit(record));
    EXPECT_FALSE(MayDuplex(record));
    // The plan's own channel 70 only receives.
    EXPECT_FALSE(MayTransmit(BuildPlan(0)[static_cast<std::size_t>(kDscPosition)]));
}

TEST(ChannelRules, WhatAChannelMayNotHaveShowsAsOffAndIsNamed) {
    ChannelRecord seventy = PlanChannel("70");
    seventy.RxOnly = true;
    seventy.DuplexAllowed = false;
    seventy.TxEnable = seventy.Duplex = seventy.ScanMemory = true;
    seventy.Scramble = 5;
    const ChannelRecord shown = ShownPlanChannel(seventy);
    EXPECT_FALSE(shown.TxEnable);
    EXPECT_FALSE(shown.Duplex);
    EXPECT_FALSE(shown.ScanMemory);
    EXPECT_EQ(shown.Scramble, 0);
    EXPECT_EQ(ForbiddenFeatures(seventy),
              (std::vector<PlanFeature>{PlanFeature::Transmit, PlanFeature::Duplex, PlanFeature::Scan,
                                        PlanFeature::Scrambler}));
    EXPECT_STREQ(WhyNot(PlanFeature::Scan), "channel 70 is never scanned");
    EXPECT_STREQ(WhyNot(PlanFeature::Scrambler), "channels 16 and 70 never take a scrambler");

    ChannelRecord sixteen = PlanChannel("16");
    sixteen.ScanMemory = sixteen.TxEnable = true;
    sixteen.Scramble = 4;
    EXPECT_EQ(ForbiddenFeatures(sixteen), std::vector<PlanFeature>{PlanFeature::Scrambler});
    EXPECT_TRUE(ShownPlanChannel(sixteen).ScanMemory);

    // An ordinary channel shows what it has, a scrambler code the list does not hold included.
    ChannelRecord ordinary = PlanChannel("20");
    ordinary.TxEnable = ordinary.Duplex = ordinary.ScanMemory = true;
    ordinary.Scramble = 2;
    EXPECT_EQ(ShownPlanChannel(ordinary), ordinary);
    EXPECT_TRUE(ForbiddenFeatures(ordinary).empty());
}

TEST(ChannelRules, FrequenciesLieOnTheRasterFrom137To174MHz) {
    for (const char *taken : {"137.000", "137.025", "156.0250", "173.975", "174.000"}) {
        EXPECT_TRUE(CheckedFrequency(taken)) << taken;
    }
    for (const char *refused : {"136.975", "174.025", "156.0125", "156.010", "156.001"}) {
        EXPECT_FALSE(CheckedFrequency(refused)) << refused;
    }
    EXPECT_EQ(CheckedFrequency(""), 0.0);
    EXPECT_TRUE(FrequencyAllowed(0.0)); // none
    EXPECT_TRUE(FrequencyAllowed(137.0));
    EXPECT_TRUE(FrequencyAllowed(174.0));
    EXPECT_FALSE(FrequencyAllowed(136.975));
    EXPECT_FALSE(FrequencyAllowed(174.025));
    EXPECT_FALSE(FrequencyAllowed(156.0125));
}

TEST(ChannelRules, AnEnabledExpansionChannelNeedsItsFrequencyAndTwoFigures) {
    ChannelRecord channel;
    EXPECT_TRUE(ExpansionChannelComplete(channel)); // not in use: nothing is needed
    channel.Enable = true;
    EXPECT_TRUE(LacksReceiveFrequency(channel));
    EXPECT_TRUE(LacksDisplayFigures(channel));
    channel.Rxfreq = 156.025;
    EXPECT_FALSE(LacksReceiveFrequency(channel));
    for (const char *figures : {"1", "123", "K1", "1b "}) {
        channel.CHDisplayL = figures;
        EXPECT_TRUE(LacksDisplayFigures(channel)) << figures;
        EXPECT_FALSE(ExpansionChannelComplete(channel)) << figures;
    }
    channel.CHDisplayL = "2b";
    EXPECT_TRUE(ExpansionChannelComplete(channel));
    channel.Txfreq = 0.0; // a channel may receive only
    EXPECT_TRUE(ExpansionChannelComplete(channel));
    EXPECT_EQ(UnshowableDisplayCharacter("1B"), 'B'); // the display has "b", never "B"
    EXPECT_EQ(UnshowableDisplayCharacter("ob"), std::nullopt);
    EXPECT_EQ(kDisplaySuffixFigures, 1u);
}

TEST(ChannelRules, ScramblerListAndCodes) {
    ASSERT_EQ(ScramblerEntries().size(), 5u);
    EXPECT_STREQ(ScramblerEntries()[0], "Off");
    EXPECT_STREQ(ScramblerEntries()[4], "3");
    for (int position = 0; position < 5; ++position) {
        EXPECT_EQ(ScramblerPosition(ScramblerCode(position)), position);
    }
    EXPECT_EQ(ScramblerCode(1), 4);
    for (const int unknown : {1, 2, 3, 8}) {
        EXPECT_EQ(ScramblerPosition(unknown), -1) << unknown;
    }
}

} // namespace
} // namespace klt
