// The DSC, ATIS and directory pages driven through their controls, their clear buttons through the
// transfer dialog against the simulated radio, and their edits through a file and through the radio.

#include "gui/gui_fixture.h"
#include "model/configuration_check.h"
#include "model/image_layout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace klt {
namespace {

const char *const kAtisGlobalIni = "[2model]\nuse=1\natis=1\n";

struct DscGui : Gui {
    using Gui::Gui;
    QCheckBox *box(const QString &name) const { return window->findChild<QCheckBox *>(name); }
    QComboBox *list(const QString &name) const { return window->findChild<QComboBox *>(name); }
    QLineEdit *field(const QString &name) const { return window->findChild<QLineEdit *>(name); }
    QPushButton *button(const QString &name) const { return window->findChild<QPushButton *>(name); }
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
    void tab(const QString &name) { QTest::keyClick(field(name), Qt::Key_Tab); }
    // Answers the "Are you sure ?" of a delete.
    void answer(Answer reply) { ui.answers.push_back(reply); }
    bool complete() const {
        const auto all = texts();
        return std::find(all.begin(), all.end(), "Complete!!") != all.end();
    }
};

TEST(DscPage, ListsStoreAndTheirPowerCountsOnlyWhileOn) {
    DscGui gui;
    gui.select("DSC");
    EXPECT_EQ(gui.page(), "pictDSC");
    auto *tabs = gui.find<QTabBar>("tbsDSC_USER");
    EXPECT_EQ(tabs->count(), 4);
    EXPECT_EQ(tabs->tabText(3), "Display Setup");
    EXPECT_FALSE(gui.find<QTabBar>("tbsDSC")->isVisibleTo(gui.window.get()));
    tabs->setCurrentIndex(2);
    EXPECT_TRUE(gui.find<QWidget>("pictDSCChild_2")->isVisibleTo(gui.window.get()));
    EXPECT_FALSE(gui.find<QWidget>("pictDSCChild_0")->isVisibleTo(gui.window.get()));

    auto &routine = gui.ctx.Config.DscAdvanced.Calls[1]; // group calls
    gui.choose("cmbUsableDscGroupCall_3", 1);
    gui.choose("cmbUsableDscGroupCallTX_3", 1);
    EXPECT_TRUE(routine.Value[3]);
    EXPECT_TRUE(routine.Tx[3]);
    gui.choose("cmbUsableDscGroupCall_3", 0);
    EXPECT_FALSE(routine.Value[3]);
    EXPECT_FALSE(gui.list("cmbUsableDscGroupCallTX_3")->isEnabled());
    EXPECT_TRUE(routine.Tx[3]); // kept for when the call is on again
    gui.choose("cmbUsablePosRepCall_0", 1);
    EXPECT_TRUE(gui.ctx.Config.DscAdvanced.Calls[4].Value[0]);
    gui.choose("cmbUsableDscBeepOut_7", 1);
    EXPECT_TRUE(gui.ctx.Config.DscBasic.BeepOut[7]);
    gui.choose("cmbDscDisplay_2", 1);
    EXPECT_TRUE(gui.ctx.Config.DscDisplay.PosRequestAckMenu);
    gui.choose("cmbUsableDsc_3", 0);
    EXPECT_FALSE(gui.ctx.Config.DscBasic.Group[3]);
    EXPECT_TRUE(gui.window->modified());

    // Shown again from the records, a power list of a call that is off is not offered.
    gui.select("Common");
    gui.select("DSC");
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_FALSE(gui.list("cmbUsableDscGroupCallTX_3")->isEnabled());
    EXPECT_EQ(gui.list("cmbUsableDscGroupCallTX_3")->currentText(), "Hi");
}

TEST(DscPage, GroupLabelsAndTheUserMmsi) {
    DscGui gui;
    gui.activate();
    gui.ctx.Config.Groups[1].StatusName = "INTL";
    gui.select("DSC");
    EXPECT_EQ(gui.find<QLabel>("lblDscChGrpName_0")->text(), "[USA]");
    EXPECT_EQ(gui.find<QLabel>("lblDscChGrpName_1")->text(), "[INTL]");
    EXPECT_EQ(gui.find<QLabel>("lblDscChGrpName_2")->text(), "");

    gui.type("txtUserMMSI", "12345678");
    EXPECT_EQ(gui.hint(), "Numeric Only. Indispensable 9 figures.");
    gui.tab("txtUserMMSI");
    EXPECT_EQ(gui.texts(), (std::vector<std::string>{"Data Error!!\r\nAn MMSI has 9 digits."}));
    EXPECT_EQ(gui.ui.messages.back().title, "User MMSI");
    EXPECT_TRUE(gui.field("txtUserMMSI")->hasFocus());
    // A clear button checks the page first: the dialog does not open.
    gui.button("cmdFClear")->click();
    EXPECT_EQ(gui.texts().size(), 2u);
    EXPECT_EQ(gui.radio.framedCommands(), 0);

    gui.type("txtUserMMSI", "9");
    gui.tab("txtUserMMSI");
    EXPECT_EQ(gui.ctx.Config.DscBasic.UserMmsi, "1234567890");
    EXPECT_EQ(gui.field("txtUserMMSI")->text(), "123456789");
    gui.field("txtUserMMSI")->setFocus();
    gui.field("txtUserMMSI")->clear();
    QTest::keyClicks(gui.field("txtUserMMSI"), "1");
    QTest::keyClick(gui.field("txtUserMMSI"), Qt::Key_Backspace);
    gui.tab("txtUserMMSI");
    EXPECT_EQ(gui.ctx.Config.DscBasic.UserMmsi, "");

    // A wrong length and a click on a clear button: refused once, and the dialog does not open.
    gui.type("txtUserMMSI", "555");
    QTest::mouseClick(gui.button("cmdFClear"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(gui.texts().size(), 3u);
    EXPECT_EQ(gui.texts().back(), "Data Error!!\r\nAn MMSI has 9 digits.");
    EXPECT_TRUE(gui.field("txtUserMMSI")->hasFocus());
    EXPECT_EQ(gui.radio.framedCommands(), 0);
    EXPECT_EQ(gui.ctx.Config.DscBasic.UserMmsi, "");
}

TEST(DscPage, ClearMmsiThroughTheDialog) {
    DscGui gui;
    gui.radio = sim::SimulatedRadio(
        [] {
            auto memory = RadioMemory(1);
            memory[layout::kUserMmsiPresent] = 3;
            return memory;
        }(),
        {});
    gui.ctx.Config.DscBasic.UserMmsi = "2111111110";
    gui.ctx.Image.set(layout::kUserMmsiPresent, 3);
    gui.select("DSC");
    EXPECT_EQ(gui.field("txtFCount")->text(), "3");
    gui.window->setModified(false);
    gui.pressOkInDialog();
    gui.button("cmdFClear")->click();
    EXPECT_TRUE(gui.complete());
    EXPECT_EQ(gui.ctx.Config.DscBasic.UserMmsi, "");
    EXPECT_EQ(gui.field("txtUserMMSI")->text(), "");
    EXPECT_EQ(gui.field("txtFCount")->text(), "0");
    EXPECT_EQ(gui.radio.memory()[layout::kUserMmsiPresent], 0);
    EXPECT_TRUE(gui.window->modified());
}

TEST(DscPage, AFailedDirectoryClearChangesNothingAndADoneOneEmptiesTheDirectory) {
    const auto run = [](std::optional<int> hangAfter, RadioImage &before) {
        auto gui = std::make_unique<DscGui>();
        gui->radio = sim::SimulatedRadio(RadioMemory(1), {.hangAfter = hangAfter});
        gui->ctx.Config.Individual[0] = {true, "HARBOUR", "2111111110", {}};
        gui->window->nodeByKey("SM")->setExpanded(true);
        gui->select("DSC");
        before = gui->ctx.Image;
        gui->pressOkInDialog();
        gui->button("cmdFclearLog_0")->click();
        return gui;
    };
    RadioImage before;
    const auto done = run(std::nullopt, before);
    EXPECT_TRUE(done->complete());
    EXPECT_FALSE(done->ctx.Config.Individual[0].Enable);
    EXPECT_EQ(done->window->nodeByKey("SM 1")->text(0), "Memory ID1");
    EXPECT_TRUE(done->window->modified());

    const auto failed = run(done->radio.framedCommands() - 1, before);
    EXPECT_FALSE(failed->complete());
    EXPECT_EQ(failed->ctx.Config.Individual[0].TagName, "HARBOUR");
    EXPECT_EQ(failed->window->nodeByKey("SM 1")->text(0), "Memory ID1[Enable]");
    EXPECT_FALSE(failed->window->modified());
    EXPECT_TRUE(failed->ctx.Image == before);
}

TEST(AtisPage, BoxesCodeAndClear) {
    DscGui gui(kAtisGlobalIni);
    gui.activate();
    gui.ctx.Config.Groups[1].StatusName = "INTL";
    gui.ctx.Image.set(layout::kAtisCodePresent, 7);
    gui.select("ATIS");
    EXPECT_EQ(gui.page(), "pictATIS");
    EXPECT_EQ(gui.box("chkATISChGroup_1")->text(), "Group2[INTL]");
    EXPECT_EQ(gui.box("chkATISKiller_1")->text(), "Group2[INTL]");
    EXPECT_EQ(gui.box("chkATISKiller_3")->text(), "EXP CH Group[EXP]");
    EXPECT_EQ(gui.field("txtACount")->text(), "7");
    gui.box("chkATISKiller_2")->click();
    EXPECT_EQ(gui.ctx.Config.Atis.UsableAtisKikkerChGroup[2], gui.box("chkATISKiller_2")->isChecked());

    gui.type("txtATIScode", "123456789");
    gui.tab("txtATIScode");
    EXPECT_EQ(gui.texts(),
              (std::vector<std::string>{"Data Error!!\r\nAn ATIS code has 10 digits: 9, the country's "
                                        "three, and six more."}));
    EXPECT_EQ(gui.ui.messages.back().title, "ATISNo");
    gui.type("txtATIScode", "0");
    gui.tab("txtATIScode");
    EXPECT_EQ(gui.ctx.Config.Atis.AtisCode, "1234567890");

    gui.pressOkInDialog();
    gui.button("cmdAtisClear")->click();
    EXPECT_TRUE(gui.complete());
    EXPECT_EQ(gui.ctx.Config.Atis.AtisCode, "");
    EXPECT_EQ(gui.field("txtATIScode")->text(), "");
    EXPECT_EQ(gui.field("txtACount")->text(), "0");

    // With no usable channel group there is nothing to send an ATIS code on.
    for (auto &group : gui.ctx.Config.Groups) {
        group.Usable = false;
    }
    gui.select("DSC");
    gui.select("ATIS");
    EXPECT_FALSE(gui.field("txtATIScode")->isEnabled());
    EXPECT_FALSE(gui.find<QLabel>("lblATIScode")->isEnabled());
}

// The radio stops answering at the last byte of the clear: the image and the code stay as they were.
TEST(AtisPage, AFailedClearRestoresTheImageAndTheCode) {
    const auto run = [](std::optional<int> hangAfter, RadioImage &before) {
        auto gui = std::make_unique<DscGui>(kAtisGlobalIni);
        gui->radio = sim::SimulatedRadio(RadioMemory(2), {.hangAfter = hangAfter});
        gui->ctx.Config.Atis.AtisCode = "1234567890";
        gui->select("ATIS");
        before = gui->ctx.Image;
        gui->pressOkInDialog();
        gui->button("cmdAtisClear")->click();
        return gui;
    };
    RadioImage before;
    const int commands = run(std::nullopt, before)->radio.framedCommands();
    const auto gui = run(commands - 1, before);
    EXPECT_FALSE(gui->complete());
    EXPECT_EQ(gui->ctx.Config.Atis.AtisCode, "1234567890");
    EXPECT_EQ(gui->field("txtATIScode")->text(), "1234567890");
    EXPECT_TRUE(gui->ctx.Image == before);
    EXPECT_FALSE(gui->window->modified());
}

TEST(Directory, TableListsEveryEntryAndJumps) {
    DscGui gui;
    gui.ctx.Config.GroupDirectory[0] = {true, "FLEET", "0123456780", {}};
    gui.select("SG");
    auto *grid = gui.find<QTableWidget>("MSFlexGrid2");
    EXPECT_EQ(gui.page(), "pictE");
    ASSERT_EQ(grid->rowCount(), 32);
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), "GROUP NAME");
    EXPECT_EQ(grid->item(0, 1)->text(), "FLEET");
    EXPECT_EQ(grid->item(0, 2)->text(), "012345678");
    EXPECT_EQ(grid->item(31, 0)->text(), "32");
    gui.select("SM");
    EXPECT_EQ(grid->rowCount(), 80);
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), "STATION NAME");
    emit grid->cellDoubleClicked(4, 1);
    EXPECT_EQ(gui.window->shownNodeKey(), "SM 5");
    EXPECT_EQ(gui.page(), "pictG");

    // Folding the directory shows the directory, not an entry the tree hides.
    gui.window->nodeByKey("SM")->setExpanded(false);
    EXPECT_EQ(gui.window->shownNodeKey(), "SM");
    EXPECT_EQ(gui.page(), "pictE");
}

