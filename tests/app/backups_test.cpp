// The backups folder: what a read keeps and what a clear keeps before it erases, told apart by name,
// with the radio's MMSI as people read it; other files are no backups.

#include "app/backups.h"
#include "model/image_layout.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <chrono>

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

} // namespace
} // namespace klt
