// The editor window driven as a user drives it: menus, tree, questions and the transfer dialog, with
// the simulated radio on an in-memory line.

#include "app/backups.h"
#include "gui/gui_fixture.h"
#include "link/clear_operations.h"
#include "model/image_mapping.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace klt {
namespace {

TEST(Startup, TheStoredModelWhenOfferedElseTheHighest) {
    Gui shipped;
    EXPECT_EQ(shipped.window->windowTitle(), "PC Program for TQ-300  KLT Programmer");
    EXPECT_GE(shipped.window->width(), 607); // wider when its tree and pages need it
    EXPECT_GE(shipped.window->height(), 444);
    EXPECT_EQ(shipped.page(), "pictGeneral");
    EXPECT_TRUE(shipped.find<QMenu>("mnuEdit")->menuAction()->isVisible());
    EXPECT_TRUE(shipped.find("mnuEditModelType0")->isChecked());
    EXPECT_EQ(shipped.find("mnuDestinationChild1")->text(), "&USA");
    EXPECT_TRUE(shipped.find("mnuDestinationChild1")->isChecked());
    EXPECT_FALSE(shipped.find("mnuDestinationChild2")->isVisible());

    Gui onlyThree("[3model]\nuse=1\n");
    EXPECT_EQ(onlyThree.ctx.CurrentModel, ModelNo(3));
    EXPECT_FALSE(onlyThree.find<QMenu>("mnuEdit")->menuAction()->isVisible());

    Gui oneAndTwo("[1model]\nuse=1\n[2model]\nuse=#1\n");
    oneAndTwo.store.put("Settings", "lastmodel", "3");
    oneAndTwo.start();
    EXPECT_EQ(oneAndTwo.ctx.CurrentModel, ModelNo(2));
    EXPECT_EQ(oneAndTwo.window->windowTitle(), "PC Program for TQ-400E/TQ-450  KLT Programmer");
}

TEST(Startup, NoOfferedModelEndsTheProgram) {
    Gui none("[1model]\nuse=2\n");
    EXPECT_FALSE(none.window->started());
    ASSERT_EQ(none.ui.messages.size(), 1u);
    EXPECT_EQ(none.ui.messages[0].text, "Unknown model!!");
    EXPECT_EQ(none.ui.messages[0].title, "KLT Programmer");
}

TEST(Tree, NodesFollowTheModelAndTheUsableGroups) {
    Gui tq300;
    EXPECT_EQ(tq300.window->nodeByKey("ATIS"), nullptr);
    EXPECT_NE(tq300.window->nodeByKey("PU"), nullptr);
    EXPECT_EQ(tq300.window->nodeByKey("PI"), nullptr); // the USA destination offers Group1 only
    EXPECT_EQ(tq300.window->nodeByKey("PU")->text(0), "Group1(USA)");
    EXPECT_EQ(tq300.window->nodeByKey("PU 32")->text(0), "CH16[Enable]");
    EXPECT_EQ(tq300.window->nodeByKey("SM 80")->text(0), "Memory ID80");
    EXPECT_NE(tq300.window->nodeByKey("E 64"), nullptr);

    Gui canada;
    canada.store.put("IniFilePath", "1IniFileName_", "can");
    canada.start();
    EXPECT_EQ(canada.window->nodeByKey("PU"), nullptr);
    EXPECT_NE(canada.window->nodeByKey("PC 40"), nullptr);

    Gui tq450;
    tq450.store.put("Settings", "lastmodel", "2");
    tq450.start();
    EXPECT_NE(tq450.window->nodeByKey("ATIS"), nullptr);
}

// At the size it opens with, the tree shows every node's text whole, and the splitter keeps the
// tree's width when the window grows.
TEST(Tree, EveryTextFitsAndTheTreeKeepsItsWidth) {
    Gui gui;
    auto *tree = gui.find<QTreeWidget>("tvTreeView");
    tree->expandAll();
    const QFontMetrics metrics(tree->font());
    for (const char *key : {"PU 3", "SM 80", "Usable", "Program", "E 64"}) {
        const QTreeWidgetItem *item = gui.window->nodeByKey(key);
        tree->scrollToItem(item);
        const QRect shown = tree->visualItemRect(item);
        EXPECT_LE(shown.left() + metrics.horizontalAdvance(item->text(0)), tree->viewport()->width()) << key;
    }
    // A click on the node already shown changes no page, but the hint is the tree's.
    gui.activate();
    tree->setFocus();
    gui.find<QLabel>("sbPanel1")->clear();
    QTreeWidgetItem *general = gui.window->nodeByKey("General");
    tree->scrollToItem(general);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(general).center());
    EXPECT_EQ(gui.hint(), "[Up]/[Down]/[Left]/[Right]:Change of a Selection item.");
    EXPECT_EQ(gui.page(), "pictGeneral");