TEST(Directory, EntriesAreAddedInOrderAndDeletedWithoutGaps) {
    DscGui gui;
    gui.activate();
    gui.select("SM 2");
    EXPECT_FALSE(gui.box("chkGEnable")->isEnabled()); // an empty directory starts at entry 1
    EXPECT_FALSE(gui.field("txtGPosi")->isEnabled());
    gui.select("SM 1");
    EXPECT_TRUE(gui.box("chkGEnable")->isEnabled());
    EXPECT_TRUE(gui.box("chkGDelete")->isChecked());
    EXPECT_FALSE(gui.box("chkGDelete")->isEnabled());
    gui.box("chkGEnable")->click();
    EXPECT_TRUE(gui.ctx.Config.Individual[0].Enable);
    EXPECT_EQ(gui.window->nodeByKey("SM 1")->text(0), "Memory ID1[Enable]");
    EXPECT_TRUE(gui.field("txtGMMSI")->isEnabled());

    // Entry 2 cannot be added while entry 1 has no name and number.
    gui.select("SM 2");
    EXPECT_FALSE(gui.box("chkGEnable")->isEnabled());
    EXPECT_EQ(gui.texts(), (std::vector<std::string>{
                               "Data Error!!\r\nEntry 2 can be added once entry 1 has its name and MMSI."}));
    EXPECT_EQ(gui.ui.messages.back().title, "Individual Directory");

    const auto fill = [&](const char *key, const QString &name, const QString &mmsi) {
        gui.select(key);
        if (!gui.box("chkGEnable")->isChecked()) {
            gui.box("chkGEnable")->click();
        }
        gui.type("txtGPosi", name);
        gui.tab("txtGPosi");
        gui.type("txtGMMSI", mmsi);
        gui.tab("txtGMMSI");
    };
    fill("SM 1", "HARBOUR MAST", "211111111"); // 12 characters typed, 11 kept
    fill("SM 2", "TUG", "222222222");
    fill("SM 3", "PILOT", "233333333");
    EXPECT_EQ(gui.ctx.Config.Individual[0].TagName, "HARBOUR MAS");
    EXPECT_EQ(gui.ctx.Config.Individual[2].Mmsid, "2333333330");

    // A blank name is not stored and says nothing; a wrong-length number is refused, saying what is
    // expected, and never stored: the station would not reach the radio.
    const std::size_t boxes = gui.ui.messages.size();
    gui.select("SM 2");
    gui.field("txtGPosi")->selectAll();
    gui.type("txtGPosi", "   ");
    gui.tab("txtGPosi");
    EXPECT_EQ(gui.ui.messages.size(), boxes);
    gui.type("txtGMMSI", "1234");
    gui.tab("txtGMMSI");
    EXPECT_EQ(gui.ctx.Config.Individual[1].TagName, "TUG");
    EXPECT_EQ(gui.ctx.Config.Individual[1].Mmsid, "2222222220");
    ASSERT_EQ(gui.ui.messages.size(), boxes + 1);
    EXPECT_EQ(gui.ui.messages.back().text, "Data Error!!\r\nA station's MMSI has 9 digits.");
    EXPECT_EQ(gui.ui.messages.back().title, "Individual Directory");
    EXPECT_FALSE(gui.select("SM 1")); // not left with the number refused
    gui.field("txtGMMSI")->selectAll();
    gui.type("txtGMMSI", "222222222");
    gui.tab("txtGMMSI");

    // Deleting entry 1 moves 2 and 3 up; "No" keeps it.
    gui.select("SM 1");
    gui.answer(Answer::No);
    gui.box("chkGDelete")->click();
    EXPECT_FALSE(gui.box("chkGDelete")->isChecked());
    EXPECT_EQ(gui.ctx.Config.Individual[0].TagName, "HARBOUR MAS");
    gui.answer(Answer::Yes);
    gui.box("chkGDelete")->click();
    // The question names the station; its default is No.
    EXPECT_TRUE(gui.texts().back().starts_with("Are you sure ?\r\nEntry 1: HARBOUR MAS, MMSI "))
        << gui.texts().back();
    EXPECT_EQ(gui.ui.messages.back().buttons, Buttons::YesNoDefaultNo);
    EXPECT_EQ(gui.ctx.Config.Individual[0].TagName, "TUG");
    EXPECT_EQ(gui.ctx.Config.Individual[1].TagName, "PILOT");
    EXPECT_FALSE(gui.ctx.Config.Individual[2].Enable);
    EXPECT_EQ(gui.ctx.Config.Individual[2].Mmsid, "");
    EXPECT_EQ(gui.field("txtGPosi")->text(), "TUG");
    EXPECT_EQ(gui.window->nodeByKey("SM 3")->text(0), "Memory ID3");

    // Emptying the number deletes the entry without asking.
    gui.field("txtGMMSI")->setFocus();
    gui.field("txtGMMSI")->clear();
    QTest::keyClicks(gui.field("txtGMMSI"), "1");
    QTest::keyClick(gui.field("txtGMMSI"), Qt::Key_Backspace);
    EXPECT_TRUE(gui.select("SM 2"));
    EXPECT_EQ(gui.ctx.Config.Individual[0].TagName, "PILOT");
    EXPECT_FALSE(gui.ctx.Config.Individual[1].Enable);
}

