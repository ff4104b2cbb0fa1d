// The channel pages driven through their controls: the group tables, the channel editor for plan and
// expansion channels, and the weather channels.

#include "gui/gui_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace klt {
namespace {

// A refused frequency says what a frequency must be.
const std::string kFrequencyRefused =
    "Data Error!!\r\nA frequency between 137 and 174 MHz on the 25 kHz raster (for example 156.050).";

constexpr int kCh16 = 32;
constexpr int kCh15 = 30; // receive only
constexpr int kCh20 = 40; // duplex
constexpr int kCh70 = 140;

QStringList Column(const QTableWidget *grid, int column) {
    QStringList cells;
    for (int row = 0; row < grid->rowCount(); ++row) {
        cells << grid->item(row, column)->text();
    }
    return cells;
}

QStringList Row(const QTableWidget *grid, int row) {
    QStringList cells;
    for (int column = 0; column < grid->columnCount(); ++column) {
        cells << grid->item(row, column)->text();
    }
    return cells;
}

struct ChannelGui : Gui {
    QCheckBox *box(const char *name) const { return find<QCheckBox>(name); }
    QLineEdit *field(const char *name) const { return find<QLineEdit>(name); }
    QTableWidget *grid() const { return find<QTableWidget>("MSFlexGrid1"); }
    // Types into a field as a user does: focus, then keys.
    void type(const char *name, const QString &keys) {
        QLineEdit *edit = field(name);
        edit->setFocus();
        QApplication::processEvents(); // the field selects its text once it has the focus
        QTest::keyClicks(edit, keys);
    }
    void clear(const char *name) {
        QLineEdit *edit = field(name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
    }
    void tab(const char *name) { QTest::keyClick(field(name), Qt::Key_Tab); }
};

TEST(ChannelTable, ListsTheEnabledChannelsAndJumpsToThem) {
    ChannelGui gui;
    ASSERT_TRUE(gui.select("PU"));
    EXPECT_EQ(gui.page(), "pictB");
    QTableWidget *grid = gui.grid();
    ASSERT_EQ(grid->columnCount(), 10);
    EXPECT_EQ(grid->horizontalHeaderItem(9)->text(), "CH Name");
    EXPECT_EQ(grid->columnWidth(0), 53); // 800 twips
    EXPECT_EQ(grid->rowHeight(0), 23);   // 350 twips
    EXPECT_EQ(grid->rowCount(), 51);
    EXPECT_FALSE(Column(grid, 0).contains("00"));
    const int row16 = static_cast<int>(Column(grid, 0).indexOf("16"));
    EXPECT_EQ(Row(grid, row16),
              (QStringList{"16", "156.800", "156.800", "TX", "---", "--", "---", "---", "--", "DISTRESS"}));
    const int row15 = static_cast<int>(Column(grid, 0).indexOf("15"));
    EXPECT_EQ(grid->item(row15, 2)->text(), "---.---");
    EXPECT_EQ(grid->item(row15, 3)->text(), "--");

    gui.ctx.Config.Usa[kCh16].Enable = false;
    gui.select("PU 0");
    gui.select("PU");
    EXPECT_EQ(grid->rowCount(), 50);
    EXPECT_FALSE(Column(gui.grid(), 0).contains("16"));

    const int row20 = static_cast<int>(Column(grid, 0).indexOf("20"));
    grid->setFocus();
    grid->setCurrentCell(row20, 3);
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(gui.window->shownNodeKey(), "PU 40");
    EXPECT_EQ(gui.page(), "pictC");
    gui.select("PU");
    EXPECT_EQ(grid->currentRow(), row20); // back where the user left the table

    gui.select("ExpChannel");
    ASSERT_EQ(grid->rowCount(), 64);
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), "ENABLE");
    EXPECT_EQ(Row(grid, 63),
              (QStringList{"64", "", "  ", "---.----", "---.----", "---", "UP", "---", "3", ""}));
    emit grid->cellDoubleClicked(4, 0);
    EXPECT_EQ(gui.window->shownNodeKey(), "E 5");
}

TEST(ChannelTable, TheWheelScrollsOneLineWhileTheGridHasTheFocus) {
    ChannelGui gui;
    gui.activate();
    gui.select("ExpChannel");
    QTableWidget *grid = gui.grid();
    grid->setFocus();
    QScrollBar *bar = grid->verticalScrollBar();
    ASSERT_TRUE(bar->isVisible());
    const QPoint inside = grid->viewport()->rect().center();
    const auto wheel = [&](int delta) {
        QWheelEvent event(inside, grid->viewport()->mapToGlobal(inside), {}, {0, delta}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid->viewport(), &event);
    };
    wheel(-120);
    EXPECT_EQ(bar->value(), 1);
    wheel(-240);
    EXPECT_EQ(bar->value(), 3);
    wheel(120);
    EXPECT_EQ(bar->value(), 2);
}