    const int width = tree->width();
    gui.window->resize(gui.window->width() + 200, gui.window->height());
    QApplication::processEvents();
    EXPECT_EQ(tree->width(), width);
}

TEST(Tree, ChangingPagesNeverCountsAsAChange) {
    Gui gui;
    auto *tree = gui.find<QTreeWidget>("tvTreeView");
    tree->setCurrentItem(gui.window->nodeByKey("Common"));
    EXPECT_EQ(gui.page(), "pictCommon");
    EXPECT_EQ(gui.window->shownNodeKey(), "Common");
    EXPECT_FALSE(gui.window->modified());
    gui.window->setModified(true);
    tree->setCurrentItem(gui.window->nodeByKey("PU 32"));
    EXPECT_EQ(gui.page(), "pictC");
    EXPECT_TRUE(gui.window->modified());
    tree->setCurrentItem(gui.window->nodeByKey("SM"));
    EXPECT_EQ(gui.page(), "pictE");
    tree->setCurrentItem(gui.window->nodeByKey("Program"));
    EXPECT_EQ(gui.page(), "pictGrey");
    EXPECT_EQ(gui.find<QObject>("sbPanel1")->property("text").toString(),
              "[Up]/[Down]/[Left]/[Right]:Change of a Selection item.");
}

TEST(Close, AnsweringYesThenCancellingTheSaveKeepsTheWindow) {
    Gui gui;
    gui.window->setModified(true);
    gui.ui.answers = {Answer::Yes};
    EXPECT_FALSE(gui.window->close());
    EXPECT_TRUE(gui.window->isVisible());
    EXPECT_EQ(gui.texts(),
              (std::vector<std::string>{"KLT data has changed.\r\nDo you want to save changes?"}));
    EXPECT_EQ(gui.files.asked, 1);

    gui.ui.answers = {Answer::No};
    EXPECT_TRUE(gui.window->close());
    EXPECT_NE(gui.store.get("Settings", "MainWidth", ""), "");
}

TEST(Close, AMinimisedWindowStoresNoPlacement) {
    Gui gui;
    gui.window->showMinimized();
    EXPECT_TRUE(gui.window->close());
    EXPECT_EQ(gui.store.get("Settings", "MainLeft", "none"), "none");
}

TEST(SerialPort, ThePickedPortIsStoredAndCheckedNextTime) {
    Gui gui;
    EXPECT_TRUE(gui.find("mnuOptionsSerialPort1_0")->isChecked());
    gui.find("mnuOptionsSerialPort1_2")->trigger();
    EXPECT_EQ(gui.store.get("ComPath", "ComNum", ""), "3");
    EXPECT_FALSE(gui.find("mnuOptionsSerialPort1_0")->isChecked());
    gui.start();
    EXPECT_TRUE(gui.find("mnuOptionsSerialPort1_2")->isChecked());
    EXPECT_EQ(gui.find("mnuOptionsSerialPort1_9")->text(), "&COM10");
}

TEST(Files, NewAndOpenAskBeforeUnsavedChangesAreLost) {
    Gui gui;
    gui.ctx.Config.Usa[32].ChTag = "EDITED";
    gui.window->setModified(true);
    gui.ui.answers = {Answer::Cancel};
    gui.find("mnuFileNew")->trigger();
    QTest::qWait(200);
    EXPECT_EQ(gui.ctx.Config.Usa[32].ChTag, "EDITED");
    gui.ui.answers = {Answer::Cancel};
    gui.find("mnuFileOpen")->trigger();
    EXPECT_EQ(gui.files.asked, 0);
    EXPECT_EQ(gui.texts().size(), 2u);

    gui.ui.answers = {Answer::No};
    gui.find("mnuFileNew")->trigger();
    QTest::qWait(200);
    EXPECT_EQ(gui.ctx.Config.Usa[32].ChTag, "DISTRESS");
    EXPECT_FALSE(gui.window->modified());
}

