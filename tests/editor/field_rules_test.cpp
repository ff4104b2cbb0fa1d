#include "editor/channel_display.h"
#include "model/field_rules.h"
#include "editor/qt_text.h"

#include <gtest/gtest.h>

namespace klt {
namespace {

TEST(ChannelDisplay, NumbersAboveNinetyNineTakeTheRadiosTwoDigitForms) {
    EXPECT_EQ(PlanChannelDisplay("16").number, "16");
    EXPECT_EQ(PlanChannelDisplay("16").suffix, "");
    EXPECT_EQ(PlanChannelDisplay("01A").number, "01");
    EXPECT_EQ(PlanChannelDisplay("01A").suffix, "A");
    EXPECT_EQ(PlanChannelDisplay("00").number, "00");
    EXPECT_EQ(PlanChannelDisplay("100").number, "o0");
    EXPECT_EQ(PlanChannelDisplay("105a").number, "o5");
    EXPECT_EQ(PlanChannelDisplay("105a").suffix, "a");
    EXPECT_EQ(PlanChannelDisplay("110").number, "'0");
    EXPECT_EQ(PlanChannelDisplay("119A").number, "'9");
}

TEST(ChannelDisplay, ScramblerListPositionsAndCodes) {
    EXPECT_EQ(ScramblerPosition(0), 0);
    EXPECT_EQ(ScramblerPosition(4), 1);
    EXPECT_EQ(ScramblerPosition(7), 4);
    EXPECT_EQ(ScramblerPosition(3), -1); // no entry: the list shows none
    EXPECT_EQ(ScramblerPosition(8), -1);
    EXPECT_EQ(ScramblerCode(0), 0);
    EXPECT_EQ(ScramblerCode(1), 4);
    EXPECT_EQ(ScramblerCode(4), 7);
}

TEST(FieldRules, KeyFilters) {
    EXPECT_TRUE(FilterAccepts(KeyFilter::Digits, '7'));
    EXPECT_TRUE(FilterAccepts(KeyFilter::Digits, kBackspace));
    EXPECT_FALSE(FilterAccepts(KeyFilter::Digits, '.'));
    EXPECT_TRUE(FilterAccepts(KeyFilter::Frequency, '.'));
    EXPECT_FALSE(FilterAccepts(KeyFilter::Frequency, ','));
    // The display shows these letters in exactly these cases, and takes no Backspace.
    for (const char key : std::string("AbCdEFHLnPtUGIJoqrSyM")) {
        EXPECT_TRUE(FilterAccepts(KeyFilter::DisplayCharacters, key)) << key;
    }
    for (const char key : {'a', 'B', 'c', 'D', 'K', 'm', kBackspace}) {
        EXPECT_FALSE(FilterAccepts(KeyFilter::DisplayCharacters, key)) << key;
    }
    EXPECT_TRUE(FilterAccepts(KeyFilter::Name, ','));
    EXPECT_TRUE(FilterAccepts(KeyFilter::Name, ' '));
    EXPECT_FALSE(FilterAccepts(KeyFilter::Name, '_'));
    EXPECT_FALSE(FilterAccepts(KeyFilter::StatusName, ','));
    EXPECT_TRUE(FilterAccepts(KeyFilter::StatusName, '+'));
    EXPECT_TRUE(FilterAccepts(KeyFilter::None, '_'));
}

TEST(FieldRules, FrequenciesOnTheRasterOfTheBand) {
    EXPECT_DOUBLE_EQ(*CheckedFrequency("156.025"), 156.025);
    EXPECT_DOUBLE_EQ(*CheckedFrequency("137"), 137.0);
    EXPECT_DOUBLE_EQ(*CheckedFrequency("174.0000"), 174.0);
    EXPECT_DOUBLE_EQ(*CheckedFrequency("161.975"), 161.975);
    EXPECT_EQ(*CheckedFrequency(""), 0.0);
    for (const char *refused :
         {"156.0125", "156.010", "136.975", "174.025", "175.000", "0", ".", "---.----"}) {
        EXPECT_FALSE(CheckedFrequency(refused)) << refused;
    }
}

TEST(FieldRules, StatusNamesAndFixedLengthNumbers) {
    EXPECT_EQ(StatusNameOf("  AB  "), "AB");
    EXPECT_EQ(StatusNameOf(" ABCDEF"), "ABCD");
    EXPECT_EQ(StatusNameOf("   "), "");

    EXPECT_EQ(*FixedLengthValue("123456789", NumberKind::Mmsi), "1234567890");
    EXPECT_EQ(*FixedLengthValue(" 123456789 ", NumberKind::Mmsi), "1234567890");
    EXPECT_EQ(*FixedLengthValue("", NumberKind::Mmsi), "");
    EXPECT_FALSE(FixedLengthValue("12345678", NumberKind::Mmsi));
    EXPECT_FALSE(FixedLengthValue("12345678x", NumberKind::Mmsi));
    EXPECT_EQ(*FixedLengthValue("12345678", NumberKind::GroupMmsi), "0123456780");
    EXPECT_FALSE(FixedLengthValue("123456789", NumberKind::GroupMmsi));
    EXPECT_EQ(*FixedLengthValue("1234567890", NumberKind::AtisCode), "1234567890");
    EXPECT_FALSE(FixedLengthValue("123456789", NumberKind::AtisCode));
}

TEST(QtText, WindowsBytesSurviveTheWidgets) {
    std::string bytes;
    for (int b = 1; b < 256; ++b) {
        bytes.push_back(static_cast<char>(b));
    }
    const QString text = ToQString(bytes);
    EXPECT_EQ(text[0x80 - 1], QChar(0x20AC));
    EXPECT_EQ(text[0xE9 - 1], QChar(0xE9));
    EXPECT_EQ(FromQString(text), bytes);
    EXPECT_EQ(FromQString(QString::fromUtf8("\xE2\x82\xAC \xE2\x98\x83")), "\x80 ?");
}

TEST(ChannelTables, RowsOfPlanAndExpansionChannels) {
    std::vector<ChannelRecord> table(3);
    table[1].Position = 33;
    table[1].Enable = true;
    table[1].TxEnable = true;
    table[1].Scramble = 6;
    table[1].ChTag = "NAME";
    const auto rows = PlanGridRows(table, true);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], (GridRow{"16A", "156.800", "156.800", "TX", "---", "--", "---", "---", "2", "NAME"}));
    EXPECT_EQ(PlanGridRows(table, false)[0][8], "");

    std::array<ChannelRecord, 2> expansion{};
    expansion[1].Enable = true;
    expansion[1].CHDisplayL = "7";
    expansion[1].CHDisplayR = "A";
    expansion[1].Rxfreq = 157.425;
    const auto exp = ExpansionGridRows(expansion, true);
    EXPECT_EQ(exp[1][0], "2");
    EXPECT_EQ(exp[1][1], "[Enable]");
    EXPECT_EQ(exp[1][2], "7 A");
    EXPECT_EQ(exp[1][3], "157.4250");
    EXPECT_EQ(expansion[1].Rxfreq, 157.425); // shown, never changed
}

} // namespace
} // namespace klt