TEST(ChannelEditor, PlanChannelShowsItsRecord) {
    ChannelGui gui;
    gui.ctx.Config.Usa[kCh16].Scramble = 5;
    gui.ctx.Config.Usa[kCh16].ChTag = "MAYDAY";
    gui.select("PU 32");
    EXPECT_EQ(gui.field("txtCN_0")->text(), "16");
    EXPECT_EQ(gui.field("txtCN_1")->text(), "");
    EXPECT_EQ(gui.field("txtCRF")->text(), "156.800");
    EXPECT_TRUE(gui.field("txtCRF")->isReadOnly());
    EXPECT_EQ(gui.field("txtCTag")->text(), "MAYDAY");
    EXPECT_EQ(gui.find<QComboBox>("cmbScramble")->currentText(), "1");
    EXPECT_FALSE(gui.find<QComboBox>("cmbScramble")->isEnabled()); // never on the distress channel
    EXPECT_FALSE(gui.box("chkCBExp_0")->isVisibleTo(gui.window.get()));

    // Checking the channel again leaves the exceptions in place.
    gui.box("chkCEnable")->click();
    EXPECT_FALSE(gui.ctx.Config.Usa[kCh16].Enable);
    EXPECT_EQ(gui.window->nodeByKey("PU 32")->text(0), "CH16");
    EXPECT_TRUE(gui.window->modified());
    gui.box("chkCEnable")->click();
    EXPECT_EQ(gui.window->nodeByKey("PU 32")->text(0), "CH16[Enable]");
    EXPECT_FALSE(gui.find<QComboBox>("cmbScramble")->isEnabled());
    EXPECT_TRUE(gui.box("chkCScan")->isEnabled());

    gui.select("PU 140");
    gui.box("chkCEnable")->click();
    gui.box("chkCEnable")->click();
    EXPECT_FALSE(gui.box("chkCScan")->isEnabled());
    EXPECT_FALSE(gui.find<QComboBox>("cmbScramble")->isEnabled());
    EXPECT_EQ(gui.field("txtCTF")->text(), "---.---"); // channel 70 receives only
}

TEST(ChannelEditor, DisablingAChannelTakesDuplexAwayUntilTheRefill) {
    ChannelGui gui;
    gui.activate();
    gui.select("PU 40");
    QCheckBox *duplex = gui.box("chkCDup");
    ASSERT_TRUE(duplex->isEnabled());
    EXPECT_EQ(gui.field("txtCRF")->text(), "161.600"); // the plan's duplex receive frequency
    duplex->click();
    EXPECT_FALSE(gui.ctx.Config.Usa[kCh20].Duplex);
    EXPECT_EQ(gui.field("txtCRF")->text(), "157.000"); // the simplex one at once
    gui.box("chkCEnable")->click();
    EXPECT_FALSE(duplex->isEnabled());
    EXPECT_FALSE(gui.box("chkCTXEnable")->isEnabled());
    EXPECT_FALSE(gui.field("txtCTag")->isEnabled());
    gui.box("chkCEnable")->click();
    EXPECT_TRUE(duplex->isEnabled());
    EXPECT_TRUE(gui.box("chkCEnable")->hasFocus());

    // A receive-only channel never offers duplex.
    gui.select("PU 30");
    EXPECT_FALSE(duplex->isEnabled());
}

TEST(ChannelEditor, TxEnableRulesThePowerBoxes) {
    ChannelGui gui;
    gui.ctx.Config.Usa[kCh16].LowPower = true;
    gui.select("PU 32");
    QCheckBox *low = gui.box("chkCTXOnly");
    QCheckBox *up = gui.box("chkCTXPower");
    EXPECT_TRUE(low->isEnabled());
    EXPECT_TRUE(up->isEnabled());
    gui.box("chkCTXEnable")->click();
    EXPECT_FALSE(low->isEnabled());
    EXPECT_FALSE(up->isEnabled());
    EXPECT_FALSE(gui.find<QWidget>("linCTXOnly")->isEnabled());
    EXPECT_FALSE(gui.ctx.Config.Usa[kCh16].TxEnable);
    EXPECT_TRUE(gui.ctx.Config.Usa[kCh16].LowPower); // the box keeps its state, and so does the record
    gui.box("chkCTXEnable")->click();
    low->click();
    EXPECT_TRUE(gui.ctx.Config.Usa[kCh16].TxEnable);
    EXPECT_FALSE(gui.ctx.Config.Usa[kCh16].LowPower);
    EXPECT_FALSE(up->isEnabled());

    gui.select("PU 30");
    EXPECT_FALSE(gui.box("chkCTXEnable")->isChecked());
    EXPECT_FALSE(gui.box("chkCTXEnable")->isEnabled());
    EXPECT_EQ(gui.field("txtCTF")->text(), "---.---");
    EXPECT_FALSE(gui.ctx.Config.Usa[kCh15].TxEnable);
}

