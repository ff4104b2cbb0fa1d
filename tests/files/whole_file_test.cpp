// Reading a file whole: a regular file up to its limit, and nothing else; what is no regular file is
// refused before a single byte of it is read.

#include "files/whole_file.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace klt {
namespace {

namespace fs = std::filesystem;

// The bytes this process has read so far, by any read call.
long long BytesReadSoFar() {
    std::ifstream io("/proc/self/io");
    std::string key;
    long long value = -1;
    while (io >> key >> value) {
        if (key == "rchar:") {
            return value;
        }
    }
    return -1;
}

TEST(WholeFile, AFileAtItsLimitIsReadOnePastItIsRefused) {
    test::TempFolder folder;
    const auto fits = folder.write("fits.dat", "0123456789");
    const auto over = folder.write("over.dat", "0123456789A");
    const auto read = ReadWholeFile(fits, 10);
    EXPECT_FALSE(read.fault);
    EXPECT_EQ(read.bytes, "0123456789");
    const auto refused = ReadWholeFile(over, 10);
    EXPECT_TRUE(refused.fault);
    EXPECT_EQ(refused.bytes, "");
    // A link to a file is the file.
    fs::create_symlink("fits.dat", folder.path() / "link.dat");
    EXPECT_EQ(ReadWholeFile(folder.path() / "link.dat", 10).bytes, "0123456789");
    EXPECT_TRUE(ReadWholeFile(folder.path() / "none.dat").fault);
}

// A device would read as empty (/dev/null) or as endless zeros: refused, and not one piece of it read.
TEST(WholeFile, DevicesAreRefusedUnread) {
    const auto null = ReadWholeFile("/dev/null");
    EXPECT_TRUE(null.fault) << "an empty device read as an empty file";
    EXPECT_TRUE(NotARegularFile("/dev/null"));

    test::TempFolder folder;
    fs::create_symlink("/dev/zero", folder.path() / "zero.dat");
    const long long before = BytesReadSoFar();
    if (before < 0) {
        GTEST_SKIP() << "/proc/self/io is not there to count the bytes read";
    }
    for (const fs::path &path : {fs::path("/dev/zero"), folder.path() / "zero.dat"}) {
        const auto zero = ReadWholeFile(path);
        EXPECT_TRUE(zero.fault) << path;
        EXPECT_EQ(zero.bytes, "") << path;
    }
    EXPECT_LT(BytesReadSoFar() - before, 4096) << "the device was read";
}

// A named pipe with a writer that never closes it: a read would wait for ever. It is refused at once and
// what waits in the pipe stays unread.
TEST(WholeFile, APipeIsRefusedWithoutWaitingOnItOrTakingItsBytes) {
    test::TempFolder folder;
    const auto pipe = folder.path() / "pipe.dat";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const int writer = ::open(pipe.c_str(), O_RDWR | O_NONBLOCK); // reader and writer both: never EOF
    if (writer < 0) {
        FAIL() << "the pipe does not open";
    }
    EXPECT_EQ(::write(writer, "unread", 6), 6);

    const pid_t child = ::fork();
    if (child == 0) {
        const auto file = ReadWholeFile(pipe);
        ::_exit(file.fault && file.bytes.empty() ? 0 : 1);
    }
    int status = 0;
    bool ended = false;
    for (int i = 0; i < 500 && !ended; ++i) {
        ended = ::waitpid(child, &status, WNOHANG) == child;
        if (!ended) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10)); // only while it is stuck
        }
    }
    if (!ended) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
    }
    EXPECT_TRUE(ended) << "the read waited on the pipe";
    EXPECT_TRUE(ended && WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the pipe was not refused";
    char left[16] = {};
    EXPECT_EQ(::read(writer, left, sizeof left), 6) << "the pipe's bytes were taken";
    EXPECT_EQ(std::string(left, 6), "unread");
    ::close(writer);
    EXPECT_TRUE(NotARegularFile(pipe));
}

} // namespace
} // namespace klt
