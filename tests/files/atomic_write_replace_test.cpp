// How a save replaces what was there: a new file under a single name, the same file under several;
// the owner, group and mode carried over; and every way it can fail said, never taken for a save.

#include "files/atomic_write.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <fstream>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace klt {
namespace {

namespace fs = std::filesystem;

struct stat StatOf(const fs::path &path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info;
}

std::size_t EntriesIn(const fs::path &folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
}

constexpr uid_t kOtherUser = 12345;
constexpr gid_t kOtherGroup = 23456;

// An ordinary user, not the administrator, who may write anywhere.
int AsOrdinaryUser(const std::function<int()> &f) {
    return test::AsUser(kOtherUser, kOtherGroup, f);
}

TEST(AtomicWriteReplacement, ASingleNameGetsANewFileSeveralNamesKeepTheirFile) {
    test::TempFolder folder;
    const auto single = folder.write("single.dat", "old");
    const ino_t singleBefore = StatOf(single).st_ino;
    // Held open, the old file cannot give its inode number to the new one.
    const int held = ::open(single.c_str(), O_RDONLY);
    EXPECT_FALSE(WriteFileAtomically(single, "new single"));
    EXPECT_NE(StatOf(single).st_ino, singleBefore) << "replaced by rename, not rewritten";
    char old[8] = {};
    EXPECT_EQ(::read(held, old, sizeof old), 3); // a reader of the old file still sees it whole
    EXPECT_EQ(std::string(old, 3), "old");
    ::close(held);
    EXPECT_EQ(test::ReadFile(single), "new single");

    const auto linked = folder.write("linked.dat", "old linked");
    fs::create_hard_link(linked, folder.path() / "other.dat");
    const ino_t linkedBefore = StatOf(linked).st_ino;
    ASSERT_FALSE(WriteFileAtomically(linked, "new"));
    EXPECT_EQ(StatOf(linked).st_ino, linkedBefore);
    EXPECT_EQ(StatOf(folder.path() / "other.dat").st_ino, linkedBefore);
    EXPECT_EQ(test::ReadFile(folder.path() / "other.dat"), "new"); // shorter: the old tail is gone
    EXPECT_EQ(EntriesIn(folder.path()), 3u);                       // no trial file left behind
}

TEST(AtomicWriteReplacement, OwnerGroupAndSetIdBitsAreKept) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only the administrator can make a file of another user";
    }
    test::TempFolder folder;
    const auto target = folder.write("a.dat", "old");
    ASSERT_EQ(::chown(target.c_str(), kOtherUser, kOtherGroup), 0);
    ASSERT_EQ(::chmod(target.c_str(), 06750), 0);
    ASSERT_FALSE(WriteFileAtomically(target, "new"));
    const struct stat info = StatOf(target);
    EXPECT_EQ(info.st_uid, kOtherUser);
    EXPECT_EQ(info.st_gid, kOtherGroup);
    EXPECT_EQ(info.st_mode & 07777, 06750u);
}

TEST(AtomicWriteReplacement, ANewFileGetsTheUmasksPermissions) {
    test::TempFolder folder;
    const mode_t saved = ::umask(027);
    const auto fault = WriteFileAtomically(folder.path() / "a.dat", "x");
    ::umask(022);
    const auto second = WriteFileAtomically(folder.path() / "b.dat", "x");
    ::umask(saved);
    ASSERT_FALSE(fault);
    ASSERT_FALSE(second);
    EXPECT_EQ(StatOf(folder.path() / "a.dat").st_mode & 07777, 0640u);
    EXPECT_EQ(StatOf(folder.path() / "b.dat").st_mode & 07777, 0644u);
}

// A folder the user may not write in: nothing is saved, the fault says so, the old file stays.
TEST(AtomicWriteFailures, AFolderThatMayNotBeWrittenIsAFault) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "the test switches to another user";
    }
    test::TempFolder folder;
    const auto target = folder.write("a.dat", "old");
    ::chmod(target.c_str(), 0666);
    ::chmod(folder.path().c_str(), 0555);
    const int status = AsOrdinaryUser([&] {
        const bool checked = CheckWritable(target).has_value();
        const bool written = !WriteFileAtomically(target, "new").has_value();
        return (checked ? 0 : 1) | (written ? 2 : 0);
    });
    ::chmod(folder.path().c_str(), 0700);
    EXPECT_EQ(status, 0) << "1: CheckWritable saw no problem; 2: the save reported success";
    EXPECT_EQ(test::ReadFile(target), "old");
    EXPECT_EQ(EntriesIn(folder.path()), 1u);
}

// A file with several names that may not be written: the rewrite in place fails, which is said, and the
// new content waits in the trial file the fault names.
// A hard-linked file this user may not write is refused before anything is written: no name changes,
// and no trial file is left behind.
TEST(AtomicWriteFailures, AHardLinkedFileThatMayNotBeWrittenIsRefusedWithNothingLeft) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "the test switches to another user";
    }
    test::TempFolder folder;
    ::chmod(folder.path().c_str(), 0777);
    const auto target = folder.write("a.dat", "old");
    ::chmod(target.c_str(), 0444);
    fs::create_hard_link(target, folder.path() / "b.dat");
    const int status = AsOrdinaryUser([&] { return WriteFileAtomically(target, "new content") ? 0 : 1; });
    ASSERT_EQ(status, 0) << "the refused rewrite reported success";
    EXPECT_EQ(test::ReadFile(target), "old");
    EXPECT_EQ(test::ReadFile(folder.path() / "b.dat"), "old");
    EXPECT_EQ(EntriesIn(folder.path()), 2u);
}

TEST(AtomicWriteFailures, WhatIsNoFileIsNeverReplaced) {
    test::TempFolder folder;
    fs::create_directory(folder.path() / "folder.dat");
    fs::create_symlink("folder.dat", folder.path() / "link.dat");
    for (const char *name : {"folder.dat", "link.dat"}) {
        const auto fault = WriteFileAtomically(folder.path() / name, "x");
        ASSERT_TRUE(fault) << name;
        EXPECT_TRUE(CheckWritable(folder.path() / name)) << name;
    }
    EXPECT_TRUE(fs::is_directory(fs::symlink_status(folder.path() / "folder.dat")));
    EXPECT_TRUE(fs::is_symlink(folder.path() / "link.dat"));
    EXPECT_TRUE(fs::is_empty(folder.path() / "folder.dat"));
    EXPECT_EQ(EntriesIn(folder.path()), 2u);
}

} // namespace
} // namespace klt
