// Names and fixed-length numbers at their limits: the widths of each kind of name, the characters the
// radio shows, and the stored forms of MMSIs and the ATIS code.

#include "model/directory_rules.h"
#include "model/name_rules.h"
#include "model/number_rules.h"

#include <gtest/gtest.h>

namespace klt {
namespace {

TEST(NameRules, EachKindOfNameHasItsWidth) {
    const struct {
        std::size_t length;
        std::size_t expected;
    } widths[] = {{kChannelNameLength, 16}, {kDirectoryNameLength, 11}, {kStatusNameLength, 4}};
    for (const auto &w : widths) {
        EXPECT_EQ(w.length, w.expected);
        EXPECT_FALSE(NameTooLong(std::string(w.expected, 'A'), w.length));
        EXPECT_TRUE(NameTooLong(std::string(w.expected + 1, 'A'), w.length));
    }
}

TEST(NameRules, OnlyTheCharactersTheRadioShows) {
    EXPECT_EQ(UnshowableNameCharacter("SEA BREEZE-2 (A/B)*+.,"), std::nullopt);
    EXPECT_EQ(UnshowableNameCharacter("NOAA_LOCAL"), '_');
    EXPECT_EQ(UnshowableNameCharacter("A;B_"), ';'); // the first one
    EXPECT_EQ(UnshowableNameCharacter("\xC4"), '\xC4');
    // The name field lets the Backspace key through; as a character it is none the radio shows.
    EXPECT_EQ(UnshowableNameCharacter("AB\bC"), '\b');
    EXPECT_EQ(StatusNameOf("  WORKBOAT "), "WORK");
}

TEST(NumberRules, StoredFormsOfEachKind) {
    EXPECT_EQ(DigitCount(NumberKind::Mmsi), 9u);
    EXPECT_EQ(DigitCount(NumberKind::GroupMmsi), 8u);
    EXPECT_EQ(DigitCount(NumberKind::AtisCode), 10u);
    EXPECT_EQ(FixedLengthValue("366100137", NumberKind::Mmsi), "3661001370");
    EXPECT_EQ(FixedLengthValue("36610013", NumberKind::GroupMmsi), "0366100130");
    EXPECT_EQ(FixedLengthValue("9123456789", NumberKind::AtisCode), "9123456789");
    EXPECT_FALSE(FixedLengthValue("3661001370", NumberKind::Mmsi));
    EXPECT_FALSE(FixedLengthValue("366100137", NumberKind::GroupMmsi));

    EXPECT_TRUE(StoredNumberValid("", NumberKind::Mmsi));
    EXPECT_TRUE(StoredNumberValid("3661001370", NumberKind::Mmsi));
    EXPECT_FALSE(StoredNumberValid("3661001371", NumberKind::Mmsi)); // the tenth digit is always 0
    EXPECT_FALSE(StoredNumberValid("366100137", NumberKind::Mmsi));
    EXPECT_TRUE(StoredNumberValid("0366100130", NumberKind::GroupMmsi));
    EXPECT_FALSE(StoredNumberValid("3661001370", NumberKind::GroupMmsi)); // a group's starts with 0
    EXPECT_TRUE(StoredNumberValid("9123456789", NumberKind::AtisCode));
    EXPECT_FALSE(StoredNumberValid("912345678x", NumberKind::AtisCode));

    // Every number a field takes is stored valid, and shows again as typed.
    for (const auto &[typed, kind] :
         {std::pair{"366100137", NumberKind::Mmsi}, {"36610013", NumberKind::GroupMmsi}}) {
        const auto stored = FixedLengthValue(typed, kind);
        ASSERT_TRUE(stored);
        EXPECT_TRUE(StoredNumberValid(*stored, kind));
        EXPECT_EQ(MmsiFieldText(*stored, kind == NumberKind::GroupMmsi), typed);
    }
}

TEST(DirectoryRules, EmptyingAnEntryKeepsItsMembers) {
    DirectoryEntry entry{true, "FLEET", "0366100130", {}};
    entry.Members[3] = true;
    EmptyEntry(entry);
    EXPECT_FALSE(entry.Enable);
    EXPECT_EQ(entry.TagName, "");
    EXPECT_EQ(entry.Mmsid, "");
    EXPECT_TRUE(entry.Members[3]);
}

} // namespace
} // namespace klt