TEST(Files, SaveOpenAndTheCaption) {
    Gui gui;
    const QString path = QString::fromStdString((gui.folder.path() / "boat.dat").string());
    gui.ctx.Config.Usa[32].ChTag = "SAVED";
    gui.window->setModified(true);
    gui.files.answers = {path};
    gui.find("mnuFileSave")->trigger();
    EXPECT_FALSE(gui.window->modified());
    EXPECT_EQ(gui.window->windowTitle(), "boat.dat - PC Program for TQ-300  KLT Programmer");
    gui.find("mnuFileNew")->trigger();
    QTest::qWait(200);
    EXPECT_EQ(gui.window->windowTitle(), "PC Program for TQ-300  KLT Programmer");
    gui.files.answers = {path};
    gui.find("mnuFileOpen")->trigger();
    EXPECT_EQ(gui.ctx.Config.Usa[32].ChTag, "SAVED");
    EXPECT_EQ(gui.window->nodeByKey("PU 32")->text(0), "CH16[Enable]");
    // Open and New are steps Undo takes back, each whole; back at the saved state nothing is changed.
    const Configuration opened = gui.ctx.Config;
    QAction *undo = gui.find("mnuEditUndo");
    EXPECT_EQ(undo->text(), "&Undo Open");
    undo->trigger();
    EXPECT_EQ(gui.ctx.Config.Usa[32].ChTag, "DISTRESS");
    EXPECT_EQ(undo->text(), "&Undo New");
    undo->trigger();
    EXPECT_EQ(gui.ctx.Config, opened);
    EXPECT_FALSE(gui.window->modified());
}

TEST(HexFile, KeysActOnlyInDebugModeAndSaveNeverOverwritesTheImage) {
    Gui normal;
    normal.window->saveHexFile();
    normal.window->openHexFile();
    EXPECT_EQ(normal.files.asked, 0);

    Gui debug(kShippedGlobalIni, {true, false});
    const QString hex = QString::fromStdString((debug.folder.path() / "radio.hex").string());
    debug.files.answers = {hex, hex};
    debug.window->saveHexFile();
    debug.window->openHexFile();
    EXPECT_EQ(debug.window->windowTitle(), "radio.hex - PC Program for TQ-300  KLT Programmer");
    const std::string image = test::ReadFile(hex.toStdString());
    debug.find("mnuFileSave")->trigger(); // asks for a name: cancelled
    EXPECT_EQ(debug.files.asked, 3);
    EXPECT_EQ(test::ReadFile(hex.toStdString()), image);
}

TEST(HexView, HeaderSeparatorAndRows) {
    Gui debug(kShippedGlobalIni, {true, false});
    auto *hexDump = debug.find("mnuOptionsHexdump");
    EXPECT_TRUE(hexDump->isVisible());
    hexDump->trigger();
    auto *list = debug.find<QListWidget>("lstHex");
    ASSERT_EQ(list->count(), 2 + 2048);
    EXPECT_EQ(list->item(0)->text(), "       00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F");
    EXPECT_EQ(list->item(1)->text(), " ----  -- -- -- -- -- -- -- -- -- -- -- -- -- -- -- --");
    EXPECT_TRUE(list->item(2)->text().startsWith(" 0000: 01 2C 00 00 FF"));
    EXPECT_TRUE(list->item(2049)->text().startsWith(" 7FF0: FF"));
    // Read-only but live: it scrolls to its last row, and selected rows copy as text.
    EXPECT_TRUE(list->isEnabled());
    list->scrollToBottom();
    EXPECT_EQ(list->verticalScrollBar()->value(), list->verticalScrollBar()->maximum());
    EXPECT_GT(list->verticalScrollBar()->maximum(), 0);
    list->item(2)->setSelected(true);
    list->item(3)->setSelected(true);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(" 0000: 01 2C"));
    EXPECT_EQ(QGuiApplication::clipboard()->text().count('\n'), 2);
    hexDump->trigger();
    EXPECT_EQ(list->count(), 0);
    EXPECT_FALSE(Gui().find("mnuOptionsHexdump")->isVisible());
}

