// The window from the keyboard alone: every menu item has its access key, and a user reads the radio,
// edits a channel and a station and programs the radio without touching the mouse.

#include "editor/access_keys.h"
#include "editor/navigation_view.h"
#include "gui_fixture.h"
#include "model/number_rules.h"

#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <algorithm>
#include <set>

#include <gtest/gtest.h>

namespace klt {
namespace {

// What a key press reaches: an open menu, else the widget with the focus.
QWidget *KeyTarget() {
    if (QWidget *menu = QApplication::activePopupWidget()) {
        return menu;
    }
    return QApplication::focusWidget() != nullptr ? QApplication::focusWidget()
                                                  : QApplication::activeWindow();
}

void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(KeyTarget(), key, modifiers);
}

void Type(const QString &text) {
    QTest::keyClicks(KeyTarget(), text);
}

// The transfer dialog's OK, pressed with the space bar as soon as the dialog is up.
void PressOkOnceTheDialogIsUp() {
    QTimer::singleShot(0, [] {
        QWidget *dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        QApplication::setActiveWindow(dialog); // as the window manager does
        ASSERT_NE(dialog->focusWidget(), nullptr);
        EXPECT_EQ(dialog->focusWidget()->objectName(), "cmdOK");
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Space);
    });
}

QString AccessKey(const QString &text) {
    return QKeySequence::mnemonic(text).toString();
}

// Moves through the tree with the arrow keys, opening branches, until the node is shown.
bool WalkTreeTo(Gui &gui, const QString &key) {
    auto *tree = gui.find<QTreeWidget>("tvTreeView");
    tree->setFocus(Qt::OtherFocusReason); // where the window puts it at start; asserted below
    // The branches to open are those the node lies in, as a user sees them.
    std::set<QTreeWidgetItem *> path;
    for (QTreeWidgetItem *item = gui.window->nodeByKey(key); item != nullptr; item = item->parent()) {
        path.insert(item);
    }
    for (int step = 0; step < 400 && gui.window->shownNodeKey() != key; ++step) {
        QTreeWidgetItem *item = tree->currentItem();
        const bool opens = path.contains(item) && item->childCount() > 0 && !item->isExpanded();
        Press(opens ? Qt::Key_Right : Qt::Key_Down);
    }
    return gui.window->shownNodeKey() == key;
}

// Tabs from the tree into the page until the named field has the focus.
bool TabTo(const char *name) {
    for (int step = 0; step < 60; ++step) {
        Press(Qt::Key_Tab);
        if (QApplication::focusWidget() != nullptr && QApplication::focusWidget()->objectName() == name) {
            return true;
        }
    }
    return false;
}

TEST(Keyboard, EveryMenuItemHasAnAccessKeyOfItsOwn) {
    Gui gui;
    for (QMenu *menu : gui.window->menuBar()->findChildren<QMenu *>()) {
        emit menu->aboutToShow(); // the ports' and destinations' captions are filled as it opens
        QStringList keys;
        for (const QAction *action : menu->actions()) {
            if (!action->isVisible() || action->isSeparator() || action->text().isEmpty()) {
                continue;
            }
            SCOPED_TRACE(action->text().toStdString());
            EXPECT_FALSE(AccessKey(action->text()).isEmpty());
            keys.push_back(AccessKey(action->text()));
        }
        // Sixteen ports may share a key; pressing it again moves to the next one that has it.
        if (menu->objectName() != "mnuOptionsSerialPort") {
            const auto items = keys.size();
            keys.removeDuplicates();
            EXPECT_EQ(keys.size(), items) << menu->objectName().toStdString();
        }
    }
    for (const QAction *menu : gui.window->menuBar()->actions()) {
        EXPECT_FALSE(AccessKey(menu->text()).isEmpty()) << menu->text().toStdString();
    }
    for (const char *name : {"mnuFileNew", "mnuFileOpen", "mnuFileSave", "mnuFileSaveAs", "mnuFilePrint",
                             "mnuEditUndo", "mnuEditRedo", "mnuFileExit"}) {
        EXPECT_FALSE(gui.find(name)->shortcut().isEmpty()) << name;
    }
    // A caption from a file shows its "&" rather than taking it as a key.
    EXPECT_EQ(PlainCaption("R&D"), "R&&D");
}

TEST(Keyboard, ReadEditAChannelAndAStationThenProgram) {
    Gui gui;
    gui.activate();
    EXPECT_EQ(QApplication::focusWidget(), gui.find<QTreeWidget>("tvTreeView"));

    PressOkOnceTheDialogIsUp();
    Press(Qt::Key_T, Qt::AltModifier);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    Press(Qt::Key_R); // Read from Radio
    EXPECT_EQ(gui.texts(), (std::vector<std::string>{"Complete!!"}));
    // The tree keeps the focus for when the window is active again.
    EXPECT_EQ(gui.window->focusWidget(), gui.find<QTreeWidget>("tvTreeView"));
    gui.activate(); // the window manager gives the window back its focus once the dialog closes

    ASSERT_TRUE(WalkTreeTo(gui, "PU 32"));
    ASSERT_TRUE(TabTo("txtCTag"));
    QTest::keyClick(KeyTarget(), Qt::Key_A, Qt::ControlModifier);
    Type("HARBOUR");
    EXPECT_TRUE(gui.find("mnuEditRedo")->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));
    Press(Qt::Key_Tab);
    EXPECT_EQ(gui.ctx.Config.Usa[32].ChTag, "HARBOUR");

    ASSERT_TRUE(WalkTreeTo(gui, "SM 1"));
    ASSERT_TRUE(TabTo("chkGEnable"));
    Press(Qt::Key_Space); // Add: the name is next
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "txtGPosi");
    Type("PILOT");
    Press(Qt::Key_Tab);
    Type("211234567");
    Press(Qt::Key_Tab);
    EXPECT_EQ(gui.ctx.Config.Individual[0].TagName, "PILOT");
    EXPECT_EQ(MmsiForPeople(gui.ctx.Config.Individual[0].Mmsid), "211234567");

    // Saved with Ctrl+Shift+S: the window is busy meanwhile, and the focus comes back where it was.
    QWidget *before = QApplication::focusWidget();
    gui.files.answers = {QString::fromStdString((gui.folder.path() / "boat.dat").string())};
    Press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(std::filesystem::exists(gui.folder.path() / "boat.dat"));
    EXPECT_EQ(QApplication::focusWidget(), before);

    gui.ui.messages.clear();
    gui.ui.answers = {Answer::Yes}; // the radio's own memory has channels the check asks about
    PressOkOnceTheDialogIsUp();
    Press(Qt::Key_T, Qt::AltModifier);
    Press(Qt::Key_P); // Program to Radio
    ASSERT_EQ(gui.texts().size(), 2U);
    EXPECT_EQ(gui.texts().back(), "Complete!!");
    const auto &memory = gui.radio.memory();
    EXPECT_EQ(std::string(memory.begin() + 0x1300 + 16 * 32, memory.begin() + 0x1300 + 16 * 32 + 7),
              "HARBOUR");
    const std::string station = "PILOT";
    EXPECT_NE(std::search(memory.begin(), memory.end(), station.begin(), station.end()), memory.end());
}

} // namespace
} // namespace klt
