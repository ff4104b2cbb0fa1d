#include "editor/directory_rules.h"

#include <gtest/gtest.h>

namespace klt {
namespace {

std::array<DirectoryEntry, 4> Directory(int used) {
    std::array<DirectoryEntry, 4> entries{};
    for (int i = 0; i < used; ++i) {
        entries[static_cast<std::size_t>(i)] = {true, "N" + std::to_string(i + 1), std::to_string(i + 1), {}};
    }
    return entries;
}

TEST(DirectoryRules, EntriesAreAddedOnlyAfterACompleteOne) {
    auto entries = Directory(0);
    EXPECT_EQ(StateOfEntry(entries, 1), EntryState::Addable);
    EXPECT_EQ(StateOfEntry(entries, 2), EntryState::Unreachable);
    entries = Directory(2);
    EXPECT_EQ(UsedCount(entries), 2);
    EXPECT_EQ(StateOfEntry(entries, 2), EntryState::InUse);
    EXPECT_EQ(StateOfEntry(entries, 3), EntryState::Addable);
    entries[1].Mmsid.clear();
    EXPECT_EQ(StateOfEntry(entries, 3), EntryState::Blocked);
    entries[3].Enable = true; // in use only after a gap: not counted
    EXPECT_EQ(UsedCount(entries), 2);
    EXPECT_EQ(StateOfEntry(Directory(4), 4), EntryState::InUse);
}

TEST(DirectoryRules, DeletingMovesTheLaterEntriesUp) {
    auto entries = Directory(3);
    entries[0].Members[5] = true;
    DeleteEntry(entries, 1);
    EXPECT_EQ(entries[0].TagName, "N2");
    EXPECT_EQ(entries[1].Mmsid, "3");
    EXPECT_FALSE(entries[2].Enable);
    EXPECT_EQ(entries[2].TagName, "");
    EXPECT_TRUE(entries[0].Members[5]); // members are not the entry's to move
    auto full = Directory(4);
    DeleteEntry(full, 4);
    EXPECT_EQ(UsedCount(full), 3);
    EXPECT_EQ(full[3].Mmsid, "");
    DeleteEntry(full, 5); // no such entry: nothing happens
    EXPECT_EQ(UsedCount(full), 3);
}

TEST(DirectoryRules, TableRowsAndMmsiTexts) {
    auto entries = Directory(1);
    entries[0].Mmsid = "2111111110";
    const auto rows = DirectoryGridRows(entries);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], (GridRow{"1", "N1", "211111111"}));
    EXPECT_EQ(rows[3], (GridRow{"4", "", "         "}));
    EXPECT_EQ(MmsiFieldText("2111111110", false), "211111111");
    EXPECT_EQ(MmsiFieldText("0123456780", true), "12345678");
    EXPECT_EQ(MmsiFieldText("", true), "");
}

} // namespace
} // namespace klt