TEST(Transfer, ReadFromRadioTakesTheRadiosChannels) {
    Gui gui;
    gui.radio = sim::SimulatedRadio(
        [] {
            auto memory = RadioMemory(1);
            memory[0x1300 + 16 * 32] = 'R';
            memory[0x1300 + 16 * 32 + 1] = 'X';
            memory[0x500] = 0x80; // channel 00 enabled
            memory[192 + 32] = 1; // Group3 usable
            return memory;
        }(),
        {});
    // Unsaved edits are asked about first, as Open does; Cancel keeps them and reads nothing.
    gui.window->setModified(true);
    gui.ui.answers = {Answer::Cancel};
    gui.find("mnuTransferRead")->trigger();
    EXPECT_TRUE(gui.window->modified());
    EXPECT_EQ(gui.ctx.Config.Usa[32].ChTag, "DISTRESS");
    gui.ui.messages.clear();
    gui.ui.answers = {Answer::No};
    gui.pressOkInDialog();
    gui.find("mnuTransferRead")->trigger();
    EXPECT_EQ(gui.texts(), (std::vector<std::string>{"KLT data has changed.\r\nDo you want to save changes?",
                                                     "Complete!!"}));
    EXPECT_EQ(gui.find<QStatusBar>("sbStatusBar")->currentMessage(), "Read from Radio: done");
    EXPECT_EQ(gui.ctx.Config.Usa[32].ChTag, "RX");
    EXPECT_NE(gui.window->nodeByKey("PC"), nullptr);
    EXPECT_EQ(gui.window->nodeByKey("PU 0")->text(0), "CH00[Enable]");
    EXPECT_FALSE(gui.window->modified());
    EXPECT_EQ(gui.page(), "pictGeneral");
    // The read keeps what it brought among the backups, which opens to the same records.
    const auto backups = ListBackups(BackupFolder(gui.ctx.ProgramTitle));
    ASSERT_FALSE(backups.empty());
    const std::string kept = test::ReadFile(backups.front().path);
    EXPECT_TRUE(std::equal(kept.begin(), kept.end(), gui.ctx.Image.bytes().begin(),
                           [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; }));
}

