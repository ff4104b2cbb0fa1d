#include "files/atomic_write.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

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
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 1024;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    const auto fault = WriteFileAtomically(target, std::string(32768, '\x01'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->number, 61); // "Disk full"
    EXPECT_EQ(test::ReadFile(target), "earlier");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(AtomicWrite, AMissingFolderIsAFault) {
    test::TempFolder folder;
    EXPECT_TRUE(WriteFileAtomically(folder.path() / "none" / "a.hex", "x"));
}

} // namespace
} // namespace klt