// A station added with a number one digit short: refused on the page with what is expected, never
// kept as an enabled entry without a number behind a "Complete!!".
TEST(Directory, AStationWithAShortNumberIsRefusedNotDropped) {
    DscGui gui;
    gui.activate();
    gui.select("SM 1");
    gui.box("chkGEnable")->click();
    gui.type("txtGPosi", "HARBOUR");
    gui.tab("txtGPosi");
    gui.type("txtGMMSI", "36612345");
    gui.tab("txtGMMSI");
    ASSERT_FALSE(gui.texts().empty());
    EXPECT_EQ(gui.texts().back(), "Data Error!!\r\nA station's MMSI has 9 digits.");
    EXPECT_FALSE(gui.select("SM 2"));
    EXPECT_EQ(gui.window->shownNodeKey(), "SM 1");
    EXPECT_EQ(gui.ctx.Config.Individual[0].Mmsid, "");
    // The check before programming names an enabled entry without a number, whatever made it.
    const auto problems = CheckConfiguration(gui.ctx.Config, gui.ctx.CurrentModel, gui.ctx.AtisAvailable);
    EXPECT_NE(std::ranges::find(problems,
                                "Individual Directory, entry 1: in use without an MMSI: the radio would "
                                "not get this station"),
              problems.end());
}

