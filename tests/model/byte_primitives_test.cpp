#include "model/byte_bits.h"
#include "model/model_catalogue.h"
#include "model/radio_image.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace klt {
namespace {

TEST(ByteBits, SetBitSetsOnlyForTheValueOne) {
    EXPECT_EQ(ByteSetBit(0x00, 1, 7), 0x80);
    EXPECT_EQ(ByteSetBit(0xFF, -1, 7), 0x7F);
    EXPECT_EQ(ByteSetBit(0xFF, 2, 0), 0xFE);
    EXPECT_EQ(ByteSetBit(0x5A, 1, 8), 0x5A);
    EXPECT_EQ(ByteSetBit(0x5A, 1, -1), 0x5A);
}

TEST(ByteBits, FieldsRunFromTheirTopBitDown) {
    EXPECT_EQ(ByteSetField(0x00, 2, 7, 3), 0xC0);
    EXPECT_EQ(ByteGetField(0x5A, 3, 3), 5);
    EXPECT_EQ(ByteSetField(0xFF, 3, 3, 0), 0xF1);
    EXPECT_EQ(ByteSetField(0x00, 3, 3, 13), 0x0A); // only the low three bits of the value
    for (int value = 0; value < 8; ++value) {
        EXPECT_EQ(ByteGetField(ByteSetField(0xA5, 3, 5, value), 3, 5), value);
    }
}

TEST(ByteBits, MasksAndTestsOutsideOneToEightAreEmpty) {
    EXPECT_EQ(ByteBitMask(1, 1), 0x01);
    EXPECT_EQ(ByteBitMask(-1, 8), 0x80);
    EXPECT_EQ(ByteBitMask(0, 8), 0x00);
    EXPECT_EQ(ByteBitMask(1, 0), 0x00);
    EXPECT_EQ(ByteBitMask(1, 9), 0x00);
    EXPECT_TRUE(ByteTestBit(0x80, 8));
    EXPECT_FALSE(ByteTestBit(0xFF, 9));
    EXPECT_EQ(ByteGetBit(0x80, 7), 1);
    EXPECT_EQ(ByteGetBit(0xFF, 8), 0);
}

TEST(ByteBits, BitmapsAreMostSignificantBitFirst) {
    RadioImage image;
    image.set(0x500, 0x80);
    image.set(0x501, 0x01);
    EXPECT_TRUE(ImageReadBit(image, 0x500, 0));
    EXPECT_FALSE(ImageReadBit(image, 0x500, 7));
    EXPECT_TRUE(BitmapEntry(image, 0x500, 0));
    EXPECT_TRUE(BitmapEntry(image, 0x500, 15));
    EXPECT_FALSE(BitmapEntry(image, 0x500, 8));
}

TEST(ByteBits, HexDigitsPadAndCut) {
    EXPECT_EQ(HexDigits(0x7FFF, 4), "7FFF");
    EXPECT_EQ(HexDigits(0xA, 2), "0A");
    EXPECT_EQ(HexDigits(0x12345, 4), "2345");
    EXPECT_EQ(HexDigits(0, 4), "0000");
}

TEST(RadioImage, AddressesOutsideTheMemoryAreRefused) {
    RadioImage image;
    EXPECT_NO_THROW(image.set(0x7FFF, 1));
    EXPECT_THROW(image.set(0x8000, 1), std::out_of_range);
    EXPECT_THROW((void)image.at(0x8000), std::out_of_range);
    EXPECT_THROW((void)image.be16(0x7FFF), std::out_of_range);
}

TEST(RadioImage, ChecksumIsTheLowByteOfTheSum) {
    RadioImage image;
    ImageClear(image);
    EXPECT_EQ(ImageChecksum(image, 66, 29), 0xE3);
    image.set(66, 0x01);
    image.set(94, 0x10);
    EXPECT_EQ(ImageChecksum(image, 66, 29), static_cast<std::uint8_t>(27 * 255 + 0x11));
    ImageStoreChecksum(image);
    EXPECT_EQ(image.at(95), ImageChecksum(image, 66, 29));
    EXPECT_EQ(image.at(65), 0xFF); // its neighbours stay
}

TEST(RadioImage, ModelCodeIsStampedAtBothEnds) {
    RadioImage image;
    ImageClear(image);
    ImageStampModelCode(image, 0x01F4);
    EXPECT_EQ(image.at(0), 0x01);
    EXPECT_EQ(image.at(1), 0xF4);
    EXPECT_EQ(image.at(0x7FFE), 0x01);
    EXPECT_EQ(image.at(0x7FFF), 0xF4);
    const auto addresses = ModelCodeAddresses(image);
    EXPECT_EQ(addresses.head, 0x0000u);
    EXPECT_EQ(addresses.tail, 0x7FFEu);
}

TEST(RadioImage, OnlyAFileOfExactlyThirtyTwoKibHoldsAnImage) {
    test::TempFolder folder;
    const RadioImage image;
    EXPECT_TRUE(FileHoldsImage(folder.write("a", std::string(32768, 'x')), image));
    EXPECT_FALSE(FileHoldsImage(folder.write("b", std::string(32767, 'x')), image));
    EXPECT_FALSE(FileHoldsImage(folder.write("c", std::string(32769, 'x')), image));
    EXPECT_FALSE(FileHoldsImage(folder.path() / "missing", image));
}

TEST(RadioImage, CopyNeedsASourceAsLongAsTheTarget) {
    std::vector<std::uint8_t> target(4, 0);
    const std::vector<std::uint8_t> source = {1, 2, 3, 4, 5};
    CopyByteArray(target, source);
    EXPECT_EQ(target, (std::vector<std::uint8_t>{1, 2, 3, 4}));
    EXPECT_THROW(CopyByteArray(target, std::vector<std::uint8_t>{1, 2}), std::out_of_range);
}

TEST(ModelCatalogue, NamesCodesAndSuffixes) {
    EXPECT_EQ(ModelName(ModelNo(2)), "TQ-400E/TQ-450");
    EXPECT_EQ(ModelName(ModelNo(11)), "TQ-300M");
    EXPECT_EQ(ModelName(ModelNo(4)), "Unknown model");
    EXPECT_EQ(ModelCaption(ModelNo(11)), "");
    EXPECT_EQ(ModelCaption(ModelNo(3)), "TQ-500");
    EXPECT_EQ(ModelFileSuffix(ModelNo(1)), "_012C");
    EXPECT_EQ(ModelFileSuffix(ModelNo(2)), "_01C2");
    EXPECT_EQ(ModelFileSuffix(ModelNo(3)), "_01F4");
    EXPECT_EQ(ModelFileSuffix(ModelNo(11)), "-M_012C");
    EXPECT_EQ(ModelFileSuffix(ModelNo(7)), "");
}

TEST(ModelCatalogue, ImageAcceptance) {
    for (const int model : {1, 2, 11}) {
        EXPECT_TRUE(ImageModelCodeMatches(ModelNo(model), 300, 300)) << model;
    }
    EXPECT_FALSE(ImageModelCodeMatches(ModelNo(3), 300, 300));
    EXPECT_TRUE(ImageModelCodeMatches(ModelNo(2), 450, 450));
    EXPECT_TRUE(ImageModelCodeMatches(ModelNo(3), 500, 500));
    for (const int model : {1, 2, 3, 4, 10, 11}) {
        EXPECT_FALSE(ImageModelCodeMatches(ModelNo(model), 450, 300)) << model;
        EXPECT_FALSE(ImageModelCodeMatches(ModelNo(model), 300, 450)) << model;
    }
    EXPECT_FALSE(ImageModelCodeMatches(ModelNo(5), 0xFFFF, 0xFFFF));
}

} // namespace
} // namespace klt
