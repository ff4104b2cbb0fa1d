// The backups folder: what a read keeps and what a clear keeps before it erases, told apart by name,
// with the radio's MMSI as people read it; other files are no backups.

#include "app/backups.h"
#include "model/image_layout.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>

namespace klt {
namespace {

TEST(Backups, ReadsAndClearsAreToldApart) {
    test::TempFolder folder;
    RadioImage image;
    const std::array<std::uint8_t, 5> mmsi = {0x36, 0x61, 0x23, 0x45, 0x60};
    std::copy(mmsi.begin(), mmsi.end(), image.bytes().begin() + layout::kUserMmsi);
    const auto when = std::chrono::system_clock::now();
    const auto read = KeepBackup(folder.path(), image, Model::Tq300, when);
    const auto cleared = KeepBackup(folder.path(), image, Model::Tq300, when + std::chrono::seconds(1),
                                    Operation::ClearDscLog);
    ASSERT_TRUE(read && cleared);
    EXPECT_TRUE(cleared->filename().string().ends_with("-before-dsc-log.hex")) << *cleared;
    folder.write("TQ-300-20261208-171500-before-nothing.hex", std::string(32768, '\xFF'));
    folder.write("notes.hex", std::string(32768, '\xFF'));

    const auto backups = ListBackups(folder.path());
    ASSERT_EQ(backups.size(), 2u);
    EXPECT_EQ(backups[0].path, *cleared); // newest first
    EXPECT_EQ(backups[0].beforeClear, Operation::ClearDscLog);
    EXPECT_EQ(backups[0].kind, "before " + OperationCaption(Operation::ClearDscLog));
    EXPECT_EQ(backups[1].kind, "read");
    EXPECT_EQ(backups[1].beforeClear, std::nullopt);
    EXPECT_EQ(backups[1].model, "TQ-300");
    EXPECT_EQ(backups[1].userMmsi, "366123456");
    EXPECT_EQ(DescribeBackup(folder.path() / "notes.hex"), std::nullopt);
}

// Two backups in one second both stay; pruning keeps the newest 100 of the program's own files, the
// one just kept always, and counts a file stamped in the future as the oldest; the user's files stay.
TEST(Backups, PruningKeepsTheNewestAndOnlyEverRemovesItsOwn) {
    test::TempFolder folder;
    const RadioImage image;
    const auto when = std::chrono::system_clock::now();
    const auto first = KeepBackup(folder.path(), image, Model::Tq300, when);
    const auto second = KeepBackup(folder.path(), image, Model::Tq450, when);
    const auto third = KeepBackup(folder.path(), image, Model::Tq300, when);
    ASSERT_TRUE(first && second && third);
    EXPECT_NE(*first, *third);
    EXPECT_EQ(ListBackups(folder.path()).front().path, *third); // the newest of the second first
    EXPECT_EQ(ListBackups(folder.path()).at(1).model, "TQ-400E/TQ-450");

    const std::string memory(RadioImage::kSize, '\xFF');
    for (int i = 0; i < 110; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "TQ-300-2020%02d%02d-120000.hex", 1 + i / 28, 1 + i % 28);
        folder.write(name, memory);
    }
    const auto future = folder.write("TQ-300-20991231-235959.hex", memory);
    const auto users = folder.write("TQ-300-20200101-000000.hex", "the user's own notes");
    const auto mine = KeepBackup(folder.path(), image, Model::Tq300, when + std::chrono::seconds(1));
    ASSERT_TRUE(mine);
    const auto kept = ListBackups(folder.path());
    EXPECT_EQ(kept.size(), kBackupsKept);
    EXPECT_TRUE(std::filesystem::exists(*mine));
    EXPECT_FALSE(std::filesystem::exists(future));
    EXPECT_TRUE(std::filesystem::exists(users));
    EXPECT_TRUE(std::filesystem::exists(*first));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "TQ-300-20200101-120000.hex")); // the oldest went
}

TEST(Backups, NowhereToKeepThemIsSaidNotGuessed) {
    EXPECT_EQ(KeepBackup({}, RadioImage{}, Model::Tq300, std::chrono::system_clock::now()), std::nullopt);
    EXPECT_TRUE(BackupFolderProblem({}).has_value());
    test::TempFolder folder;
    EXPECT_EQ(BackupFolderProblem(folder.path() / "not yet"), std::nullopt); // no backup kept so far
    const auto file = folder.write("a file", "x");
    const auto problem = BackupFolderProblem(file);
    ASSERT_TRUE(problem.has_value());
    EXPECT_NE(problem->find("Not a directory"), std::string::npos) << *problem;
}

} // namespace
} // namespace klt
