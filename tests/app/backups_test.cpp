// The backups folder: what a read keeps and what a clear keeps before it erases, told apart by name,
// with the radio's MMSI as people read it; other files are no backups.

#include "app/backups.h"
#include "model/image_layout.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <ctime>
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

// A hundred backups are kept, counted by hand here: the hundredth stays, the hundred-and-first takes the
// oldest away and no other.
TEST(BackupPruning, AHundredStayTheOldestGoesFirst) {
    test::TempFolder folder;
    const std::string memory(RadioImage::kSize, '\xFF');
    std::vector<std::filesystem::path> old;
    for (int day = 1; day <= 99; ++day) {
        char name[64];
        std::snprintf(name, sizeof name, "TQ-300-2020%02d%02d-120000.hex", 1 + (day - 1) / 28,
                      1 + (day - 1) % 28);
        old.push_back(folder.write(name, memory));
    }
    const RadioImage image;
    const auto when = std::chrono::system_clock::now();
    const auto hundredth = KeepBackup(folder.path(), image, Model::Tq300, when);
    ASSERT_TRUE(hundredth);
    EXPECT_EQ(ListBackups(folder.path()).size(), 100u);
    for (const auto &path : old) {
        EXPECT_TRUE(std::filesystem::exists(path)) << path;
    }
    const auto next = KeepBackup(folder.path(), image, Model::Tq300, when + std::chrono::seconds(1));
    ASSERT_TRUE(next);
    const auto kept = ListBackups(folder.path());
    ASSERT_EQ(kept.size(), 100u);
    EXPECT_FALSE(std::filesystem::exists(old[0]));
    for (std::size_t i = 1; i < old.size(); ++i) {
        EXPECT_TRUE(std::filesystem::exists(old[i])) << old[i];
    }
    EXPECT_EQ(kept.front().path, *next);
    EXPECT_EQ(kept.at(1).path, *hundredth);
    EXPECT_EQ(kept.back().path, old[1]);
}

// Backups before clears count among the hundred like those of reads.
TEST(BackupPruning, BackupsBeforeClearsCountToo) {
    test::TempFolder folder;
    const std::string memory(RadioImage::kSize, '\xFF');
    for (int day = 1; day <= 100; ++day) {
        char name[80];
        std::snprintf(name, sizeof name, "TQ-300-2021%02d%02d-080000-before-dsc-log.hex", 1 + (day - 1) / 28,
                      1 + (day - 1) % 28);
        folder.write(name, memory);
    }
    const auto mine = KeepBackup(folder.path(), RadioImage{}, Model::Tq300, std::chrono::system_clock::now());
    ASSERT_TRUE(mine);
    EXPECT_EQ(ListBackups(folder.path()).size(), 100u);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "TQ-300-20210101-080000-before-dsc-log.hex"));
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "TQ-300-20210102-080000-before-dsc-log.hex"));
}

// A dozen backups in one second come back newest first: the twelfth before the eleventh and the tenth,
// the tenth before the ninth.
TEST(BackupPruning, ManyInOneSecondKeepTheirOrder) {
    test::TempFolder folder;
    const auto when = std::chrono::system_clock::now();
    std::vector<std::filesystem::path> made;
    for (int i = 0; i < 12; ++i) {
        const auto path = KeepBackup(folder.path(), RadioImage{}, Model::Tq300, when);
        ASSERT_TRUE(path);
        made.push_back(*path);
    }
    EXPECT_TRUE(made[11].filename().string().ends_with("-12.hex")) << made[11];
    const auto listed = ListBackups(folder.path());
    ASSERT_EQ(listed.size(), 12u);
    for (std::size_t i = 0; i < listed.size(); ++i) {
        EXPECT_EQ(listed[i].path, made[11 - i]) << i;
    }
}

// The backup just kept stays even where it sorts as the oldest: a hundred of another model's kept in the
// same second come after it.
TEST(BackupPruning, TheBackupJustKeptStaysWhenItSortsFirst) {
    test::TempFolder folder;
    const std::string memory(RadioImage::kSize, '\xFF');
    std::tm local{};
    local.tm_year = 2001 - 1900;
    local.tm_mon = 5;
    local.tm_mday = 1;
    local.tm_hour = 12;
    local.tm_isdst = -1;
    const auto when = std::chrono::system_clock::from_time_t(std::mktime(&local));
    for (int sequence = 1; sequence <= 100; ++sequence) {
        folder.write("TQ-500-20010601-120000" +
                         (sequence == 1 ? std::string() : "-" + std::to_string(sequence)) + ".hex",
                     memory);
    }
    const auto mine = KeepBackup(folder.path(), RadioImage{}, Model::Tq300, when);
    ASSERT_TRUE(mine);
    EXPECT_EQ(mine->filename(), "TQ-300-20010601-120000.hex");
    EXPECT_TRUE(std::filesystem::exists(*mine));
}

} // namespace
} // namespace klt
