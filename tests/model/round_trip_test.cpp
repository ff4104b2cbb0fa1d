// Round trips between the settings records and the radio memory over random configurations and
// random memories.

#include "model/image_mapping.h"
#include "support/random_config.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace klt {
namespace {

RadioImage RandomImage(std::mt19937 &random, int model) {
    RadioImage image;
    std::uniform_int_distribution<int> byte(0, 255);
    for (auto &b : image.bytes()) {
        b = static_cast<std::uint8_t>(byte(random));
    }
    Configuration unused;
    RadioImage fresh;
    ImageNewDefaults(fresh, unused, ModelNo(model));
    image.setBe16(0, fresh.be16(0));
    image.setBe16(0x7FFE, fresh.be16(0x7FFE));
    return image;
}

class RoundTrip : public ::testing::TestWithParam<int> {};

TEST_P(RoundTrip, DecodingTheEncodedRecordsGivesEveryMappedFieldBack) {
    const int model = GetParam();
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 random(seed * 7 + static_cast<unsigned>(model));
        const Configuration original = test::RandomConfiguration(random, model);
        RadioImage image = RandomImage(random, model);
        EncodeImage(image, original);

        Configuration decoded = test::RandomConfiguration(random, model);
        DecodeImage(image, decoded, ModelNo(model));
        ASSERT_EQ(test::MappedFields(decoded, model), test::MappedFields(original, model)) << "seed " << seed;

        // Fields the memory does not hold keep their values.
        Configuration same = original;
        DecodeImage(image, same, ModelNo(model));
        ASSERT_EQ(same, original) << "seed " << seed;
    }
}

TEST_P(RoundTrip, EncodingADecodedMemoryIsStable) {
    const int model = GetParam();
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 random(seed * 13 + static_cast<unsigned>(model));
        RadioImage image = RandomImage(random, model);
        Configuration config = test::RandomConfiguration(random, model);
        DecodeImage(image, config, ModelNo(model));
        EncodeImage(image, config);
        const RadioImage once = image;
        Configuration again = config;
        DecodeImage(image, again, ModelNo(model));
        EncodeImage(image, again);
        EXPECT_EQ(image, once) << "seed " << seed;
        Configuration third = again;
        DecodeImage(image, third, ModelNo(model));
        EXPECT_EQ(third, again) << "seed " << seed;
    }
}

INSTANTIATE_TEST_SUITE_P(Models, RoundTrip, ::testing::Values(1, 2, 3));

// A bit the encoder writes ends up the same whatever the memory held before; a bit it leaves keeps
// what was there. Encoding one configuration over all-zero and all-one memories tells them apart.
std::vector<std::uint8_t> WrittenBits(const Configuration &config) {
    RadioImage zeros;
    RadioImage ones;
    std::ranges::fill(zeros.bytes(), std::uint8_t{0x00});
    std::ranges::fill(ones.bytes(), std::uint8_t{0xFF});
    EncodeImage(zeros, config);
    EncodeImage(ones, config);
    std::vector<std::uint8_t> written(RadioImage::kSize);
    for (Address a = 0; a < RadioImage::kSize; ++a) {
        written[a] = static_cast<std::uint8_t>(~(zeros.at(a) ^ ones.at(a)));
    }
    return written;
}

TEST(Encode, LeavesTheBytesAndBitsItDoesNotMap) {
    std::mt19937 random(99);
    const auto written = WrittenBits(test::RandomConfiguration(random, 3));
    const auto expectUntouched = [&written](Address address, std::uint8_t mask) {
        EXPECT_EQ(written[address] & mask, 0) << "address " << address << " mask " << int(mask);
    };
    for (Address a = 0; a < 33; ++a) {
        expectUntouched(a, 0xFF); // model code, radio state the program only reads
    }
    for (const Address a : {34u, 35u, 36u, 37u, 38u, 39u, 95u, 421u, 427u, 0x7FFEu, 0x7FFFu}) {
        expectUntouched(a, 0xFF);
    }
    for (Address a = 66; a <= 94; ++a) {
        expectUntouched(a, 0xFF);
    }
    for (Address n = 0; n < 240; ++n) {
        for (const Address base : {0x800u, 0xA00u, 0xC00u}) {
            expectUntouched(base + 2 * n, 0x01);
            expectUntouched(base + 2 * n + 1, 0xFF);
        }
    }
    for (Address k = 0; k < 64; ++k) {
        const Address block = 0xE00 + 16 * k;
        expectUntouched(block, 0xF1);
        expectUntouched(block + 1, 0x20);
        for (Address offset = 11; offset < 16; ++offset) {
            expectUntouched(block + offset, 0xFF);
        }
    }
    expectUntouched(437, 0x68);
    for (Address a = 256; a < 352; ++a) {
        expectUntouched(a, 0xFF); // the radio's own channel slots
    }
    for (Address a = 0x5100; a < 0x7FFE; ++a) {
        expectUntouched(a, 0xFF);
    }
    EXPECT_EQ(written[0x590], 0xFF);
    EXPECT_EQ(written[0x591], 0xFF); // a partial bitmap byte is written whole
    EXPECT_EQ(written[0x4700], 0xFF);
}

} // namespace
} // namespace klt
