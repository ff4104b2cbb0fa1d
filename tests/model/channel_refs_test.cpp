#include "model/image_mapping.h"
#include "model/reference_tables.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace klt {
namespace {

// A new memory with its plan tables, as the program holds it after a reset.
struct Fixture {
    RadioImage image;
    Configuration config;

    explicit Fixture(int model = 1) {
        for (int g = 0; g < kPlanGroupCount; ++g) {
            PlanTable(config, g) = BuildPlan(g);
        }
        config.Weather = BuildTableFromList(BuildWeatherList(), false);
        ImageNewDefaults(image, config, ModelNo(model));
        DecodeExpansionChannels(image, config);
    }
    void encodeAndCheck() {
        EncodeImage(image, config);
        CheckChannelRefs(image, config);
    }
};

TEST(ChannelUsable, PlanChannelsNeedAUsableGroupAndAnEnabledChannel) {
    Fixture f;
    f.encodeAndCheck();
    EXPECT_TRUE(ChannelUsable(f.image, 32, 0)); // channel 16
    EXPECT_FALSE(ChannelUsable(f.image, 4, 0)); // channel 02: not in the USA plan
    EXPECT_TRUE(ChannelUsable(f.image, 4, 1));  // ... but in the International plan
    EXPECT_FALSE(ChannelUsable(f.image, 32, 3));
    f.config.Groups[0].Usable = false;
    EncodeImage(f.image, f.config);
    EXPECT_FALSE(ChannelUsable(f.image, 32, 0));
    EXPECT_FALSE(ChannelUsable(f.image, -1, 0));
    EXPECT_FALSE(ChannelUsable(f.image, 65535, 0));
}

TEST(ChannelUsable, ExpansionChannelsInAnyGroupWhenTheExpansionGroupIsUsable) {
    Fixture f;
    f.config.Expansion[0].Enable = true;
    f.config.Expansion[63].Enable = true;
    EncodeImage(f.image, f.config);
    EXPECT_EQ(f.image.at(1428), 0x80);
    EXPECT_EQ(f.image.at(1435), 0x01);
    for (int g = 0; g < 3; ++g) {
        EXPECT_TRUE(ChannelUsable(f.image, 240, g));
        EXPECT_TRUE(ChannelUsable(f.image, 303, g));
        EXPECT_FALSE(ChannelUsable(f.image, 241, g));
        EXPECT_FALSE(ChannelUsable(f.image, 304, g));
    }
    f.config.Groups[3].Usable = false;
    EncodeImage(f.image, f.config);
    EXPECT_FALSE(ChannelUsable(f.image, 240, 0));
}

TEST(CheckChannelRefs, AllGroupsUsableKeepsGroupAndChannel) {
    Fixture f;
    f.encodeAndCheck();
    EXPECT_EQ(f.image.at(33), 0);
    // Channel 15 (reference 30) is enabled in the USA plan; both current references agree.
    EXPECT_EQ(f.image.be16(35), 30);
    EXPECT_EQ(f.image.be16(37), 30);
}

TEST(CheckChannelRefs, AnUnusableCurrentGroupMovesToTheNextUsableOne) {
    Fixture f;
    f.config.Groups[0].Usable = false;
    f.config.Groups[1].Usable = false;
    f.encodeAndCheck();
    EXPECT_EQ(f.image.at(33), 2);

    Fixture g;
    g.image.set(33, 1);
    g.config.Groups[1].Usable = false;
    g.config.Groups[2].Usable = false;
    g.encodeAndCheck();
    EXPECT_EQ(g.image.at(33), 0);

    Fixture none;
    for (int i = 0; i < 3; ++i) {
        none.config.Groups[i].Usable = false;
    }
    none.encodeAndCheck();
    EXPECT_EQ(none.image.at(33), 0); // no usable group to move to
}

TEST(CheckChannelRefs, AnUnusableCurrentChannelBecomesTheFirstEnabledOne) {
    Fixture f;
    f.image.setBe16(35, 4); // channel 02, not enabled in the USA plan
    f.image.setBe16(37, 77);
    f.encodeAndCheck();
    EXPECT_EQ(f.image.be16(35), 3); // 01A, the first enabled USA channel
    EXPECT_EQ(f.image.be16(37), 3);
}

TEST(CheckChannelRefs, AnEmptyGroupFallsBackToTheFirstEnabledExpansionChannel) {
    Fixture f;
    for (auto &record : f.config.Usa) {
        record.Enable = false;
    }
    f.config.Expansion[4].Enable = true;
    f.encodeAndCheck();
    EXPECT_EQ(f.image.be16(35), 244);
    EXPECT_EQ(f.image.be16(37), 244);

    Fixture empty;
    for (auto &record : empty.config.Usa) {
        record.Enable = false;
    }
    empty.image.setBe16(35, 30);
    empty.image.setBe16(37, 31);
    empty.encodeAndCheck();
    EXPECT_EQ(empty.image.be16(35), 30);
    EXPECT_EQ(empty.image.be16(37), 31);
}

TEST(CheckChannelRefs, WeatherModeRepairsTheWeatherChannel) {
    Fixture f;
    f.image.set(34, 1);
    f.image.set(39, 2);
    f.config.Weather[2].Enable = false;
    f.config.Weather[0].Enable = false;
    f.encodeAndCheck();
    EXPECT_EQ(f.image.at(39), 1);
    EXPECT_EQ(f.image.be16(35), 1);

    Fixture kept;
    kept.image.set(34, 1);
    kept.image.set(39, 4);
    kept.image.setBe16(37, 99);
    kept.encodeAndCheck();
    EXPECT_EQ(kept.image.at(39), 4);
    EXPECT_EQ(kept.image.be16(35), 4);
    EXPECT_EQ(kept.image.be16(37), 99);
}

TEST(CheckChannelRefs, SlotsOfUnusableChannelsAreCleared) {
    Fixture f;
    f.image.setBe16(256, 32);           // group 0, channel 16: usable
    f.image.setBe16(258, 4);            // group 0, channel 02: not enabled
    f.image.setBe16(256 + 32, 4);       // group 1, channel 02: usable there
    f.image.setBe16(256 + 64 + 14, 32); // group 2, last slot, channel 16
    f.config.Groups[2].Usable = false;
    f.encodeAndCheck();
    EXPECT_EQ(f.image.be16(256), 32);
    EXPECT_EQ(f.image.be16(258), 0xFFFF);
    EXPECT_EQ(f.image.be16(256 + 32), 4);
    EXPECT_EQ(f.image.be16(256 + 64 + 14), 0xFFFF);
}

TEST(CheckChannelRefs, MarksWhetherAUserMmsiIsPresent) {
    Fixture f;
    f.encodeAndCheck();
    EXPECT_EQ(f.image.at(421), 0);
    f.config.DscBasic.UserMmsi = "366123456";
    f.encodeAndCheck();
    EXPECT_EQ(f.image.at(421), 1);
    f.config.DscBasic.UserMmsi = "   ";
    f.encodeAndCheck();
    EXPECT_EQ(f.image.at(421), 0);
}

TEST(PrepareImageForSave, ChecksumCoversTheRadioData) {
    Fixture f(3);
    f.image.set(70, 0x10);
    PrepareImageForSave(f.image, f.config);
    EXPECT_EQ(f.image.at(95), static_cast<std::uint8_t>(28 * 0xFF + 0x10));
}

} // namespace
} // namespace klt
