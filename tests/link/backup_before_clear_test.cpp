// Nothing a clear erases is lost: the erased memory is read and kept first, and a restore puts it back
// with the clear's own writes, verified.

#include "link/clear_operations.h"
#include "link/transfer_flows.h"
#include "link_bench.h"
#include "model/image_layout.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace klt {
namespace {

using test::LinkBench;

// A radio whose logs and directories hold something, with an MMSI of its own.
sim::SimulatedRadio::Memory FullRadio() {
    auto memory = test::RadioMemory(1);
    for (std::size_t a = 0x4700; a < 0x7F80; ++a) {
        memory[a] = static_cast<std::uint8_t>(a * 7 + 3);
    }
    const std::array<std::uint8_t, 5> mmsi = {0x36, 0x61, 0x23, 0x45, 0x60};
    std::copy(mmsi.begin(), mmsi.end(), memory.begin() + layout::kUserMmsi);
    memory[layout::kUserMmsiPresent] = 1;
    const std::array<std::uint8_t, 5> atis = {0x92, 0x11, 0x23, 0x45, 0x67};
    std::copy(atis.begin(), atis.end(), memory.begin() + layout::kAtisCode);
    memory[layout::kAtisCodePresent] = 1;
    return memory;
}

TEST(BackupBeforeClear, KeepsEveryErasedByteAndRestorePutsThemBack) {
    for (const Operation clear : {Operation::ClearDscLog, Operation::ClearWaypoint, Operation::ClearAll,
                                  Operation::ClearMmsi, Operation::ClearAtis}) {
        const auto before = FullRadio();
        LinkBench bench(1, before, {});
        std::optional<RadioImage> kept;
        TransferData data{bench.ctx.Image, bench.ctx.Config, bench.ctx.CurrentModel};
        data.keepBeforeClear = [&kept](const RadioImage &backup) {
            kept = backup;
            return true;
        };
        bench.link.setCaption(OperationCaption(clear));
        ASSERT_EQ(RunTransfer(bench.link, clear, data), Outcome::Done) << OperationCaption(clear);
        ASSERT_TRUE(kept);
        const auto after = bench.radio.memory();
        ASSERT_NE(after, before);
        // Every byte the clear changed is in the backup as it was; so is the radio's MMSI.
        for (std::size_t a = 0; a < before.size(); ++a) {
            if (after[a] != before[a]) {
                ASSERT_EQ(kept->at(static_cast<Address>(a)), before[a])
                    << OperationCaption(clear) << " at " << a;
            }
        }
        EXPECT_EQ(kept->at(layout::kUserMmsi), 0x36);

        // The restore: the clear's own writes with the backup's bytes, then read back.
        LinkBench restoring(1, after, {});
        TransferData back{*kept, restoring.ctx.Config, restoring.ctx.CurrentModel};
        back.restoreCleared = true;
        ASSERT_EQ(RunTransfer(restoring.link, clear, back), Outcome::Done) << restoring.messages().back();
        EXPECT_EQ(restoring.radio.memory(), before) << OperationCaption(clear);
        EXPECT_EQ(
            restoring.messages(),
            (std::vector<std::string>{"Restore: Complete!!\r\nVerified: the radio holds every byte that was "
                                      "written."}));
    }
}

// A backup that cannot be written stops the clear unless the user says otherwise; No is the default.
TEST(BackupBeforeClear, ABackupThatFailsErasesNothingUnlessTheUserSaysSo) {
    const auto before = FullRadio();
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        LinkBench bench(1, before, {});
        bench.ui.answers = {answer};
        TransferData data{bench.ctx.Image, bench.ctx.Config, bench.ctx.CurrentModel};
        data.keepBeforeClear = [](const RadioImage &) { return false; };
        bench.link.setCaption("Clear DSC Log");
        const Outcome outcome = RunTransfer(bench.link, Operation::ClearDscLog, data);
        ASSERT_FALSE(bench.ui.messages.empty());
        EXPECT_EQ(bench.ui.messages[0].text,
                  "The memory this clear erases could not be kept as a backup.\r\nClear anyway?");
        EXPECT_EQ(bench.ui.messages[0].buttons, Buttons::YesNoDefaultNo);
        if (answer == Answer::No) {
            EXPECT_EQ(outcome, Outcome::Cancelled);
            EXPECT_EQ(bench.radio.memory(), before);
            EXPECT_EQ(std::ranges::count_if(bench.radio.linesFromPc(),
                                            [](const std::string &l) { return l.starts_with("#CEPWR"); }),
                      0);
        } else {
            EXPECT_EQ(outcome, Outcome::Done);
            EXPECT_NE(bench.radio.memory(), before);
        }
    }
}

} // namespace
} // namespace klt