// Beside each number the page names the country its MID stands for, or what is odd about it.
TEST(Directory, NumbersShowTheirCountryOrAWarning) {
    DscGui gui;
    gui.activate();
    gui.ctx.Config.Individual[0] = {true, "HARBOUR", "0036699990", {}};
    gui.ctx.Config.GroupDirectory[0] = {true, "FLEET", "0211345670", {}};
    gui.ctx.Config.DscBasic.UserMmsi = "0036699990";
    gui.select("SM 1");
    EXPECT_EQ(gui.find<QLabel>("lblGMMSICountry")->text(), "003669999 - United States of America");
    gui.select("SG 1");
    EXPECT_EQ(gui.find<QLabel>("lblGMMSICountry")->text(), "021134567 - Germany (Federal Republic of)");
    gui.select("DSC");
    EXPECT_EQ(gui.find<QLabel>("lblUserMMSICountry")->text(),
              "Check: 003669999 is not a ship station's MMSI (they begin with 2 to 7)");
    gui.type("txtUserMMSI", "366123456");
    gui.tab("txtUserMMSI");
    EXPECT_EQ(gui.find<QLabel>("lblUserMMSICountry")->text(), "366123456 - United States of America");
}

TEST(Directory, GroupNumbersAndTheLastEntry) {
    DscGui gui;
    gui.activate();
    auto &group = gui.ctx.Config.GroupDirectory;
    for (std::size_t i = 0; i < group.size(); ++i) {
        group[i] = {true, "G" + std::to_string(i + 1), "0123456780", {}};
    }
    gui.select("SG 32");
    EXPECT_EQ(gui.find<QLabel>("lblTag")->text(), "Group Name");
    EXPECT_EQ(gui.field("txtGMMSI")->text(), "12345678");
    gui.field("txtGMMSI")->selectAll();
    gui.type("txtGMMSI", "87654321");
    gui.tab("txtGMMSI");
    EXPECT_EQ(group[31].Mmsid, "0876543210");
    gui.type("txtGMMSI", "876543219"); // nine digits do not fit a group
    gui.tab("txtGMMSI");
    EXPECT_EQ(group[31].Mmsid, "0876543210");

    gui.answer(Answer::Yes);
    gui.box("chkGDelete")->click();
    EXPECT_FALSE(group[31].Enable);
    EXPECT_EQ(group[31].TagName, "");
    EXPECT_EQ(group[30].TagName, "G31");
    EXPECT_EQ(gui.window->nodeByKey("SG 32")->text(0), "Group ID32");
}