TEST(Transfer, CancelDuringAReadChangesNothing) {
    Gui gui;
    const Configuration before = gui.ctx.Config;
    gui.whenRadio([&gui] { return gui.radio.framedCommands() == 100; },
                  [] {
                      if (auto *cancel =
                              QApplication::activeModalWidget()->findChild<QPushButton *>("cmdCancel")) {
                          cancel->click();
                      }
                  });
    gui.pressOkInDialog();
    gui.find("mnuTransferRead")->trigger();
    EXPECT_EQ(gui.ctx.Config, before);
    for (const auto &text : gui.texts()) {
        EXPECT_NE(text, "Complete!!");
    }
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// Cancel half a second after OK, while the connection starts: the write stops there and never
// reaches the radio, and the dialog stays, saying it is stopping, until the operation has ended.
TEST(Transfer, CancelWhileConnectingStopsTheWriteAndTheDialogWaitsForIt) {
    Gui gui;
    gui.ctx.Config.Usa[32].ChTag = "MAYDAY";
    const auto memory = gui.radio.memory();
    bool stayed = false;
    QString shown;
    gui.whenRadio([] { return true; },
                  [&] {
                      auto *dialog = QApplication::activeModalWidget();
                      if (dialog == nullptr) {
                          return;
                      }
                      dialog->findChild<QPushButton *>("cmdCancel")->click();
                      stayed = dialog->isVisible();
                      shown = dialog->findChild<QLabel *>("lblmess")->text();
                  });
    gui.pressOkInDialog();
    gui.find("mnuTransferProgram")->trigger();
    EXPECT_TRUE(stayed);
    EXPECT_EQ(shown, "Stopping... please wait.");
    EXPECT_EQ(gui.radio.memory(), memory);
    EXPECT_TRUE(gui.radio.linesFromPc().empty());
    EXPECT_TRUE(gui.texts().empty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// While one transfer runs, the window starts no other, and closing it stops the transfer first.
TEST(Transfer, OneAtATimeAndClosingTheWindowStopsIt) {
    Gui gui;
    QWidget *running = nullptr;
    bool closed = true;
    gui.whenRadio([&gui] { return gui.radio.framedCommands() == 50; },
                  [&] {
                      running = QApplication::activeModalWidget();
                      gui.find("mnuTransferProgram")->trigger();
                      EXPECT_EQ(QApplication::activeModalWidget(), running);
                      closed = gui.window->close();
                  });
    gui.pressOkInDialog();
    gui.find("mnuTransferRead")->trigger();
    EXPECT_FALSE(closed); // not while the transfer ran ...
    QTest::qWait(20);
    EXPECT_FALSE(gui.window->isVisible()); // ... but as soon as it had stopped
    EXPECT_LT(gui.radio.framedCommands(), 55);
    for (const auto &text : gui.texts()) {
        EXPECT_NE(text, "Complete!!");
    }
}

TEST(Transfer, ABusyRadioIsNotReady) {
    Gui gui;
    gui.radio = sim::SimulatedRadio(RadioMemory(1), {.busyReplies = 9});
    gui.pressOkInDialog();
    gui.find("mnuTransferProgram")->trigger();
    EXPECT_EQ(gui.texts(), (std::vector<std::string>{"Radio is busy!!", "Radio not ready!!"}));
    EXPECT_EQ(gui.ui.messages[1].title, "Program to Radio");
}

TEST(Transfer, ProgramToRadioWritesTheRecords) {
    Gui gui;
    gui.ctx.Config.Usa[32].ChTag = "MAYDAY";
    gui.pressOkInDialog();
    gui.find("mnuTransferProgram")->trigger();
    EXPECT_EQ(gui.texts(), (std::vector<std::string>{"Complete!!"}));
    const auto &memory = gui.radio.memory();
    EXPECT_EQ(std::string(memory.begin() + 0x1300 + 16 * 32, memory.begin() + 0x1300 + 16 * 32 + 6),
              "MAYDAY");
}

// The whole configuration is checked first: programming what the radio would not take needs a Yes,
// and No is the default.
TEST(Transfer, ProgramToRadioAsksFirstWhenTheCheckFindsProblems) {
    Gui gui;
    gui.ctx.Config.Individual[0] = {true, "SEA BREEZE", "12345", {}};
    const auto before = gui.radio.memory();
    gui.ui.answers = {Answer::No};
    gui.find("mnuTransferProgram")->trigger();
    ASSERT_EQ(gui.ui.messages.size(), 1u);
    EXPECT_NE(gui.ui.messages[0].text.find("Individual Directory, entry 1: the MMSI is not 9 digits"),
              std::string::npos);
    EXPECT_EQ(gui.ui.messages[0].buttons, Buttons::YesNoDefaultNo);
    EXPECT_EQ(gui.radio.memory(), before);

    gui.ui.answers = {Answer::Yes};
    gui.pressOkInDialog();
    gui.find("mnuTransferProgram")->trigger();
    EXPECT_EQ(gui.texts().back(), "Complete!!");
}

TEST(Report, PrintToFileShowsAndSavesTheReport) {
    Gui gui;
    const QString path = QString::fromStdString((gui.folder.path() / "report.txt").string());
    gui.files.answers = {path};
    QTimer::singleShot(50, [] {
        auto *window = QApplication::activeModalWidget();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->windowTitle(), "Print to File");
        EXPECT_TRUE(window->findChild<QPlainTextEdit *>("txtPrn")->toPlainText().startsWith(
            "##### Usable CH Group Setup"));
        window->findChild<QAction *>("mnuFileSave")->trigger();
        window->findChild<QPushButton *>("cmdOK")->click();
    });
    gui.find("mnuFilePrintToFile")->trigger();
    const std::string saved = test::ReadFile(path.toStdString());
    EXPECT_TRUE(saved.starts_with("##### Usable CH Group Setup #####\r\n"));
    EXPECT_TRUE(saved.ends_with("------------\r\n"));
}

TEST(Report, PrintDrawsTheReport) {
    Gui gui;
    gui.find("mnuFilePrint")->trigger();
    EXPECT_GT(std::filesystem::file_size(gui.folder.path() / "report.pdf"), 1000u);
    EXPECT_TRUE(gui.ui.messages.empty());
}

TEST(SerialPort, MenuEntriesNameTheirDevices) {
    Gui gui;
    emit gui.find<QMenu>("mnuOptionsSerialPort")->aboutToShow(); // looked up as the menu opens
    EXPECT_EQ(gui.find("mnuOptionsSerialPort1_2")->text(), "COM&3  (/dev/ttyUSB0)");
    EXPECT_EQ(gui.find("mnuOptionsSerialPort1_3")->text(), "COM&4");
    gui.find("mnuOptionsSerialPort1_2")->trigger();
    QTimer::singleShot(0, [] {
        auto *dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->findChild<QLabel *>("lblPort")->text(), "COM3: /dev/ttyUSB0");
        EXPECT_FALSE(dialog->findChild<QLabel *>("lblmon")->isVisible());
        dialog->findChild<QPushButton *>("cmdCancel")->click();
    });
    gui.find("mnuTransferRead")->trigger();
    EXPECT_TRUE(gui.radio.linesFromPc().empty()); // cancelled before anything was sent
}

TEST(Preferences, KeptUnderTheProgramTitle) {
    test::TempFolder folder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(folder.path().string()));
    {
        QtSettingsStore store("KLT Programmer");
        store.put("ComPath", "ComNum", "3");
        EXPECT_EQ(store.get("Settings", "lastmodel", "1"), "1");
    }
    EXPECT_EQ(QtSettingsStore("KLT Programmer").get("ComPath", "ComNum", "1"), "3");
    EXPECT_NE(test::ReadFile(folder.path() / "KLT Programmer" / "KLT Programmer.conf").find("ComNum=3"),
              std::string::npos);
}

