// Transfer > Program Several Radios: the plan's table, a row per radio with its progress and result,
// the same fleet code as the command line's.

#include "editor/fleet_dialog.h"
#include "gui_fixture.h"
#include "model/image_mapping.h"

#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace klt {
namespace {

std::string HeldMmsi(const sim::SimulatedRadio &radio) {
    RadioImage image;
    std::copy(radio.memory().begin(), radio.memory().end(), image.bytes().begin());
    Configuration config;
    DecodeImage(image, config, Model::Tq300);
    return config.DscBasic.UserMmsi;
}

// Opens the dialog, runs what the test does in it, and closes it.
void InFleetDialog(Gui &gui, const std::function<void(FleetDialog &)> &inside) {
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<FleetDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        inside(*dialog);
        dialog->reject();
    });
    gui.find("mnuTransferFleet")->trigger();
}

QString Cell(const QTableWidget &table, int row, const QString &column) {
    for (int at = 0; at < table.columnCount(); ++at) {
        if (table.horizontalHeaderItem(at)->text() == column) {
            const auto *item = table.item(row, at);
            return item != nullptr ? item->text() : QString();
        }
    }
    return "no column " + column;
}

TEST(FleetDialog, ALoadedPlanProgramsEveryRadioAndEachRowSaysHowItWent) {
    Gui gui;
    gui.fleet["/dev/ttyUSB0"] = std::make_unique<sim::SimulatedRadio>(RadioMemory(1), sim::FaultPlan{});
    gui.fleet["/dev/ttyUSB1"] = std::make_unique<sim::SimulatedRadio>(RadioMemory(1), sim::FaultPlan{});
    const auto plan =
        gui.folder.write("plan.csv", "Port,Name,UserMMSI\r\n/dev/ttyUSB0,ALPHA,211000001\r\n"
                                     "/dev/ttyUSB1,BRAVO,211000002\r\n/dev/ttyUSB7,GONE,211000003\r\n");
    gui.files.answers = {QString::fromStdString(plan.string())};
    InFleetDialog(gui, [](FleetDialog &dialog) {
        dialog.findChild<QPushButton *>("cmdFleetLoad")->click();
        const auto *table = dialog.findChild<QTableWidget *>("tblFleet");
        ASSERT_EQ(table->rowCount(), 3);
        EXPECT_EQ(Cell(*table, 1, "Name"), "BRAVO");
        QSignalSpy finished(&dialog, &FleetDialog::fleetFinished);
        dialog.findChild<QPushButton *>("cmdFleetStart")->click();
        EXPECT_TRUE(dialog.running());
        EXPECT_FALSE(dialog.findChild<QPushButton *>("cmdFleetStart")->isEnabled());
        EXPECT_TRUE(dialog.findChild<QPushButton *>("cmdFleetCancel")->isEnabled());
        ASSERT_TRUE(finished.wait(10000));
        EXPECT_EQ(Cell(*table, 0, "Result"), "programmed and verified");
        EXPECT_EQ(Cell(*table, 1, "Result"), "programmed and verified");
        EXPECT_TRUE(Cell(*table, 2, "Result").startsWith("failed: There is no serial port /dev/ttyUSB7"))
            << Cell(*table, 2, "Result").toStdString();
        const auto *progress = qobject_cast<QProgressBar *>(table->cellWidget(0, 3));
        ASSERT_NE(progress, nullptr);
        EXPECT_EQ(progress->value(), 100);
        EXPECT_FALSE(progress->accessibleName().isEmpty());
        EXPECT_EQ(dialog.findChild<QLabel *>("lblFleetSummary")->text(),
                  "2 of 3 radios were programmed and verified; the table says what became of the others.");
        EXPECT_TRUE(dialog.findChild<QPushButton *>("cmdFleetStart")->isEnabled());
    });
    EXPECT_EQ(HeldMmsi(*gui.fleet.at("/dev/ttyUSB0")), "2110000010");
    EXPECT_EQ(HeldMmsi(*gui.fleet.at("/dev/ttyUSB1")), "2110000020");
    EXPECT_EQ(gui.window->statusBar()->currentMessage(),
              "2 of 3 radios were programmed and verified; the table says what became of the others.");
    // The plan is there again at the next opening.
    InFleetDialog(gui, [](FleetDialog &dialog) {
        const auto *table = dialog.findChild<QTableWidget *>("tblFleet");
        ASSERT_EQ(table->rowCount(), 3);
        EXPECT_EQ(Cell(*table, 2, "Name"), "GONE");
        EXPECT_EQ(Cell(*table, 2, "Result"), "");
    });
}

TEST(FleetDialog, ATypedPlanWithARepeatedMmsiTouchesNoRadio) {
    Gui gui;
    gui.fleet["/dev/ttyUSB0"] = std::make_unique<sim::SimulatedRadio>(RadioMemory(1), sim::FaultPlan{});
    const auto before = gui.fleet.at("/dev/ttyUSB0")->memory();
    InFleetDialog(gui, [](FleetDialog &dialog) {
        auto *table = dialog.findChild<QTableWidget *>("tblFleet");
        dialog.findChild<QPushButton *>("cmdFleetAdd")->click();
        ASSERT_EQ(table->rowCount(), 2);
        for (int row = 0; row < 2; ++row) {
            table->item(row, 0)->setText(row == 0 ? "/dev/ttyUSB0" : "/dev/ttyUSB1");
            table->item(row, 1)->setText(row == 0 ? "ALPHA" : "BRAVO");
            table->item(row, 2)->setText("211000001");
        }
        EXPECT_FALSE(dialog.start());
        EXPECT_FALSE(dialog.running());
        EXPECT_EQ(table->currentRow(), 1); // the row the refusal names
    });
    ASSERT_FALSE(gui.texts().empty());
    EXPECT_EQ(gui.texts().back(),
              "No radio was touched: row 2 (BRAVO): the MMSI 211000001 is ALPHA's already (row 1)");
    EXPECT_EQ(gui.fleet.at("/dev/ttyUSB0")->memory(), before);
}

} // namespace
} // namespace klt
