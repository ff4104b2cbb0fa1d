#include "model/reference_tables.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace klt {
namespace {

int EnabledCount(const std::vector<ChannelRecord> &table) {
    return static_cast<int>(std::ranges::count_if(table, [](const ChannelRecord &r) { return r.Enable; }));
}

const ChannelRecord &Channel(const std::vector<ChannelRecord> &table, const std::string &label) {
    return table.at(static_cast<std::size_t>(MasterIndexOf(label)));
}

TEST(MasterChannelList, ChannelNumbersAndFrequencies) {
    const auto &master = BuildMasterChannelList();
    EXPECT_EQ(master[32].Label, "16");
    EXPECT_DOUBLE_EQ(master[32].TxFreq, 156.800);
    EXPECT_DOUBLE_EQ(master[32].DuplexRxFreq, 161.400);
    EXPECT_TRUE(master[32].DuplexCapable);
    EXPECT_EQ(master[41].Label, "20A");
    EXPECT_DOUBLE_EQ(master[41].TxFreq, 157.000);
    EXPECT_EQ(master[41].DuplexRxFreq, 0.0);
    EXPECT_FALSE(master[41].DuplexCapable);
    EXPECT_EQ(master[140].Label, "70");
    EXPECT_DOUBLE_EQ(master[140].TxFreq, 156.525);
    EXPECT_DOUBLE_EQ(master[176].TxFreq, 157.425);
    EXPECT_EQ(master[239].Label, "119A");
    EXPECT_DOUBLE_EQ(master[239].RxFreq, 158.975);
    EXPECT_EQ(MasterIndexOf("00"), 0);
    EXPECT_EQ(MasterIndexOf("120"), -1);
}

TEST(ChannelPlans, SizesAndEnabledCounts) {
    for (const auto &table : {BuildPlanUSA(), BuildPlanInternational(), BuildPlanCanada()}) {
        ASSERT_EQ(table.size(), 240u);
        for (std::size_t i = 0; i < table.size(); ++i) {
            EXPECT_EQ(table[i].Position, static_cast<int>(i));
        }
        // No plan enables a channel above 88.
        EXPECT_TRUE(
            std::all_of(table.begin() + 178, table.end(), [](const ChannelRecord &r) { return !r.Enable; }));
    }
    EXPECT_EQ(EnabledCount(BuildPlanUSA()), 51);
    EXPECT_EQ(EnabledCount(BuildPlanInternational()), 57);
    EXPECT_EQ(EnabledCount(BuildPlanCanada()), 59);
}

TEST(ChannelPlans, ReceiveOnlyChannelsCannotTransmitOrBeDuplex) {
    const auto usa = BuildPlanUSA();
    for (const std::string label : {"15", "70"}) {
        const auto &record = Channel(usa, label);
        EXPECT_TRUE(record.Enable) << label;
        EXPECT_TRUE(record.RxOnly) << label;
        EXPECT_FALSE(record.TxEnable) << label;
        EXPECT_FALSE(record.DuplexAllowed) << label;
    }
    EXPECT_TRUE(Channel(BuildPlanInternational(), "70").RxOnly);
    EXPECT_FALSE(Channel(BuildPlanInternational(), "15").RxOnly);
}

TEST(ChannelPlans, NamesAndFlagsAsTabled) {
    const auto usa = BuildPlanUSA();
    EXPECT_EQ(Channel(usa, "06").ChTag, "SAFTY");
    EXPECT_EQ(Channel(usa, "16").ChTag, "DISTRESS");
    EXPECT_EQ(Channel(usa, "20A").ChTag, "PORT OPR");
    EXPECT_TRUE(Channel(usa, "20").Duplex);
    EXPECT_FALSE(Channel(usa, "20A").Duplex);
    EXPECT_TRUE(Channel(usa, "77").LowPower);

    const auto canada = BuildPlanCanada();
    EXPECT_EQ(Channel(canada, "06").ChTag, "SAFETY");
    EXPECT_TRUE(Channel(canada, "20").Duplex);
    EXPECT_TRUE(Channel(canada, "20").LowPower);
    EXPECT_FALSE(Channel(canada, "20A").Enable);
    EXPECT_TRUE(Channel(canada, "66A").LowPower);
    EXPECT_TRUE(Channel(canada, "83").Duplex);
    EXPECT_EQ(Channel(canada, "83A").ChTag, "CCG");

    const auto international = BuildPlanInternational();
    EXPECT_EQ(Channel(international, "66").ChTag, "INTL");
    EXPECT_TRUE(Channel(international, "66").Duplex);
    EXPECT_TRUE(Channel(international, "20").Duplex);
    EXPECT_FALSE(Channel(international, "73").Duplex);
}

TEST(ChannelPlans, UnlistedChannelsStayOffWithTransmitAllowed) {
    const auto usa = BuildPlanUSA();
    const auto &record = Channel(usa, "02");
    EXPECT_FALSE(record.Enable);
    EXPECT_TRUE(record.TxEnable);
    EXPECT_TRUE(record.DuplexAllowed);
    EXPECT_EQ(record.ChTag, "");
    EXPECT_FALSE(Channel(BuildPlanUSA(), "02A").DuplexAllowed);
}

TEST(WeatherTable, TenReceiveOnlyChannelsFromOne) {
    const auto table = BuildTableFromList(BuildWeatherList(), false);
    ASSERT_EQ(table.size(), 10u);
    EXPECT_EQ(table[0].Position, 1);
    EXPECT_EQ(table[9].Position, 10);
    EXPECT_EQ(table[0].ChTag, "162.550MHZ");
    EXPECT_EQ(table[9].ChTag, "163.275MHZ");
    EXPECT_EQ(BuildWeatherList()[7].Label, "WX08[161.650MHz]");
    for (const auto &record : table) {
        EXPECT_TRUE(record.Enable);
        EXPECT_FALSE(record.TxEnable);
        EXPECT_FALSE(record.DispayA);
        EXPECT_FALSE(record.ScanMemory);
    }
}

TEST(TableFromList, SkipsUnusedEntriesAndHonoursTheDuplexFlag) {
    auto list = BuildWeatherList();
    list[1].Used = false;
    list[2].Label = "21A";
    list[2].TxFreq = 157.05;
    list[2].LowPower = true;
    const auto table = BuildTableFromList(list, true);
    ASSERT_EQ(table.size(), 9u);
    EXPECT_EQ(table[1].Position, 3);
    EXPECT_TRUE(table[1].DispayA);
    EXPECT_TRUE(table[1].TxEnable);
    EXPECT_TRUE(table[1].LowPower);
    EXPECT_TRUE(table[1].Duplex);
    EXPECT_FALSE(table[1].DuplexAllowed);
}

TEST(ToneLists, CtcssAndDcs) {
    const auto tones = BuildToneList();
    ASSERT_EQ(tones.size(), 51u);
    EXPECT_EQ(tones[0], "Off");
    EXPECT_EQ(tones[1], "67.0Hz");
    EXPECT_EQ(tones[50], "254.1Hz");
    const auto codes = BuildCodeList();
    ASSERT_EQ(codes.size(), 105u);
    EXPECT_EQ(codes[1], "023");
    EXPECT_EQ(codes[104], "754");
}

} // namespace
} // namespace klt