TEST(ChannelEditor, ScramblerOnlyWithTheOption) {
    ChannelGui gui;
    gui.select("PU 20");
    EXPECT_TRUE(gui.find<QComboBox>("cmbScramble")->isVisibleTo(gui.window.get()));
    auto *list = gui.find<QComboBox>("cmbScramble");
    list->setCurrentIndex(4);
    emit list->activated(4);
    EXPECT_EQ(gui.ctx.Config.Usa[20].Scramble, 7);
    emit list->activated(0);
    EXPECT_EQ(gui.ctx.Config.Usa[20].Scramble, 0);

    gui.ctx.ScramblerOption = false;
    gui.ctx.Config.Usa[20].Scramble = 6;
    gui.select("PU");
    EXPECT_EQ(gui.grid()->item(0, 8)->text(), "");
    gui.select("PU 20");
    EXPECT_FALSE(gui.find<QComboBox>("cmbScramble")->isVisibleTo(gui.window.get()));
    EXPECT_FALSE(gui.find<QWidget>("lblScramble")->isVisibleTo(gui.window.get()));
}

TEST(ChannelEditor, NamesAndReadOnlyFields) {
    ChannelGui gui;
    gui.activate();
    gui.select("PU 32");
    gui.window->setModified(false);
    gui.type("txtCRF", "1");
    EXPECT_EQ(gui.field("txtCRF")->text(), "156.800");
    EXPECT_FALSE(gui.window->modified());

    gui.type("txtCTag", "A_B/C 16 LONG NAME!");
    EXPECT_EQ(gui.ctx.Config.Usa[kCh16].ChTag, "AB/C 16 LONG NAM"); // 16 characters, no "_" or "!"
    EXPECT_TRUE(gui.window->modified());
    EXPECT_EQ(gui.hint(), "A maximum of 12 characters");

    // Pasted text passes the same filter as typed keys.
    gui.field("txtCTag")->selectAll();
    QApplication::clipboard()->setText("P_A(S)TE!");
    QTest::keyClick(gui.field("txtCTag"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(gui.ctx.Config.Usa[kCh16].ChTag, "PA(S)TE");
}

TEST(ChannelEditor, ExpansionChannelFrequenciesFollowTheRule) {
    ChannelGui gui;
    gui.activate();
    gui.select("E 1");
    EXPECT_FALSE(gui.box("chkCTXEnable")->isVisibleTo(gui.window.get()));
    EXPECT_FALSE(gui.box("chkCDup")->isVisibleTo(gui.window.get()));
    EXPECT_TRUE(gui.box("chkCBExp_2")->isVisibleTo(gui.window.get()));
    gui.box("chkCEnable")->click();
    EXPECT_EQ(gui.window->nodeByKey("E 1")->text(0), "EXP1[Enable]");
    EXPECT_TRUE(gui.box("chkCTXOnly")->isEnabled()); // transmits at normal power from the start

    // Enabled without a frequency or a display number: the page cannot be left.
    EXPECT_FALSE(gui.select("E 2"));
    EXPECT_TRUE(
        gui.texts().back().starts_with("Data Error!!\r\nPlease input correct data.\r\nAn enabled EXP "));
    EXPECT_EQ(gui.ui.messages.back().title, "PC Program for TQ-300");

    gui.type("txtCN_0", "2");
    QTest::keyClick(gui.field("txtCN_0"), Qt::Key_Backspace); // the display keys know no Backspace
    gui.type("txtCN_0", "bx");
    EXPECT_EQ(gui.ctx.Config.Expansion[0].CHDisplayL, "2b");
    gui.type("txtCN_1", "A");
    EXPECT_EQ(gui.ctx.Config.Expansion[0].CHDisplayR, "A");

    const auto refused = [&](const char *text) {
        gui.clear("txtCRF");
        gui.type("txtCRF", text);
        const std::size_t boxes = gui.ui.messages.size();
        gui.tab("txtCRF");
        EXPECT_EQ(gui.ui.messages.size(), boxes + 1) << text;
        EXPECT_EQ(gui.texts().back(), kFrequencyRefused);
        EXPECT_EQ(gui.ui.messages.back().title, "Rx frequency");
        EXPECT_TRUE(gui.field("txtCRF")->hasFocus());
        EXPECT_EQ(gui.ctx.Config.Expansion[0].Rxfreq, 0.0);
    };
    refused("156.0125");
    refused("136.000");
    refused("175.000");
    gui.clear("txtCRF");
    gui.type("txtCRF", "156.025");
    gui.tab("txtCRF");
    EXPECT_DOUBLE_EQ(gui.ctx.Config.Expansion[0].Rxfreq, 156.025);
    EXPECT_EQ(gui.field("txtCRF")->text(), "156.0250");
    gui.type("txtCTF", "174");
    gui.tab("txtCTF");
    EXPECT_DOUBLE_EQ(gui.ctx.Config.Expansion[0].Txfreq, 174.0);
    EXPECT_TRUE(gui.select("E 2"));

    // Emptied, the frequency is no frequency: accepted, but the enabled channel cannot be left so.
    gui.select("E 1");
    gui.clear("txtCRF");
    gui.tab("txtCRF");
    EXPECT_EQ(gui.ctx.Config.Expansion[0].Rxfreq, 0.0);
    EXPECT_EQ(gui.field("txtCRF")->text(), "---.----");
    EXPECT_FALSE(gui.select("E 2"));
    EXPECT_EQ(gui.window->shownNodeKey(), "E 1");
}

// One display figure is not the two the radio shows: the page holds the channel as the check would
// name it, until the second figure is typed.
TEST(ChannelEditor, AnEnabledExpansionChannelNeedsBothDisplayFigures) {
    ChannelGui gui;
    gui.activate();
    gui.select("E 4");
    gui.box("chkCEnable")->click();
    gui.type("txtCRF", "156.050");
    gui.tab("txtCRF");
    gui.type("txtCN_0", "3");
    EXPECT_FALSE(gui.select("E 5"));
    EXPECT_TRUE(
        gui.texts().back().starts_with("Data Error!!\r\nPlease input correct data.\r\nAn enabled EXP "));
    gui.type("txtCN_0", "0");
    EXPECT_EQ(gui.ctx.Config.Expansion[3].CHDisplayL, "30");
    EXPECT_TRUE(gui.select("E 5"));
}

// A click on another control is a move of the focus like Tab: the box comes once the click is done,
// the click does nothing, and the focus returns to the field.
TEST(ChannelEditor, AFrequencyRefusedOnAClickElsewhereHoldsThePage) {
    ChannelGui gui;
    gui.activate();
    gui.select("E 3");
    gui.box("chkCEnable")->click();
    gui.type("txtCN_0", "30");
    gui.type("txtCRF", "160.000");
    gui.tab("txtCRF");
    gui.type("txtCRF", "160.001");
    QTest::mouseClick(gui.box("chkCScan"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(gui.texts(), (std::vector<std::string>{kFrequencyRefused}));
    EXPECT_TRUE(gui.field("txtCRF")->hasFocus());
    EXPECT_DOUBLE_EQ(gui.ctx.Config.Expansion[2].Rxfreq, 160.0);
    EXPECT_FALSE(gui.select("PW"));
    EXPECT_EQ(gui.texts().size(), 2u);
    gui.find<QAction>("mnuFileSaveAs")->trigger();
    EXPECT_EQ(gui.files.asked, 0); // the file commands check the page first
}

// A click on another channel while this one holds a refused frequency: the tree keeps showing the
// channel whose page stays, so the next keys go where the user sees them going.
TEST(ChannelEditor, ARefusedMoveLeavesTheTreeOnTheShownChannel) {
    ChannelGui gui;
    gui.activate();
    gui.select("E 1");
    gui.box("chkCEnable")->click();
    gui.type("txtCN_0", "10");
    gui.type("txtCRF", "156.0125");
    auto *tree = gui.find<QTreeWidget>("tvTreeView");
    QTreeWidgetItem *other = gui.window->nodeByKey("E 3");
    tree->scrollToItem(other);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(other).center());
    QApplication::processEvents();
    EXPECT_EQ(gui.texts(), (std::vector<std::string>{kFrequencyRefused}));
    EXPECT_EQ(gui.window->shownNodeKey(), "E 1");
    EXPECT_EQ(tree->currentItem(), gui.window->nodeByKey("E 1"));
    EXPECT_EQ(tree->selectedItems(), QList<QTreeWidgetItem *>{gui.window->nodeByKey("E 1")});

    // Mended and disabled, the channel keeps what it was given.
    gui.field("txtCRF")->selectAll();
    gui.type("txtCRF", "156.050");
    gui.tab("txtCRF");
    gui.box("chkCEnable")->click();
    EXPECT_FALSE(gui.ctx.Config.Expansion[0].Enable);
    EXPECT_DOUBLE_EQ(gui.ctx.Config.Expansion[0].Rxfreq, 156.05);
    EXPECT_EQ(gui.ctx.Config.Expansion[0].CHDisplayL, "10");
    EXPECT_EQ(gui.field("txtCRF")->text(), "156.0500");
    EXPECT_EQ(gui.field("txtCN_0")->text(), "10");
}

TEST(WeatherPage, EnableRulesTheRowAndTheFocusRowIsMarked) {
    ChannelGui gui;
    gui.activate();
    gui.select("PW");
    EXPECT_EQ(gui.page(), "pictD");
    EXPECT_EQ(gui.find<QWidget>("lblWX_0")->property("text").toString(), "WX01[162.550MHz]");
    QCheckBox *enable = gui.box("chkDEnable_3");
    ASSERT_TRUE(enable->isChecked());
    enable->click();
    EXPECT_FALSE(gui.ctx.Config.Weather[3].Enable);
    EXPECT_FALSE(gui.box("chkDScan_3")->isEnabled());
    EXPECT_FALSE(gui.field("txtDTagName_3")->isEnabled());
    enable->click();
    gui.box("chkDScan_3")->click();
    EXPECT_TRUE(gui.ctx.Config.Weather[3].ScanMemory);
    gui.clear("txtDTagName_3");
    gui.type("txtDTagName_3", "NOAA_LOCAL_16CHARS");
    EXPECT_EQ(gui.ctx.Config.Weather[3].ChTag, "NOAA_LOCAL_16CHA");

    enable->setFocus();
    EXPECT_EQ(enable->text(), ">");
    EXPECT_EQ(gui.hint(), "Select[x]Enable/[]Disable.");
    gui.box("chkDScan_3")->setFocus();
    EXPECT_EQ(enable->text(), " ");
    EXPECT_EQ(gui.box("chkDScan_3")->text(), ">");
}

} // namespace
} // namespace klt

namespace klt {
namespace {

// Undo takes back a page's edits as one step, named after the page, and redo brings them again;
// undoing back to what was saved clears the modified flag.
TEST(Undo, APagesEditsAreOneStepAndTheModifiedFlagFollows) {
    ChannelGui gui;
    gui.activate();
    gui.select("PW");
    const Configuration before = gui.ctx.Config;
    gui.box("chkDEnable_3")->click();
    gui.box("chkDEnable_4")->click();
    ASSERT_TRUE(gui.window->modified());
    ASSERT_TRUE(gui.select("Common")); // leaving the page commits its edits
    QAction *undo = gui.find("mnuEditUndo");
    ASSERT_TRUE(undo->isEnabled());
    EXPECT_EQ(undo->text(), "&Undo Edit of Weather");
    const Configuration edited = gui.ctx.Config;
    undo->trigger();
    EXPECT_EQ(gui.ctx.Config, before);
    EXPECT_FALSE(gui.window->modified());
    EXPECT_FALSE(undo->isEnabled());
    QAction *redo = gui.find("mnuEditRedo");
    EXPECT_EQ(redo->text(), "&Redo Edit of Weather");
    redo->trigger();
    EXPECT_EQ(gui.ctx.Config, edited);
    EXPECT_TRUE(gui.window->modified());
}

// A whole replacement is a step too: undoing a read brings back the records it replaced.
TEST(Undo, ReadFromRadioIsUndoneWhole) {
    ChannelGui gui;
    gui.ctx.Config.Individual[0] = {true, "BEFORE", "3661001370", {}};
    const Configuration before = gui.ctx.Config;
    const RadioImage image = gui.ctx.Image;
    gui.pressOkInDialog();
    gui.find("mnuTransferRead")->trigger();
    ASSERT_NE(gui.ctx.Config, before);
    QAction *undo = gui.find("mnuEditUndo");
    EXPECT_EQ(undo->text(), "&Undo Read from Radio");
    undo->trigger();
    EXPECT_EQ(gui.ctx.Config, before);
    EXPECT_EQ(gui.ctx.Image, image);
    EXPECT_TRUE(gui.window->modified()); // the read was the state in the radio; this one was never saved
}

} // namespace
} // namespace klt
