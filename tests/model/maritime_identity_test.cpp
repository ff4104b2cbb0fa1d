// Marine identities: the country of each allocated MID, and the kinds of number each place asks for.

#include "model/maritime_identity.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace klt {
namespace {

// Every row of the shipped list is found, with its country exactly as the list spells it.
TEST(MaritimeIdentity, EveryAllocatedMidNamesItsCountry) {
    const std::string csv =
        test::ReadFile(std::filesystem::path(KLT_TEST_DATA_DIR) / ".." / ".." / "data" / "mid.csv");
    std::istringstream lines(csv);
    std::string line;
    std::getline(lines, line); // the header
    int rows = 0;
    while (std::getline(lines, line)) {
        const std::string mid = line.substr(0, 3);
        const std::string country = line.substr(5, line.size() - 6);
        EXPECT_EQ(CountryOfMid(mid), country) << line;
        ++rows;
    }
    EXPECT_EQ(rows, 289);
    EXPECT_EQ(CountryOfMid("366"), "United States of America");
    EXPECT_EQ(CountryOfMid("200"), std::nullopt);
    EXPECT_EQ(CountryOfMid("99"), std::nullopt);
    EXPECT_EQ(CountryOfMid("3a6"), std::nullopt);
}

TEST(MaritimeIdentity, EachPlaceAsksForItsKindOfNumber) {
    // The radio's own MMSI: a ship station of an allocated MID.
    EXPECT_EQ(UserMmsiWarning("366123456"), std::nullopt);
    EXPECT_EQ(UserMmsiWarning("211234560"), std::nullopt);
    EXPECT_TRUE(UserMmsiWarning("003669999").has_value()); // a coast station
    EXPECT_TRUE(UserMmsiWarning("812345678").has_value());
    EXPECT_EQ(*UserMmsiWarning("200123456"), "200123456: 200 is no country's Maritime Identification Digits");
    // A station: a ship, or a coast station behind "00".
    EXPECT_EQ(IndividualMmsiWarning("003669999"), std::nullopt);
    EXPECT_EQ(IndividualMmsiWarning("257123456"), std::nullopt);
    EXPECT_TRUE(IndividualMmsiWarning("002009999").has_value());
    EXPECT_TRUE(IndividualMmsiWarning("112345678").has_value());
    // A group: the eight digits typed begin with a MID.
    EXPECT_EQ(GroupMmsiWarning("21112345"), std::nullopt);
    EXPECT_TRUE(GroupMmsiWarning("99912345").has_value());
    // An ATIS code: 9, a MID, six digits.
    EXPECT_EQ(AtisCodeWarning("9211234567"), std::nullopt);
    EXPECT_TRUE(AtisCodeWarning("2111234567").has_value());
    EXPECT_TRUE(AtisCodeWarning("9999234567").has_value());
}

TEST(MaritimeIdentity, NumbersWithTheirCountry) {
    EXPECT_EQ(MmsiWithCountry("366123456"), "366123456 - United States of America");
    EXPECT_EQ(MmsiWithCountry("003669999"), "003669999 - United States of America"); // a coast station
    EXPECT_EQ(MmsiWithCountry("021112345"), "021112345 - Germany (Federal Republic of)"); // a group
    EXPECT_EQ(MmsiWithCountry("200123456"), "200123456");
    EXPECT_EQ(CountryOfAtisCode("9211234567"), "Germany (Federal Republic of)");
}

} // namespace
} // namespace klt
