#include "model/option_texts.h"
#include "model/reference_tables.h"

#include <gtest/gtest.h>

namespace klt {
namespace {

TEST(OptionTexts, CommonSetupValuesAndTheirGaps) {
    EXPECT_EQ(TxPowerDisplayText(1), "Lo Po on Changing CH");
    EXPECT_EQ(TxPowerDisplayText(3), "");
    EXPECT_EQ(ResumeTimeText(0), "--");
    EXPECT_EQ(ResumeTimeText(4), "");
    EXPECT_EQ(WeatherAlertText(0), "OFF");
    EXPECT_EQ(WeatherAlertText(1), "");
    EXPECT_EQ(WeatherAlertText(3), "ON");
    EXPECT_EQ(TimeDisplayText(-1), "Local");
    EXPECT_EQ(TimeFormatText(-1), "24H");
    EXPECT_EQ(TimeFormatText(0), "12H");
    EXPECT_EQ(SpeedUnitText(2), "KMH");
    EXPECT_EQ(DistanceUnitText(-1), "");
    EXPECT_EQ(AltitudeUnitText(1), "m");
    EXPECT_EQ(OnOffText(true), "On");
}

TEST(OptionTexts, AutomaticPositionValues) {
    EXPECT_EQ(IntervalText(0), "OFF");
    EXPECT_EQ(IntervalText(9), "40 min");
    EXPECT_EQ(IntervalText(10), "");
    EXPECT_EQ(SelectCallText(1, true), "Group");
    EXPECT_EQ(SelectCallText(1, false), "Multi-st");
    EXPECT_EQ(SelectCallText(2, true), "");
}

TEST(OptionTexts, GroupChoicesCarryTheStatusName) {
    Configuration config;
    config.Groups[1].StatusName = "INTL";
    EXPECT_EQ(GroupChoiceText(config, 0), "No");
    EXPECT_EQ(GroupChoiceText(config, 2), "Group2[INTL]");
    EXPECT_EQ(GroupChoiceText(config, 1), "Group1");
    EXPECT_EQ(GroupChoiceText(config, 7), "No");
    EXPECT_EQ(BracketedStatusName(config, 5), "");
}

TEST(OptionTexts, DirectoryNamesByEntryNumber) {
    Configuration config;
    config.Individual[0].TagName = "FIRST";
    config.GroupDirectory[31].TagName = "LASTGRP";
    EXPECT_EQ(DirectoryNameText(config, 1, 0, 1), "FIRST");
    EXPECT_EQ(DirectoryNameText(config, 32, 1, 1), "LASTGRP");
    EXPECT_EQ(DirectoryNameText(config, 1, 0, 0), "");
    EXPECT_EQ(DirectoryNameText(config, 81, 0, 1), "");
    EXPECT_EQ(DirectoryNameText(config, 33, 1, 1), "");
    EXPECT_EQ(DirectoryNameText(config, 0, 0, 1), "");
}

TEST(OptionTexts, ChannelReferenceTexts) {
    EXPECT_EQ(ChannelRefText(32), "16");
    EXPECT_EQ(ChannelRefText(-1), "Off");
    EXPECT_EQ(ChannelRefText(240), "EXP1");
    EXPECT_EQ(ChannelRefText(241), "EXP2");
    // Every expansion channel a radio may hold is named, not only the first forty.
    EXPECT_EQ(ChannelRefText(280), "EXP41");
    EXPECT_EQ(ChannelRefText(303), "EXP64");
    EXPECT_EQ(ChannelRefText(304), "Off");
    EXPECT_EQ(ChannelRefText(65535), "Off");
}

TEST(OptionTexts, AutoPosChannelFromGroupOneOrTheExpansionChannels) {
    Configuration config;
    config.Usa = BuildPlanUSA();
    config.Expansion[2].Enable = true;
    config.Expansion[2].CHDisplayL = "9";
    config.Expansion[2].CHDisplayR = "B";
    EXPECT_EQ(AutoPosChannelText(config, 32), "16");
    EXPECT_EQ(AutoPosChannelText(config, 2), ""); // channel 01 is not enabled in the USA plan
    EXPECT_EQ(AutoPosChannelText(config, 4099), "9B");
    EXPECT_EQ(AutoPosChannelText(config, 4098), "");
}

TEST(OptionTexts, MarkersScramblerAndNames) {
    EXPECT_EQ(EnableMark(false), "------");
    EXPECT_EQ(DuplexMark(true), "DUP");
    EXPECT_EQ(HiLowText(false), "Low");
    EXPECT_EQ(ScrambleText(5), "1");
    EXPECT_EQ(ScrambleText(7), "3");
    EXPECT_EQ(ScrambleText(3), "--");
    EXPECT_EQ(NameOrDashes("  "), "----");
    EXPECT_EQ(NameOrDashes("BOAT"), "BOAT");
}

TEST(OptionTexts, MemberCountsOnlyMembersWithANumber) {
    Configuration config;
    DirectoryEntry group;
    group.TagName = "FLEET";
    group.Members[0] = true;
    group.Members[1] = true;
    group.Members[79] = true;
    config.Individual[0].Mmsid = "2111111110";
    config.Individual[79].Mmsid = "2111111120";
    EXPECT_EQ(DirectoryMemberCount(config, group), 2);
    group.TagName.clear();
    EXPECT_EQ(DirectoryMemberCount(config, group), 0);
}

TEST(OptionTexts, ToneTexts) {
    ChannelRecord record;
    EXPECT_EQ(ToneText(record, false), "-------");
    record.RxCtcss = 9;
    record.TxDcs = 1;
    EXPECT_EQ(ToneText(record, false), "88.5Hz");
    EXPECT_EQ(ToneText(record, true), "N023");
    record.TxDcs = 105;
    EXPECT_EQ(ToneText(record, true), "I023");
}

} // namespace
} // namespace klt
