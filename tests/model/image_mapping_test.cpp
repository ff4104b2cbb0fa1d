#include "model/image_mapping.h"
#include "model/reference_tables.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <set>

namespace klt {
namespace {

Configuration PlanConfiguration() {
    Configuration config;
    config.Usa = BuildPlanUSA();
    config.International = BuildPlanInternational();
    config.Canada = BuildPlanCanada();
    config.Weather = BuildTableFromList(BuildWeatherList(), false);
    return config;
}

TEST(NewImage, FactoryBytesModelCodeAndNothingElse) {
    RadioImage image;
    Configuration config;
    image.set(0x4000, 0x00);
    ImageNewDefaults(image, config, ModelNo(3));
    EXPECT_EQ(image.at(0), 0x01);
    EXPECT_EQ(image.at(1), 0xF4);
    EXPECT_EQ(image.at(0x7FFE), 0x01);
    EXPECT_EQ(image.at(0x7FFF), 0xF4);
    const std::set<Address> factory = {2,   3,   33,  34,  35,  36,  37,  38,  39,     40,    41,  47,  48,
                                       57,  58,  59,  65,  96,  97,  98,  99,  100,    101,   102, 103, 104,
                                       105, 106, 107, 432, 433, 434, 437, 416, 417,    418,   419, 420, 421,
                                       422, 423, 424, 425, 426, 427, 198, 199, 200,    201,   202, 214, 215,
                                       216, 217, 230, 231, 232, 233, 0,   1,   0x7FFE, 0x7FFF};
    for (Address a = 0; a < RadioImage::kSize; ++a) {
        const bool bitmap = (a >= 1428 && a <= 1435) || (a >= 1684 && a <= 1691);
        if (!factory.contains(a) && !bitmap) {
            ASSERT_EQ(image.at(a), 0xFF) << a;
        } else if (bitmap) {
            ASSERT_EQ(image.at(a), 0x00) << a;
        }
    }
    EXPECT_EQ(image.at(36), 30);
    EXPECT_EQ(image.at(57), 3);
    EXPECT_EQ(image.at(103), 18);
    EXPECT_EQ(image.at(437), 0xFE);
    EXPECT_EQ(image.at(198), 'R');
    EXPECT_EQ(image.at(233), '2');
}

TEST(NewImage, DecodesItsSettings) {
    RadioImage image;
    Configuration config;
    ImageNewDefaults(image, config, ModelNo(3));
    for (int g = 0; g < 3; ++g) {
        EXPECT_EQ(config.Groups[g].PriorityCh, 32);
        EXPECT_EQ(config.Groups[g].SecondCh, 18);
        EXPECT_TRUE(config.Groups[g].Usable);
        EXPECT_EQ(config.Groups[g].StatusName, "");
    }
    EXPECT_EQ(config.DscBasic.UserMmsi, "");
    EXPECT_EQ(config.Atis.AtisCode, "");
    EXPECT_EQ(config.Common.ResumeTime, 3);
    EXPECT_TRUE(config.DscAdvanced.Calls[0].Value[1]); // 432 = 0x60: urgency and safety
    EXPECT_TRUE(config.DscAdvanced.Calls[0].Value[2]);
    EXPECT_FALSE(config.DscAdvanced.Calls[0].Value[0]);
    EXPECT_TRUE(config.DscBasic.BeepOut[0]);
    EXPECT_FALSE(config.DscDisplay.PosRequestAckMenu); // 437 = 0xFE
}

TEST(NewImage, SecondPriorityChannelIsReadOnlyForTheTq500) {
    RadioImage image;
    Configuration config;
    config.Groups[0].SecondCh = 77;
    ImageNewDefaults(image, config, ModelNo(1));
    EXPECT_EQ(config.Groups[0].SecondCh, 77);
    EXPECT_EQ(config.Groups[0].PriorityCh, 32);
}

TEST(NewImage, ModelsWithoutACodeLeaveTheImageAlone) {
    RadioImage image;
    image.set(0, 0x12);
    image.set(36, 99);
    Configuration config;
    ImageNewDefaults(image, config, ModelNo(5));
    EXPECT_EQ(image.at(0), 0x12);
    EXPECT_EQ(image.at(36), 99);
}

TEST(NewImage, ExpansionChannelsFromTheFactoryBytes) {
    RadioImage image;
    Configuration config;
    ImageNewDefaults(image, config, ModelNo(1));
    DecodeExpansionChannels(image, config);
    for (int k = 0; k < 64; ++k) {
        const auto &record = config.Expansion[k];
        EXPECT_EQ(record.Position, k + 1);
        EXPECT_FALSE(record.Enable);
        EXPECT_FALSE(record.ScanMemory);
        EXPECT_EQ(record.ChTag, "");
        EXPECT_EQ(record.CHDisplayL, "");
        EXPECT_EQ(record.CHDisplayR, "");
        EXPECT_EQ(record.Rxfreq, 0.0);
        EXPECT_EQ(record.Txfreq, 0.0);
        EXPECT_TRUE(record.TxEnable);
        EXPECT_FALSE(record.LowPower);
        EXPECT_TRUE(record.PowUp);
        EXPECT_EQ(record.Scramble, 7);
        EXPECT_TRUE(record.Wide);
        EXPECT_EQ(record.ExpCB, (std::array<bool, 3>{true, true, true}));
    }
}

TEST(ChannelFlagPair, TransmitModesDuplexAndScrambler) {
    Configuration config = PlanConfiguration();
    RadioImage image;
    ImageClear(image);
    image.set(0x800 + 2 * 5, 0x80);
    image.set(0x800 + 2 * 6, 0x40);
    image.set(0x800 + 2 * 7, 0xE0);
    image.set(0x800 + 2 * 8, 0x1B);
    DecodeImage(image, config, ModelNo(1));
    EXPECT_FALSE(config.Usa[5].TxEnable);
    EXPECT_FALSE(config.Usa[5].LowPower);
    EXPECT_TRUE(config.Usa[6].TxEnable);
    EXPECT_TRUE(config.Usa[6].LowPower);
    EXPECT_TRUE(config.Usa[7].TxEnable);
    EXPECT_FALSE(config.Usa[7].LowPower);
    EXPECT_TRUE(config.Usa[7].Duplex);
    EXPECT_FALSE(config.Usa[8].TxEnable);
    EXPECT_TRUE(config.Usa[8].PowUp);
    EXPECT_EQ(config.Usa[8].Scramble, 5);
}

TEST(ChannelFlagPair, DuplexIsWrittenOnlyWhereAllowedAndBitZeroStays) {
    Configuration config = PlanConfiguration();
    RadioImage image;
    ImageClear(image);
    auto &record = config.Usa[3]; // channel 01A: no duplex pair
    record.Duplex = true;
    record.TxEnable = true;
    record.LowPower = true;
    record.Scramble = 4;
    EncodeImage(image, config);
    EXPECT_EQ(image.at(0x800 + 2 * 3), 0x40 | 0x08 | 0x01);
    EXPECT_EQ(image.at(0x800 + 2 * 3 + 1), 0xFF);
    config.Usa[4].Duplex = true; // channel 02: has one
    config.Usa[4].TxEnable = false;
    image.set(0x800 + 2 * 4, 0x00);
    EncodeImage(image, config);
    EXPECT_EQ(image.at(0x800 + 2 * 4), 0x20);
}

TEST(ChannelBitmaps, WeatherAndPartialBytes) {
    Configuration config = PlanConfiguration();
    RadioImage image;
    ImageClear(image);
    EncodeImage(image, config);
    EXPECT_EQ(image.at(0x590), 0xFF);
    EXPECT_EQ(image.at(0x591), 0xC0);
    EXPECT_EQ(image.at(0x592), 0xFF); // the walk ends with the records
    // USA channels 16 (index 32) and 06 (index 12) are enabled.
    EXPECT_EQ(image.at(0x500 + 4) & 0x80, 0x80);
    EXPECT_EQ(image.at(0x500 + 1) & 0x08, 0x08);
}

TEST(Directories, DecodeEndsTheListAtTheFirstEmptyNumber) {
    Configuration config = PlanConfiguration();
    RadioImage image;
    ImageClear(image);
    config.Individual[0] = {true, "ONE", "2111111110", {}};
    config.Individual[1] = {true, "TWO", "2222222220", {}};
    config.Individual[2] = {false, "THREE", "", {}};
    config.Individual[3] = {true, "FOUR", "2444444440", {}};
    config.Individual[3].Members[5] = true;
    EncodeImage(image, config);
    EXPECT_EQ(image.at(0x4700 + 3 * 16), 0x24);    // every entry is written
    EXPECT_EQ(image.at(0x4700 + 2 * 16 + 5), 'T'); // ... with its name

    Configuration decoded = PlanConfiguration();
    decoded.Individual[3].Members[5] = true;
    DecodeImage(image, decoded, ModelNo(1));
    EXPECT_TRUE(decoded.Individual[0].Enable);
    EXPECT_EQ(decoded.Individual[1].TagName, "TWO");
    EXPECT_EQ(decoded.Individual[1].Mmsid, "2222222220");
    EXPECT_FALSE(decoded.Individual[2].Enable);
    EXPECT_EQ(decoded.Individual[2].TagName, "");
    EXPECT_FALSE(decoded.Individual[3].Enable);
    EXPECT_EQ(decoded.Individual[3].Mmsid, "");
    EXPECT_EQ(decoded.Individual[3].TagName, "");
    EXPECT_TRUE(decoded.Individual[3].Members[5]); // members are not in the memory
    for (int i = 2; i < 80; ++i) {
        EXPECT_FALSE(decoded.Individual[i].Enable) << i;
    }
}

TEST(ExpansionBlock, DisplayCharactersAndFrequencies) {
    Configuration config = PlanConfiguration();
    RadioImage image;
    ImageClear(image);
    auto &record = config.Expansion[0];
    record.CHDisplayL = "7";
    record.CHDisplayR = "B";
    record.Rxfreq = 157.1;
    record.Txfreq = 161.7;
    record.ExpCB = {true, false, true};
    record.TxEnable = true;
    record.LowPower = true;
    record.Wide = false;
    EncodeImage(image, config);
    const Address block = 0xE00;
    EXPECT_EQ(image.at(block + 0), 0xFF & ~0x04);
    EXPECT_EQ(image.at(block + 1) & 0xC1, 0x40);
    EXPECT_EQ(image.at(block + 1) & 0x20, 0x20); // bit 5 stays
    EXPECT_EQ(image.at(block + 2), '7');
    EXPECT_EQ(image.at(block + 3), 0xFF);
    EXPECT_EQ(image.at(block + 4), 'B');
    EXPECT_EQ(image.at(block + 5), 0x57);
    EXPECT_EQ(image.at(block + 6), 0x10);
    EXPECT_EQ(image.at(block + 8), 0x61);
    EXPECT_EQ(image.at(block + 9), 0x70);
    record.CHDisplayL = "ABC";
    record.CHDisplayR = "XY";
    EncodeImage(image, config);
    EXPECT_EQ(image.at(block + 2), 0xFF);
    EXPECT_EQ(image.at(block + 3), 0xFF);
    EXPECT_EQ(image.at(block + 4), 0xFF);
}

TEST(CommonSetup, TimeByteKeepsItsFieldsApart) {
    Configuration config = PlanConfiguration();
    RadioImage image;
    ImageClear(image);
    config.Common.TimeDisplay = true;
    config.Common.Format = false;
    config.Common.OffsetTime = -3;
    EncodeImage(image, config);
    EXPECT_EQ(image.at(43), 0x80 | 0x03);
    config.Common.TimeDisplay = false;
    config.Common.Format = true;
    config.Common.OffsetTime = 24;
    EncodeImage(image, config);
    EXPECT_EQ(image.at(43), 0x40 | 0x38);
}

TEST(DscSettings, BitsAndBytesWhereTheRadioKeepsThem) {
    Configuration config = PlanConfiguration();
    RadioImage image;
    ImageClear(image);
    config.DscAdvanced.Calls[4].Value = {true, false, false, true};
    config.DscAdvanced.Calls[4].Tx = {false, true, true, false};
    config.DscBasic.BeepOut = {false, false, false, false, true, false, false, true};
    config.DscBasic.PosRequest = {true, true, true, true};
    config.DscDisplay.IndividualAckMessageMenu = true;
    EncodeImage(image, config);
    EXPECT_EQ(image.at(436), 0x96);
    EXPECT_EQ(image.at(443), 1); // entry 4 lives after entry 6
    EXPECT_EQ(image.at(441), 0);
    EXPECT_EQ(image.at(437), 0x7A); // unmapped bits 6, 5 and 3 stay set
}

TEST(AutoPos, ChannelAndLastAddressFollowTheSelectCall) {
    Configuration config = PlanConfiguration();
    RadioImage image;
    ImageClear(image);
    auto &entry = config.AutoPos.Entries[0];
    entry.Channel = "4099";
    entry.Interval = "5";
    entry.SelectCall = 1;
    entry.LastAddress = 12;
    EncodeImage(image, config);
    EXPECT_EQ(image.at(465), 0x10);
    EXPECT_EQ(image.at(466), 0x03);
    EXPECT_EQ(image.at(467), 5);
    EXPECT_EQ(image.at(491), 0xFF);
    EXPECT_EQ(image.at(492), 12);
    entry.SelectCall = 2;
    entry.LastAddress = 40;
    EncodeImage(image, config);
    EXPECT_EQ(image.at(492), 12);
    Configuration decoded = PlanConfiguration();
    decoded.AutoPos.Entries[0].LastAddress = 99;
    DecodeImage(image, decoded, ModelNo(1));
    EXPECT_EQ(decoded.AutoPos.Entries[0].LastAddress, 99);
    EXPECT_EQ(decoded.AutoPos.Entries[0].Channel, "4099");
}

} // namespace
} // namespace klt
