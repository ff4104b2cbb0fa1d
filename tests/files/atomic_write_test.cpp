#include "files/atomic_write.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace klt {
namespace {

TEST(AtomicWrite, ReplacesTheTargetWhole) {
    test::TempFolder folder;
    const auto target = folder.write("a.hex", "old");
    ::chmod(target.c_str(), 0640);
    EXPECT_FALSE(WriteFileAtomically(target, std::string(32768, '\x01')));
    EXPECT_EQ(test::ReadFile(target), std::string(32768, '\x01'));
    struct stat info {};
    ::stat(target.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1); // no leftovers
}

// A disk that fills up midway: the file-size limit makes the write fail after its first kilobyte.
TEST(AtomicWrite, AWriteThatFailsMidwayLeavesTheEarlierFileAndNoLeftovers) {
    test::TempFolder folder;
    const auto target = folder.write("a.hex", "earlier");
    const auto fault = [&target] {
        const test::FileSizeLimit full(1024);
        return WriteFileAtomically(target, std::string(32768, '\x01'));
    }();
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->number, 61); // "Disk full"
    EXPECT_EQ(test::ReadFile(target), "earlier");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(AtomicWrite, AMissingFolderIsAFault) {
    test::TempFolder folder;
    EXPECT_TRUE(WriteFileAtomically(folder.path() / "none" / "a.hex", "x"));
    EXPECT_TRUE(CheckWritable(folder.path() / "none" / "a.hex"));
    EXPECT_FALSE(CheckWritable(folder.path() / "a.hex"));
    std::filesystem::create_directory(folder.path() / "dir.dat");
    EXPECT_TRUE(WriteFileAtomically(folder.path() / "dir.dat", "x")); // a folder is never replaced
    EXPECT_TRUE(CheckWritable(folder.path() / "dir.dat"));
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "dir.dat"));
}

// A save onto a symbolic link writes the file it points at; the link stays a link.
TEST(AtomicWrite, ALinkIsWrittenThroughToItsTarget) {
    test::TempFolder folder;
    std::filesystem::create_directory(folder.path() / "real");
    const auto target = folder.write("real/a.dat", "old");
    std::filesystem::create_symlink("real/a.dat", folder.path() / "link.dat");
    EXPECT_FALSE(WriteFileAtomically(folder.path() / "link.dat", "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path() / "link.dat"));
    EXPECT_EQ(test::ReadFile(target), "new");
}

// Every name of a file with several sees the new content.
TEST(AtomicWrite, AHardLinkedFileKeepsItsOtherNames) {
    test::TempFolder folder;
    const auto target = folder.write("a.dat", "old");
    std::filesystem::create_hard_link(target, folder.path() / "b.dat");
    EXPECT_FALSE(WriteFileAtomically(target, "new content"));
    EXPECT_EQ(test::ReadFile(folder.path() / "b.dat"), "new content");
    EXPECT_EQ(std::filesystem::hard_link_count(target), 2u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);
}

// Replacing a file keeps its owner where the process may give it (a program run by the
// administrator on a user's file).
TEST(AtomicWrite, AReplacedFileKeepsItsOwner) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only the administrator can make a file of another user";
    }
    test::TempFolder folder;
    const auto target = folder.write("a.dat", "old");
    ASSERT_EQ(::chown(target.c_str(), 4321, 4321), 0);
    EXPECT_FALSE(WriteFileAtomically(target, "new"));
    struct stat info {};
    ::stat(target.c_str(), &info);
    EXPECT_EQ(info.st_uid, 4321u);
    EXPECT_EQ(info.st_gid, 4321u);
}

// The temporary name does not grow with the target's: names up to the system's limit save.
TEST(AtomicWrite, NamesOfEveryLegalLength) {
    test::TempFolder folder;
    for (const std::size_t length : {5u, 200u, 248u, 255u}) {
        const auto target = folder.path() / (std::string(length - 4, 'n') + ".dat");
        EXPECT_FALSE(WriteFileAtomically(target, "x")) << length;
        EXPECT_EQ(test::ReadFile(target), "x") << length;
    }
}

} // namespace
} // namespace klt
