// The window's shape as a user meets it: showing a page is never an edit, and the shortcuts of the
// Edit menu work from the first keystroke.

#include "gui/gui_fixture.h"
#include "model/image_layout.h"
#include "model/image_mapping.h"
#include "support/random_config.h"

#include "editor/qt_ui.h"

#include <QAction>
#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidgetItemIterator>

#include <gtest/gtest.h>

namespace klt {
namespace {

constexpr int kCh15 = 30; // receive only

// The radio holds a configuration of its own, read into the window: a random one, with the transmit
// bits of receive-only channel 15 set as a radio may hold them.
void ReadRadioHolding(Gui &gui, int model, unsigned seed) {
    std::mt19937 random(seed);
    Configuration config = test::RandomConfiguration(random, model);
    for (int group = 0; group < kPlanGroupCount; ++group) {
        config.Groups[static_cast<std::size_t>(group)].Usable = true;
        ChannelRecord &channel = PlanTable(config, group)[kCh15];
        channel.Enable = true;
        channel.TxEnable = true;
        channel.LowPower = true;
    }
    for (ChannelRecord &channel : config.Expansion) { // pages that the user may leave again
        channel.CHDisplayL = "12";
        channel.Rxfreq = 156.05;
    }
    auto memory = RadioMemory(model);
    RadioImage image;
    std::copy(memory.begin(), memory.end(), image.bytes().begin());
    EncodeImage(image, config);
    std::copy(image.bytes().begin(), image.bytes().end(), memory.begin());
    gui.radio = sim::SimulatedRadio(memory, {});
    gui.pressOkInDialog();
    gui.find("mnuTransferRead")->trigger();
}

TEST(Pages, ShowingEveryNodeOfEveryModelChangesNothing) {
    for (const int model : {1, 2, 3}) {
        Gui gui;
        gui.store.put("Settings", "lastmodel", std::to_string(model));
        gui.start();
        ASSERT_EQ(gui.ctx.CurrentModel, ModelNo(model));
        ReadRadioHolding(gui, model, static_cast<unsigned>(model) * 11);
        ASSERT_TRUE(gui.ctx.Config.Usa[kCh15].TxEnable);
        ASSERT_FALSE(gui.window->modified());
        const Configuration read = gui.ctx.Config;
        std::vector<QString> keys;
        for (QTreeWidgetItemIterator it(gui.find<QTreeWidget>("tvTreeView")); *it != nullptr; ++it) {
            keys.push_back((*it)->data(0, Qt::UserRole).toString());
        }
        ASSERT_GT(keys.size(), 200u);
        for (const QString &key : keys) {
            ASSERT_TRUE(gui.select(key.toLatin1().constData())) << key.toStdString();
            ASSERT_EQ(gui.ctx.Config, read) << "showing " << key.toStdString() << " wrote to the records";
            ASSERT_FALSE(gui.window->modified()) << "showing " << key.toStdString();
        }
        EXPECT_EQ(gui.find("mnuEditUndo")->text(), "&Undo Read from Radio"); // no edit step came of it
    }
}

// Ctrl+Z takes back an edit on the page being edited at once: no menu needs to have opened first.
TEST(Undo, CtrlZUndoesAnEditWithoutOpeningAMenu) {
    Gui gui;
    gui.activate();
    ASSERT_TRUE(gui.select("PW"));
    const Configuration before = gui.ctx.Config;
    gui.find<QCheckBox>("chkDEnable_3")->click();
    ASSERT_NE(gui.ctx.Config, before);
    QAction *undo = gui.find("mnuEditUndo");
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_EQ(undo->text(), "&Undo Edit of Weather");
    QTest::keyClick(gui.window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(gui.ctx.Config, before);
    EXPECT_FALSE(gui.window->modified());
    EXPECT_EQ(gui.page(), "pictD");
    QTest::keySequence(gui.window.get(), QKeySequence::Redo);
    EXPECT_NE(gui.ctx.Config, before);
    EXPECT_TRUE(gui.window->modified());
}

// Undo and Redo go to the page where the step was made, so that the user sees what they take back.
TEST(Undo, UndoAndRedoShowThePageOfTheirStep) {
    Gui gui;
    gui.activate();
    ASSERT_TRUE(gui.select("PW"));
    const Configuration before = gui.ctx.Config;
    gui.find<QCheckBox>("chkDEnable_3")->click();
    ASSERT_TRUE(gui.select("Common"));
    ASSERT_EQ(gui.page(), "pictCommon");
    gui.find("mnuEditUndo")->trigger();
    EXPECT_EQ(gui.ctx.Config, before);
    EXPECT_EQ(gui.page(), "pictD");
    EXPECT_EQ(gui.window->shownNodeKey(), "PW");
    ASSERT_TRUE(gui.select("Common"));
    gui.find("mnuEditRedo")->trigger();
    EXPECT_NE(gui.ctx.Config, before);
    EXPECT_EQ(gui.page(), "pictD");
    EXPECT_TRUE(gui.find<QCheckBox>("chkDEnable_3")->isChecked() != before.Weather[3].Enable);
}

// A file name and a refused cell with characters beyond ASCII reach the message box as the user
// wrote them: the messages are UTF-8 from the file to the box.
TEST(Messages, NonAsciiFileNamesAndCellsReachTheBoxIntact) {
    Gui gui;
    const auto csv = gui.folder.write("Stationen-Küste.csv", "Entry,MMSI,Name\r\n1,211234560,Möwe\r\n");
    gui.files.answers = {QString::fromStdString(csv.string())};
    gui.find("mnuFileImport_individual-directory")->trigger();
    ASSERT_EQ(gui.ui.messages.size(), 1u);
    const std::string text = gui.ui.messages[0].text;
    EXPECT_TRUE(text.starts_with("Stationen-Küste.csv: line 2")) << text;
    EXPECT_NE(text.find("\"ö\""), std::string::npos) << text;

    QtUi shown;
    QString boxText;
    QTimer::singleShot(0, [&boxText] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            boxText = box->text();
            box->accept();
        }
    });
    shown.message(MessageIcon::Warning, text, gui.ui.messages[0].title);
    EXPECT_TRUE(boxText.startsWith(QString::fromUtf8("Stationen-K\u00fcste.csv: line 2")))
        << boxText.toStdString();
    EXPECT_TRUE(boxText.contains(QString::fromUtf8("\"\u00f6\""))) << boxText.toStdString();
}

// Program to Radio proves itself when Options > Verify after Programming is on (each user's choice,
// kept): it says so, or names the setting a lying radio did not keep.
TEST(Transfer, AVerifiedWriteSaysSoAndALyingRadioIsCaught) {
    Gui gui;
    QAction *verify = gui.find("mnuOptionsVerify");
    verify->trigger();
    EXPECT_TRUE(verify->isChecked());
    EXPECT_EQ(gui.store.get("Settings", "VerifyAfterProgramming", ""), "1");
    gui.ctx.Config.Usa[32].ChTag = "MAYDAY";
    gui.pressOkInDialog();
    gui.find("mnuTransferProgram")->trigger();
    EXPECT_EQ(gui.texts(),
              (std::vector<std::string>{"Complete!!\r\nVerified: the radio holds every byte that "
                                        "was written."}));
    gui.ui.messages.clear();
    gui.radio = sim::SimulatedRadio(RadioMemory(1), {.dropWritesAt = {layout::kPlanTables[0].Name(32)}});
    gui.pressOkInDialog();
    gui.find("mnuTransferProgram")->trigger();
    ASSERT_EQ(gui.texts().size(), 1u);
    EXPECT_TRUE(gui.texts()[0].starts_with("Verify Error!!\r\n")) << gui.texts()[0];
    EXPECT_NE(gui.texts()[0].find("[CHUSA32] ChTag: MAYDAY -> "), std::string::npos) << gui.texts()[0];
}

// Nothing a clear erases is lost: the clear keeps it among the backups first, and File > Backups...
// puts it back on the radio (after asking), verified.
TEST(Transfer, AClearKeepsWhatItErasesAndRestorePutsItBack) {
    Gui gui;
    auto memory = RadioMemory(1);
    for (Address a = layout::kIndividualDirectoryArea.first; a <= layout::kIndividualDirectoryArea.last;
         ++a) {
        memory[a] = static_cast<std::uint8_t>(a * 13);
    }
    gui.radio = sim::SimulatedRadio(memory, {});
    ASSERT_TRUE(gui.select("DSC"));
    gui.pressOkInDialog();
    gui.find<QPushButton>("cmdFclearLog_0")->click(); // Clear Individual Directory
    ASSERT_EQ(gui.texts().back(), "Complete!!");
    ASSERT_NE(gui.radio.memory(), memory);

    // The backups' list: the newest is what the clear erased; Restore, Yes, then OK.
    QString kind;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&kind] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal->objectName() == "frmBackups") {
            kind = modal->findChild<QTableWidget *>("grdBackups")->item(0, 2)->text();
            modal->findChild<QPushButton *>("cmdRestore")->click();
        } else if (modal != nullptr && modal->objectName() == "frmRadio") {
            if (auto *ok = modal->findChild<QPushButton *>("cmdOK"); ok->isEnabled()) {
                ok->click();
            }
        }
    });
    driver.start(5);
    gui.ui.answers = {Answer::Yes};
    gui.find("mnuFileBackups")->trigger();
    driver.stop();
    EXPECT_EQ(kind, "before Clear Individual Directory");
    EXPECT_TRUE(
        gui.ui.messages[gui.ui.messages.size() - 2].text.starts_with("Put back on the radio what Clear "
                                                                     "Individual Directory erased"));
    EXPECT_EQ(gui.ui.messages[gui.ui.messages.size() - 2].buttons, Buttons::YesNoDefaultNo);
    EXPECT_EQ(gui.texts().back(), "Complete!!\r\nVerified: the radio holds every byte that was written.");
    EXPECT_EQ(gui.radio.memory(), memory);
}

} // namespace
} // namespace klt
