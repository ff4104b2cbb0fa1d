#include "files/atomic_write.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <system_error>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace klt {
namespace {

std::size_t Entries(const std::filesystem::path &folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

// Runs a save in a child process that the file-size limit kills half way, as a save killed by a
// signal or a power cut leaves its trial file behind.
void KilledSave(const std::filesystem::path &target) {
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit small{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &small);
        WriteFileAtomically(target, std::string(65536, 'k'));
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the save was to be killed";
}

// A file without any write permission is read-only, to the administrator too: a save does not replace
// it through its writable folder, and says why.
TEST(SafeSave, AReadOnlyFileIsRefusedAndKept) {
    test::TempFolder folder;
    const auto target = folder.write("a.dat", "earlier");
    ::chmod(target.c_str(), 0444);
    const auto fault = WriteFileAtomically(target, "new");
    ASSERT_TRUE(fault);
    EXPECT_EQ(ReasonText(*fault), std::generic_category().message(EACCES));
    EXPECT_TRUE(CheckWritable(target));
    EXPECT_EQ(test::ReadFile(target), "earlier");
    EXPECT_EQ(Entries(folder.path()), 1u);
}

// Another user's file: refused when this user may not write it, rewritten in place (its owner kept)
// when the file's permissions let this user write it.
TEST(SafeSave, AnotherUsersFileIsRefusedOrKeepsItsOwner) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only the administrator can act as two users";
    }
    test::TempFolder folder;
    ::chmod(folder.path().c_str(), 0777);
    const auto theirs = folder.write("theirs.dat", "theirs");
    const auto shared = folder.write("shared.dat", "shared");
    ::chown(theirs.c_str(), 12345, 23456);
    ::chmod(theirs.c_str(), 0644);
    ::chown(shared.c_str(), 12345, 23456);
    ::chmod(shared.c_str(), 0666);
    const int status = test::AsUser(65534, 65534, [&] {
        const auto refused = WriteFileAtomically(theirs, "mine");
        const auto written = WriteFileAtomically(shared, "mine");
        return (refused && ReasonText(*refused) == std::generic_category().message(EACCES) ? 0 : 1) |
               (written ? 2 : 0);
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(test::ReadFile(theirs), "theirs");
    EXPECT_EQ(test::ReadFile(shared), "mine");
    struct stat info {};
    ::stat(shared.c_str(), &info);
    EXPECT_EQ(info.st_uid, 12345u);
    EXPECT_EQ(info.st_gid, 23456u);
    EXPECT_EQ(Entries(folder.path()), 2u);
}

// A loop of links names no file: nothing is written and no link is replaced.
TEST(SafeSave, ALoopOfLinksIsAnError) {
    test::TempFolder folder;
    std::filesystem::create_symlink("b.dat", folder.path() / "a.dat");
    std::filesystem::create_symlink("a.dat", folder.path() / "b.dat");
    const auto fault = WriteFileAtomically(folder.path() / "a.dat", "x");
    ASSERT_TRUE(fault);
    EXPECT_EQ(ReasonText(*fault), std::generic_category().message(ELOOP));
    EXPECT_TRUE(CheckWritable(folder.path() / "a.dat"));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path() / "a.dat"));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path() / "b.dat"));
    EXPECT_EQ(Entries(folder.path()), 2u);
}

// The next save of a file removes what a killed save of it left behind, and only that.
TEST(SafeSave, TheNextSaveRemovesAKilledSavesTrialFile) {
    test::TempFolder folder;
    const auto target = folder.write("a.dat", "earlier");
    const auto other = folder.write("b.dat", "other");
    KilledSave(target);
    KilledSave(other);
    ASSERT_EQ(Entries(folder.path()), 4u);
    EXPECT_EQ(test::ReadFile(target), "earlier");
    EXPECT_FALSE(WriteFileAtomically(target, "new"));
    EXPECT_EQ(test::ReadFile(target), "new");
    EXPECT_EQ(Entries(folder.path()), 3u); // the other file's trial waits for its own next save
    EXPECT_FALSE(WriteFileAtomically(other, "newer"));
    EXPECT_EQ(Entries(folder.path()), 2u);
}

// A file with two names on a disk that fills up: both names keep the old content.
TEST(SafeSave, AHardLinkedFileOnAFullDiskKeepsItsContent) {
    test::TempFolder folder;
    const auto target = folder.write("a.dat", "earlier");
    std::filesystem::create_hard_link(target, folder.path() / "b.dat");
    const auto fault = [&target] {
        const test::FileSizeLimit full(1024);
        return WriteFileAtomically(target, std::string(8192, 'n'));
    }();
    ASSERT_TRUE(fault);
    EXPECT_EQ(ReasonText(*fault), std::generic_category().message(EFBIG));
    EXPECT_EQ(test::ReadFile(folder.path() / "b.dat"), "earlier");
    EXPECT_EQ(Entries(folder.path()), 2u);
}

} // namespace
} // namespace klt