// Help > Port Diagnosis shows the port doctor's report, asked first about the port the user chose.
TEST(Help, PortDiagnosisShowsTheDoctorsReportOnTheChosenPort) {
    Gui gui;
    gui.store.put("ComPath", "ComNum", "3");
    QString shown, intro;
    QTimer::singleShot(0, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->objectName(), "frmPortDiagnosis");
        shown = dialog->findChild<QPlainTextEdit *>("frmPortDiagnosisText")->toPlainText();
        intro = dialog->findChild<QLabel *>()->text();
        static_cast<QDialog *>(dialog)->accept();
    });
    gui.find("mnuHelpPortDiagnosis")->trigger();
    EXPECT_EQ(gui.diagnosedFor, "/dev/ttyUSB0");
    EXPECT_EQ(shown, "/dev/ttyUSB0\n  verdict: usable\n");
    EXPECT_EQ(intro, "COM3 is /dev/ttyUSB0. The serial ports of this computer:");
}

// Compare lists each setting the saved file holds otherwise, in a text a screen reader finds by name.
TEST(Files, CompareListsTheSettingsThatDifferFromAFile) {
    Gui gui;
    const QString path = QString::fromStdString((gui.folder.path() / "boat.dat").string());
    gui.files.answers = {path};
    gui.find("mnuFileSave")->trigger();
    gui.ctx.Config.Usa[32].ChTag = "HARBOUR";
    QString title, summary, shown, name;
    QTimer::singleShot(0, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->objectName(), "frmCompare");
        title = dialog->windowTitle();
        const auto *view = dialog->findChild<QPlainTextEdit *>("txtCompare");
        shown = view->toPlainText();
        name = view->accessibleName();
        const auto *label = dialog->findChild<QLabel *>();
        summary = label->text();
        EXPECT_EQ(label->buddy(), view);
        static_cast<QDialog *>(dialog)->accept();
    });
    gui.files.answers = {path};
    gui.find("mnuFileCompare")->trigger();
    EXPECT_EQ(title, "Compare with boat.dat");
    EXPECT_EQ(name, title);
    EXPECT_EQ(summary, "1 settings differ: [Section] Key: value here -> value in the file");
    EXPECT_TRUE(shown.contains("HARBOUR -> DISTRESS")) << shown.toStdString();
}

TEST(Help, WithoutAHelpFileItSaysSo) {
    Gui gui;
    gui.find("mnuHelpContents")->trigger();
    EXPECT_EQ(gui.texts(),
              (std::vector<std::string>{
                  "Unable to display Help Contents. There is no Help associated with this project."}));
    gui.find("mnuHelpAbout")->trigger();
    EXPECT_NE(gui.texts().back().find("Version "), std::string::npos);
}

} // namespace
} // namespace klt