// Edits on the DSC, ATIS and directory pages survive a settings file, then a write to the radio and
// a read back.
TEST(DscPagesAndTheRadio, EditsSurviveFileAndRadio) {
    DscGui gui(kAtisGlobalIni);
    gui.radio = sim::SimulatedRadio(RadioMemory(2), {});
    gui.activate();
    gui.select("DSC");
    gui.choose("cmbUsableDscIndividualCall_2", 0);
    gui.choose("cmbUsableDscBeepOut_4", 0);
    gui.type("txtUserMMSI", "211234567");
    gui.select("ATIS");
    gui.box("chkATISChGroup_0")->click();
    gui.type("txtATIScode", "9211234567");
    gui.select("SG 1");
    gui.box("chkGEnable")->click();
    gui.type("txtGPosi", "FLEET");
    gui.type("txtGMMSI", "21134567"); // a group of Germany
    gui.select("DSC");
    const Configuration edited = gui.ctx.Config;
    EXPECT_EQ(edited.DscBasic.UserMmsi, "2112345670");
    EXPECT_EQ(edited.GroupDirectory[0].Mmsid, "0211345670");

    const QString path = QString::fromStdString((gui.folder.path() / "dsc.dat").string());
    gui.files.answers = {path};
    gui.find("mnuFileSaveAs")->trigger();
    gui.find("mnuFileNew")->trigger();
    QTest::qWait(200);
    gui.files.answers = {path};
    gui.find("mnuFileOpen")->trigger();
    EXPECT_EQ(gui.ctx.Config.DscAdvanced, edited.DscAdvanced);
    EXPECT_EQ(gui.ctx.Config.DscBasic, edited.DscBasic);
    EXPECT_EQ(gui.ctx.Config.Atis, edited.Atis);
    EXPECT_EQ(gui.ctx.Config.GroupDirectory[0], edited.GroupDirectory[0]);

    gui.pressOkInDialog();
    gui.find("mnuTransferProgram")->trigger();
    gui.find("mnuFileNew")->trigger();
    QTest::qWait(200);
    ASSERT_NE(gui.ctx.Config.DscBasic.UserMmsi, edited.DscBasic.UserMmsi);
    gui.pressOkInDialog();
    gui.find("mnuTransferRead")->trigger();
    EXPECT_EQ(gui.texts(), (std::vector<std::string>{"Complete!!", "Complete!!"}));
    EXPECT_EQ(gui.ctx.Config.DscAdvanced, edited.DscAdvanced);
    EXPECT_EQ(gui.ctx.Config.DscBasic.UserMmsi, edited.DscBasic.UserMmsi);
    EXPECT_EQ(gui.ctx.Config.DscBasic.BeepOut, edited.DscBasic.BeepOut);
    EXPECT_EQ(gui.ctx.Config.Atis.AtisCode, edited.Atis.AtisCode);
    EXPECT_EQ(gui.ctx.Config.Atis.UsableAtisChGroup, edited.Atis.UsableAtisChGroup);
    EXPECT_EQ(gui.ctx.Config.GroupDirectory[0].TagName, "FLEET");
    EXPECT_EQ(gui.ctx.Config.GroupDirectory[0].Mmsid, edited.GroupDirectory[0].Mmsid);
    EXPECT_EQ(gui.window->nodeByKey("SG 1")->text(0), "Group ID1[Enable]");
}

} // namespace
} // namespace klt
