#include "model/digits_codec.h"
#include "model/freq_codec.h"
#include "model/name_codec.h"
#include "model/text_format.h"
#include "model/value_codecs.h"

#include <gtest/gtest.h>

namespace klt {
namespace {

std::vector<int> BytesAt(const RadioImage &image, Address address, int count) {
    std::vector<int> bytes;
    for (int i = 0; i < count; ++i) {
        bytes.push_back(image.at(address + static_cast<Address>(i)));
    }
    return bytes;
}

TEST(FreqCodec, PacksMegahertzAboveOneHundredAsDecimalNibbles) {
    EXPECT_EQ(FreqToBcd(156.800), (FreqBytes{0x56, 0x80, 0x00}));
    EXPECT_EQ(FreqToBcd(156.025), (FreqBytes{0x56, 0x02, 0x50}));
    EXPECT_EQ(FreqToBcd(156.050), (FreqBytes{0x56, 0x05, 0x00}));
    EXPECT_EQ(FreqToBcd(162.5501), (FreqBytes{0x62, 0x55, 0x01}));
    EXPECT_EQ(FreqToBcd(100.0001), (FreqBytes{0x00, 0x00, 0x01}));
    EXPECT_EQ(FreqToBcd(199.9999), (FreqBytes{0x99, 0x99, 0x99}));
    EXPECT_EQ(FreqToBcd(0.0), (FreqBytes{0, 0, 0}));
    EXPECT_EQ(FreqToBcd(100.0), (FreqBytes{0, 0, 0}));
    EXPECT_EQ(FreqToBcd(200.0), (FreqBytes{0, 0, 0}));
    EXPECT_EQ(FreqToBcd(-5.0), (FreqBytes{0, 0, 0}));
}

TEST(FreqCodec, ReadsBackWhatItWritesAndNothingFromNoise) {
    EXPECT_DOUBLE_EQ(BcdToFreq(FreqBytes{0x56, 0x05, 0x00}), 156.05);
    EXPECT_DOUBLE_EQ(BcdToFreq(FreqBytes{0x00, 0x00, 0x01}), 100.0001);
    EXPECT_EQ(BcdToFreq(FreqBytes{0x00, 0x00, 0x00}), 0.0);
    EXPECT_EQ(BcdToFreq(FreqBytes{0xFF, 0xFF, 0xFF}), 0.0);
    EXPECT_EQ(BcdToFreq(FreqBytes{0x56, 0x8A, 0x00}), 0.0);
    for (int units = 1; units < 1000000; units += 7919) {
        const double mhz = (1000000 + units) / 10000.0;
        EXPECT_DOUBLE_EQ(BcdToFreq(FreqToBcd(mhz)), mhz) << units;
    }
}

TEST(FreqCodec, SnapsOffRasterFrequenciesDownToFiveKilohertz) {
    double on125 = 156.0125;
    FreqSnap(on125);
    EXPECT_DOUBLE_EQ(on125, 156.0125);
    double on5 = 156.015;
    FreqSnap(on5);
    EXPECT_DOUBLE_EQ(on5, 156.015);
    double off = 156.0130;
    FreqSnap(off);
    EXPECT_DOUBLE_EQ(off, 156.010);
    EXPECT_TRUE(FreqIs25k(156.025));
    EXPECT_FALSE(FreqIs25k(156.0125));
}

TEST(FreqCodec, DisplayTexts) {
    EXPECT_EQ(FreqText3(0.0), "---.---");
    EXPECT_EQ(FreqText3(156.8), "156.800");
    EXPECT_EQ(FreqText3(156.0125), "156.013");
    EXPECT_EQ(FreqText3Unless(156.8, true), "---.---");
    EXPECT_EQ(FreqText3Unless(156.8, false), "156.800");
    double freq = 156.8;
    EXPECT_EQ(FreqText4(freq), "156.8000");
    double offRaster = 156.0130;
    EXPECT_EQ(FreqText4(offRaster), "156.0100");
    EXPECT_DOUBLE_EQ(offRaster, 156.01);
    double none = 0.0;
    EXPECT_EQ(FreqText4(none), "---.----");
}

TEST(DigitsCodec, MmsiKeepsNineDigitsAndClearsTheTenthNibble) {
    RadioImage image;
    DigitsToBcd5(image, 416, "123456789", true);
    EXPECT_EQ(BytesAt(image, 416, 5), (std::vector<int>{0x12, 0x34, 0x56, 0x78, 0x90}));
    EXPECT_EQ(Bcd5ToDigits(image, 416), "1234567890");
    image.set(420, 0x9F);
    EXPECT_EQ(Bcd5ToDigits(image, 416), "123456789");
}

TEST(DigitsCodec, EmptyShortAndOddTexts) {
    RadioImage image;
    image.set(422, 0);
    DigitsToBcd5(image, 422, "  ", false);
    EXPECT_EQ(BytesAt(image, 422, 5), (std::vector<int>{0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Bcd5ToDigits(image, 422), "");
    DigitsToBcd5(image, 422, "12", false);
    EXPECT_EQ(BytesAt(image, 422, 5), (std::vector<int>{0x12, 0xFF, 0xFF, 0xFF, 0xFF}));
    DigitsToBcd5(image, 422, "1A3", false);
    EXPECT_EQ(BytesAt(image, 422, 2), (std::vector<int>{0x1F, 0x3F}));
    EXPECT_EQ(Bcd5ToDigits(image, 422), "1");
    DigitsToBcd5(image, 422, "0123456789", false);
    EXPECT_EQ(Bcd5ToDigits(image, 422), "0123456789");
    DigitsToBcd5(image, 422, "012345678912", false);
    EXPECT_EQ(Bcd5ToDigits(image, 422), "0123456789");
}

TEST(NameCodec, AcceptedCharactersOnly) {
    for (const char c : std::string("09AZaz-+().*/, ")) {
        EXPECT_EQ(NameCharToByte(c), static_cast<std::uint8_t>(c)) << c;
    }
    EXPECT_EQ(NameCharToByte('_'), 255);
    EXPECT_EQ(NameCharToByte('\xE9'), 255); // an accented letter
    EXPECT_EQ(NameByteToChar(255), "");
    EXPECT_EQ(NameByteToChar('#'), "");
    EXPECT_EQ(NameByteToChar('Q'), "Q");
}

TEST(NameCodec, WritesFixedLengthAndReadsUpToTheFirstGap) {
    RadioImage image;
    ImageWriteText(image, 0x1300, "CH-16", 16);
    std::vector<int> expected = {'C', 'H', '-', '1', '6'};
    expected.resize(16, 255);
    EXPECT_EQ(BytesAt(image, 0x1300, 16), expected);
    EXPECT_EQ(ImageReadName(image, 0x1300, 16), "CH-16");

    ImageWriteText(image, 0x1300, "AB ", 4);
    EXPECT_EQ(ImageReadName(image, 0x1300, 4), "AB");
    ImageWriteText(image, 0x1300, "TOOLONG", 4);
    EXPECT_EQ(ImageReadName(image, 0x1300, 4), "TOOL");
    ImageWriteText(image, 0x1300, "A_B", 3);
    EXPECT_EQ(ImageReadName(image, 0x1300, 3), "A");
    EXPECT_EQ(ImageReadChars(image, 0x1300, 3), "AB");
}

TEST(ValueCodecs, ChannelReferencesAreBigEndianWithNoneAsFfff) {
    EXPECT_EQ(ChannelRefToBytes(-1), (std::array<std::uint8_t, 2>{0xFF, 0xFF}));
    EXPECT_EQ(ChannelRefToBytes(32), (std::array<std::uint8_t, 2>{0x00, 0x20}));
    EXPECT_EQ(ChannelRefToBytes(303), (std::array<std::uint8_t, 2>{0x01, 0x2F}));
}

TEST(ValueCodecs, TimeOffsetInHalfHours) {
    EXPECT_EQ(OffsetToByte(3), 0x23);
    EXPECT_EQ(OffsetToByte(0), 0x20);
    EXPECT_EQ(OffsetToByte(-3), 0x03);
    EXPECT_EQ(OffsetToByte(30), 0x38);
    EXPECT_EQ(OffsetToByte(24), 0x38);
    EXPECT_EQ(OffsetToByte(-30), 0x18);
    EXPECT_EQ(ByteToOffset(0x00), 0);
    EXPECT_EQ(ByteToOffset(0xE3), 3); // bits 6 and 7 belong to other settings
    EXPECT_EQ(ByteToOffset(0x03), -3);
    for (int count = -24; count <= 24; ++count) {
        EXPECT_EQ(ByteToOffset(OffsetToByte(count)), count);
    }
}

TEST(ValueCodecs, TimeOffsetTexts) {
    EXPECT_EQ(OffsetText(-24), "-12:00");
    EXPECT_EQ(OffsetText(-1), "-0:30");
    EXPECT_EQ(OffsetText(0), " 0");
    EXPECT_EQ(OffsetText(11), "+5:30");
    EXPECT_EQ(OffsetText(24), "+12:00");
    EXPECT_EQ(OffsetText(25), "");
    EXPECT_EQ(OffsetText(-25), "");
    EXPECT_EQ(OffsetTexts().size(), 49u);
}

TEST(TextFormat, FixedWidthFields) {
    EXPECT_EQ(FixedWidth("ABCDEF", 3), "ABC");
    EXPECT_EQ(FixedWidth("AB", 4), "AB  ");
    EXPECT_EQ(LabelColon("Name", 8), "Name   : ");
    EXPECT_EQ(DashField("", 3), "---");
    EXPECT_EQ(DashField("", 12), "------------");
    EXPECT_EQ(DashField("AB", 3), "AB ");
}

TEST(TextFormat, SplitListTrimsItems) {
    EXPECT_EQ(SplitList(" a , b,,c "), (std::vector<std::string>{"a", "b", "", "c"}));
    EXPECT_EQ(SplitList("  one "), (std::vector<std::string>{"one"}));
    EXPECT_EQ(SplitList(""), (std::vector<std::string>{""}));
}

TEST(TextFormat, NumbersAndBooleansAsPreferenceTextsHoldThem) {
    EXPECT_EQ(LeadingNumber("01"), 1.0);
    EXPECT_EQ(LeadingNumber(" 1.5x"), 1.5);
    EXPECT_EQ(LeadingNumber("2,5"), 2.5);
    EXPECT_EQ(LeadingNumber("-3"), -3.0);
    EXPECT_EQ(LeadingNumber("x1"), 0.0);
    EXPECT_EQ(LeadingNumber("0x1"), 0.0);
    EXPECT_TRUE(TextToBool("1"));
    EXPECT_TRUE(TextToBool("-1"));
    EXPECT_TRUE(TextToBool("True"));
    EXPECT_FALSE(TextToBool("0"));
    EXPECT_FALSE(TextToBool(""));
    EXPECT_FALSE(TextToBool("yes"));
}

} // namespace
} // namespace klt