namespace klt {
namespace {

// A spreadsheet's table comes in whole or not at all; a good one is a step Undo takes back.
TEST(Import, ABadRowChangesNothingAndAGoodTableIsUndoable) {
    Gui gui;
    const Configuration before = gui.ctx.Config;
    const auto bad = gui.folder.write("bad.csv", "Entry,MMSI,Name\n1,366100137,SEA BREEZE\n2,12,OSPREY\n");
    gui.files.answers = {QString::fromStdString(bad.string())};
    gui.find("mnuFileImport_individual-directory")->trigger();
    EXPECT_EQ(gui.ctx.Config, before);
    ASSERT_FALSE(gui.ui.messages.empty());
    EXPECT_EQ(gui.ui.messages.back().text,
              "bad.csv: line 3, column MMSI: 9 digits expected\r\n\r\nNothing was changed.");
    EXPECT_FALSE(gui.window->modified());

    const auto good = gui.folder.write("good.csv", "Entry,MMSI,Name\n1,366100137,SEA BREEZE\n");
    gui.files.answers = {QString::fromStdString(good.string())};
    gui.find("mnuFileImport_individual-directory")->trigger();
    EXPECT_EQ(gui.ctx.Config.Individual[0].TagName, "SEA BREEZE");
    EXPECT_EQ(gui.ctx.Config.Individual[0].Mmsid, "3661001370");
    EXPECT_TRUE(gui.window->modified());
    EXPECT_EQ(gui.window->nodeByKey("SM 1")->text(0).toStdString().find("[Enable]") != std::string::npos,
              true);
    QAction *undo = gui.find("mnuEditUndo");
    EXPECT_EQ(undo->text(), "&Undo Import Individual Directory");
    undo->trigger();
    EXPECT_EQ(gui.ctx.Config, before);
    EXPECT_FALSE(gui.window->modified());
}

// A command that shows no box says in the status bar that it was done, and with which file.
TEST(Feedback, SaveExportAndImportConfirmInTheStatusBar) {
    Gui gui;
    const auto status = [&gui] { return gui.find<QStatusBar>("sbStatusBar")->currentMessage(); };
    const QString saved = QString::fromStdString((gui.folder.path() / "s.dat").string());
    gui.files.answers = {saved};
    gui.find("mnuFileSaveAs")->trigger();
    EXPECT_EQ(status(), "Saved " + saved);
    const QString csv = QString::fromStdString((gui.folder.path() / "d.csv").string());
    gui.files.answers = {csv};
    gui.find("mnuFileExport_individual-directory")->trigger();
    EXPECT_TRUE(status().startsWith("Exported ")) << status().toStdString();
    EXPECT_TRUE(status().endsWith(csv));
    gui.files.answers = {csv};
    gui.find("mnuFileImport_individual-directory")->trigger();
    EXPECT_TRUE(status().startsWith("Imported ")) << status().toStdString();
    EXPECT_EQ(gui.page(), "pictE"); // the imported table is shown
    // A failed save says so in its box, and the status bar claims nothing.
    gui.find<QStatusBar>("sbStatusBar")->clearMessage();
    gui.files.answers = {QString::fromStdString((gui.folder.path() / "no" / "s.dat").string())};
    gui.find("mnuFileSaveAs")->trigger();
    EXPECT_EQ(status(), "");
    EXPECT_TRUE(gui.texts().back().starts_with("FileSave Error!!\r\n"));
}

// "General" sums the configuration up: after a read it names the model, the radio's MMSI with its
// country, what is in use, and the backup the read kept.
TEST(GeneralPage, SumsUpTheConfigurationAfterARead) {
    Gui gui;
    auto memory = RadioMemory(1);
    const std::uint8_t mmsi[] = {0x36, 0x61, 0x23, 0x45, 0x60};
    std::copy(std::begin(mmsi), std::end(mmsi), memory.begin() + 0x1A0);
    gui.radio = sim::SimulatedRadio(memory, {});
    gui.pressOkInDialog();
    gui.find("mnuTransferRead")->trigger();
    ASSERT_EQ(gui.page(), "pictGeneral");
    const QString summary = gui.find<QLabel>("lblGeneralSummary")->text();
    EXPECT_TRUE(summary.contains("TQ-300")) << summary.toStdString();
    EXPECT_TRUE(summary.contains("366123456 - United States of America")) << summary.toStdString();
    EXPECT_TRUE(summary.contains("none (not saved yet)"));
    EXPECT_TRUE(summary.contains(" of 80")); // the individual directory's places
    EXPECT_FALSE(summary.contains("none yet")) << "the read's backup is the last backup";

    // Saved, the configuration's file is named there at once.
    const std::string file = (gui.folder.path() / "boat.dat").string();
    gui.files.answers = {QString::fromStdString(file)};
    gui.find("mnuFileSaveAs")->trigger();
    EXPECT_TRUE(gui.find<QLabel>("lblGeneralSummary")->text().contains(QString::fromStdString(file)));
}

} // namespace
} // namespace klt
