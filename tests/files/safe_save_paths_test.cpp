#include "files/atomic_write.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace klt {
namespace {

// The current folder of the process, set for a scope.
class InFolder {
public:
    explicit InFolder(const std::filesystem::path &folder) : before_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~InFolder() { std::filesystem::current_path(before_); }
    InFolder(const InFolder &) = delete;
    InFolder &operator=(const InFolder &) = delete;

private:
    std::filesystem::path before_;
};

// A path typed with forward slashes and without a drive ("/boats/radio.dat", as scripts and other
// systems' habits write it) saves a new file and replaces an existing one on every system.
TEST(SafeSavePaths, AFileNamedWithForwardSlashesIsWrittenAndReplaced) {
    const test::TempFolder folder;
    const InFolder here(folder.path()); // the drive a path without one stands on
    const std::filesystem::path typed = "/" + folder.path().relative_path().generic_string() + "/radio.dat";
    ASSERT_FALSE(WriteFileAtomically(typed, "first"));
    EXPECT_EQ(test::ReadFile(folder.path() / "radio.dat"), "first");
    const auto fault = WriteFileAtomically(typed, "second");
    EXPECT_FALSE(fault) << (fault ? FailureText(*fault) : "");
    EXPECT_EQ(test::ReadFile(folder.path() / "radio.dat"), "second");
    std::size_t files = 0;
    for ([[maybe_unused]] const auto &entry : std::filesystem::directory_iterator(folder.path())) {
        ++files;
    }
    EXPECT_EQ(files, 1u) << "a trial file was left behind";
}

// "klt-cli convert in.dat out.hex" twice in the same folder: the bare name is replaced the second time.
TEST(SafeSavePaths, ABareFileNameInTheCurrentFolderIsReplaced) {
    const test::TempFolder folder;
    const InFolder here(folder.path());
    ASSERT_FALSE(WriteFileAtomically("radio.dat", "first"));
    const auto fault = WriteFileAtomically("radio.dat", "second");
    EXPECT_FALSE(fault) << (fault ? FailureText(*fault) : "");
    EXPECT_EQ(test::ReadFile(folder.path() / "radio.dat"), "second");
}

} // namespace
} // namespace klt
