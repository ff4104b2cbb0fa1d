// The usable groups and common setup pages driven through their controls, and edits on every page
// carried through a saved and reopened settings file.

#include "gui/gui_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace klt {
namespace {

struct SetupGui : Gui {
    using Gui::Gui;
    QCheckBox *box(const QString &name) const { return window->findChild<QCheckBox *>(name); }
    QComboBox *list(const QString &name) const { return window->findChild<QComboBox *>(name); }
    QLineEdit *field(const QString &name) const { return window->findChild<QLineEdit *>(name); }
    // Picks a list entry as a user does.
    void choose(const QString &name, int position) {
        QComboBox *combo = list(name);
        combo->setCurrentIndex(position);
        emit combo->activated(position);
    }
    void type(const QString &name, const QString &keys) {
        QLineEdit *edit = field(name);
        edit->setFocus();
        QApplication::processEvents();
        QTest::keyClicks(edit, keys);
    }
};

TEST(UsablePage, AGroupsUsabilityShapesTheTreeAtOnce) {
    SetupGui gui;
    gui.select("Usable");
    EXPECT_EQ(gui.page(), "pictUsable");
    EXPECT_EQ(gui.window->nodeByKey("PI"), nullptr);
    gui.box("chkUsable_1")->click();
    EXPECT_TRUE(gui.ctx.Config.Groups[1].Usable);
    ASSERT_NE(gui.window->nodeByKey("PI"), nullptr);
    EXPECT_EQ(gui.window->nodeByKey("PI 32")->text(0), "CH16[Enable]");
    EXPECT_EQ(gui.window->shownNodeKey(), "Usable");
    EXPECT_EQ(gui.find<QTreeWidget>("tvTreeView")->currentItem(), gui.window->nodeByKey("Usable"));
    EXPECT_TRUE(gui.list("cmbUsablePri_1")->isEnabled());
    EXPECT_TRUE(gui.window->modified());

    gui.box("chkEXP_1")->click();
    EXPECT_TRUE(gui.ctx.Config.Groups[kExpGroup].ExpChGroup[1]);
    gui.box("chkUsable_1")->click();
    EXPECT_EQ(gui.window->nodeByKey("PI"), nullptr);
    EXPECT_EQ(gui.window->nodeByKey("PI 32"), nullptr);
    EXPECT_FALSE(gui.list("cmbUsablePri_1")->isEnabled());
    EXPECT_FALSE(gui.field("txtUsable_1")->isEnabled());
    // A group the radio may not use leaves the expansion channel group too.
    EXPECT_FALSE(gui.box("chkEXP_1")->isChecked());
    EXPECT_FALSE(gui.ctx.Config.Groups[kExpGroup].ExpChGroup[1]);

    gui.box("chkUsable_3")->click();
    EXPECT_FALSE(gui.box("chkEXP_0")->isEnabled());
}

TEST(UsablePage, PriorityListsOfferTheEnabledChannels) {
    SetupGui gui;
    gui.ctx.Config.Usa[12].Enable = false; // channel 06
    gui.select("Usable");
    QComboBox *priority = gui.list("cmbUsablePri_0");
    EXPECT_EQ(priority->count(), 50);
    EXPECT_EQ(priority->findText("06"), -1);
    EXPECT_EQ(priority->currentText(), "16");
    EXPECT_EQ(gui.list("cmbUsablePri_3")->count(), 0);
    gui.choose("cmbUsablePri_0", priority->findText("09"));
    EXPECT_EQ(gui.ctx.Config.Groups[0].PriorityCh, 18);

    // A stored channel no longer enabled is not offered, and its value is kept.
    gui.ctx.Config.Usa[18].Enable = false;
    gui.select("Common");
    gui.select("Usable");
    EXPECT_EQ(priority->currentIndex(), -1);
    EXPECT_EQ(gui.ctx.Config.Groups[0].PriorityCh, 18);

    EXPECT_FALSE(gui.list("cmbUsableSec_0")->isVisibleTo(gui.window.get()));
    SetupGui tq500;
    tq500.store.put("Settings", "lastmodel", "3");
    tq500.start();
    tq500.select("Usable");
    EXPECT_TRUE(tq500.list("cmbUsableSec_0")->isVisibleTo(tq500.window.get()));
    EXPECT_TRUE(tq500.find<QWidget>("lblUsableSec_2")->isVisibleTo(tq500.window.get()));
    tq500.choose("cmbUsableSec_0", 1);
    EXPECT_EQ(tq500.ctx.Config.Groups[0].SecondCh, tq500.list("cmbUsableSec_0")->itemData(1).toInt());
}

TEST(UsablePage, StatusNamesNameTheGroupNodesAndBoxes) {
    SetupGui gui;
    gui.activate();
    gui.select("Usable");
    EXPECT_EQ(gui.box("chkEXP_0")->text(), "Group1[USA]");
    EXPECT_EQ(gui.box("chkEXP_1")->text(), "Group2");
    gui.field("txtUsable_0")->setFocus();
    EXPECT_EQ(gui.hint(), "max 4 charactors.");
    gui.type("txtUsable_0", " B_1 ");
    QTest::keyClick(gui.field("txtUsable_0"), Qt::Key_Return);
    EXPECT_EQ(gui.ctx.Config.Groups[0].StatusName, "B1");
    EXPECT_EQ(gui.window->nodeByKey("PU")->text(0), "Group1(B1)");
    EXPECT_EQ(gui.box("chkEXP_0")->text(), "Group1[B1]");

    // Emptied, and left for another page: stored before the page goes.
    gui.field("txtUsable_0")->selectAll();
    QTest::keyClick(gui.field("txtUsable_0"), Qt::Key_Delete);
    gui.type("txtUsable_3", "XP");
    EXPECT_EQ(gui.ctx.Config.Groups[0].StatusName, "");
    EXPECT_EQ(gui.window->nodeByKey("PU")->text(0), "Group1");
    EXPECT_EQ(gui.box("chkEXP_0")->text(), "Group1");
    EXPECT_TRUE(gui.select("Common"));
    EXPECT_EQ(gui.ctx.Config.Groups[kExpGroup].StatusName, "XP");
    EXPECT_EQ(gui.window->nodeByKey("ExpChannel")->text(0), "EXP Channel(XP)");

    gui.select("Usable");
    gui.box("chkUsable_0")->setFocus();
    EXPECT_EQ(gui.hint(), "[Space]:An effective and invalid change.");
    gui.list("cmbUsablePri_0")->setFocus();
    EXPECT_EQ(gui.hint(), "[Up]/[Down]:Change of a Selection item.");
}

TEST(CommonPage, ListsStoreTheirValues) {
    SetupGui gui;
    gui.select("Common");
    EXPECT_EQ(gui.page(), "pictCommon");
    EXPECT_FALSE(gui.window->modified());
    gui.choose("cmbCommonWeater", 1);
    EXPECT_EQ(gui.ctx.Config.Common.Weater, 3);
    gui.choose("cmbCommonOffset", 0);
    EXPECT_EQ(gui.ctx.Config.Common.OffsetTime, -24);
    EXPECT_EQ(gui.list("cmbCommonOffset")->itemText(48), "+12:00");
    gui.choose("cmbCommonTXPo", 2);
    gui.choose("cmbCommonAltitude", 1);
    gui.choose("cmbCommonTimedisplay", 0);
    EXPECT_EQ(gui.ctx.Config.Common.TxPoDisplay, 2);
    EXPECT_EQ(gui.ctx.Config.Common.Altitude, 1);
    EXPECT_FALSE(gui.ctx.Config.Common.TimeDisplay);
    EXPECT_TRUE(gui.window->modified());

    gui.choose("cmbCommonResume", 4);
    gui.choose("cmbCommonScan", 0);
    EXPECT_FALSE(gui.ctx.Config.Common.Scan);
    EXPECT_FALSE(gui.list("cmbCommonResume")->isEnabled());
    EXPECT_FALSE(gui.find<QWidget>("lblCommonPTTSCAN")->isEnabled());
    EXPECT_FALSE(gui.find<QWidget>("linScan_0")->isEnabled());
    EXPECT_EQ(gui.ctx.Config.Common.ResumeTime, 4);
    gui.choose("cmbCommonScan", 1);
    EXPECT_TRUE(gui.list("cmbCommonPTTSCAN")->isEnabled());

    // A stored value the list has no entry for shows no entry.
    gui.ctx.Config.Common.Weater = 1;
    gui.select("Usable");
    gui.select("Common");
    EXPECT_EQ(gui.list("cmbCommonWeater")->currentIndex(), -1);
}

// An edit on every page through its controls, saved, the editor reset, the file opened again.
TEST(PagesAndFiles, EditsSurviveSaveAndOpen) {
    SetupGui gui;
    gui.activate();
    gui.select("PU 32");
    gui.type("txtCTag", "MAYDAY");
    gui.select("E 7");
    gui.box("chkCEnable")->click();
    gui.type("txtCN_0", "77");
    gui.type("txtCRF", "157.425");
    gui.type("txtCTF", "157.425");
    gui.select("PW");
    gui.box("chkDEnable_9")->click();
    gui.select("Usable");
    gui.type("txtUsable_0", "HOME");
    gui.select("Common");
    gui.choose("cmbCommonWeater", 1);
    ASSERT_TRUE(gui.window->modified());

    const QString path = QString::fromStdString((gui.folder.path() / "edits.dat").string());
    gui.files.answers = {path};
    gui.find("mnuFileSaveAs")->trigger();
    EXPECT_FALSE(gui.window->modified());
    const std::string saved = test::ReadFile(path.toStdString());
    EXPECT_NE(saved.find("Weater=3"), std::string::npos);
    gui.find("mnuFileNew")->trigger();
    QTest::qWait(200);
    ASSERT_EQ(gui.ctx.Config.Usa[32].ChTag, "DISTRESS");
    gui.files.answers = {path};
    gui.find("mnuFileOpen")->trigger();

    const Configuration &config = gui.ctx.Config;
    EXPECT_EQ(config.Usa[32].ChTag, "MAYDAY");
    EXPECT_TRUE(config.Expansion[6].Enable);
    EXPECT_EQ(config.Expansion[6].CHDisplayL, "77");
    EXPECT_DOUBLE_EQ(config.Expansion[6].Rxfreq, 157.425);
    EXPECT_DOUBLE_EQ(config.Expansion[6].Txfreq, 157.425);
    EXPECT_FALSE(config.Weather[9].Enable);
    EXPECT_EQ(config.Groups[0].StatusName, "HOME");
    EXPECT_EQ(config.Common.Weater, 3);
    EXPECT_EQ(gui.window->nodeByKey("E 7")->text(0), "EXP7[Enable]");
    EXPECT_EQ(gui.window->nodeByKey("PU")->text(0), "Group1(HOME)");
}

// Unsaved edits are not lost to a model switch: the question comes before the model changes.
TEST(PagesAndFiles, AModelSwitchAsksFirst) {
    SetupGui gui;
    gui.select("PU 32");
    gui.box("chkCScan")->click();
    ASSERT_TRUE(gui.window->modified());
    gui.ui.answers = {Answer::Ok, Answer::Cancel};
    gui.find("mnuEditModelType2")->trigger();
    EXPECT_EQ(gui.ctx.CurrentModel, ModelNo(1));
    EXPECT_TRUE(gui.ctx.Config.Usa[32].ScanMemory);
    EXPECT_EQ(gui.texts().back(), "KLT data has changed.\r\nDo you want to save changes?");

    gui.ui.answers = {Answer::Ok};
    gui.find("mnuDestinationChild1")->trigger(); // the destination already loaded: only the question
    EXPECT_TRUE(gui.ctx.Config.Usa[32].ScanMemory);
}

} // namespace
} // namespace klt
