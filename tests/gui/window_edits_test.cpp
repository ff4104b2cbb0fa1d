// Edits the window must refuse or carry through: a paste into a field that only shows, a group's
// number one digit too long, and the radio's "ALL Clear" emptying both station directories.

#include "gui/gui_fixture.h"
#include "model/image_layout.h"
#include "model/image_mapping.h"

#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace klt {
namespace {

struct EditGui : Gui {
    using Gui::Gui;
    QLineEdit *field(const char *name) const { return find<QLineEdit>(name); }
    void paste(const char *name, const QString &text) {
        QApplication::clipboard()->setText(text);
        QLineEdit *edit = field(name);
        edit->setFocus();
        QApplication::processEvents();
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    }
    void type(const char *name, const QString &keys) {
        QLineEdit *edit = field(name);
        edit->setFocus();
        QApplication::processEvents();
        QTest::keyClicks(edit, keys);
    }
};

constexpr int kChannel16 = 32; // the position of channel 16 in each plan table

// A plan channel's frequencies and display figures are the plan's: a paste changes neither the field
// nor the record, and the document stays unchanged.
TEST(ReadOnlyFields, APasteChangesNothing) {
    EditGui gui;
    gui.activate();
    ASSERT_TRUE(gui.select("PU 32"));
    gui.window->setModified(false);
    const ChannelRecord before = gui.ctx.Config.Usa[kChannel16];
    for (const char *name : {"txtCRF", "txtCTF", "txtCN_0", "txtCN_1"}) {
        ASSERT_TRUE(gui.field(name)->isReadOnly()) << name;
        const QString shown = gui.field(name)->text();
        gui.field(name)->setCursorPosition(0);
        gui.paste(name, "1");
        EXPECT_EQ(gui.field(name)->text(), shown) << name;
        QTest::keyClick(gui.field(name), Qt::Key_Tab);
    }
    EXPECT_EQ(gui.ctx.Config.Usa[kChannel16], before);
    EXPECT_FALSE(gui.window->modified());

    // The same paste into the channel's name, which may be edited, is taken.
    gui.field("txtCTag")->setFocus();
    QApplication::processEvents();
    gui.field("txtCTag")->selectAll();
    gui.paste("txtCTag", "MAYDAY");
    EXPECT_EQ(gui.field("txtCTag")->text(), "MAYDAY");
}

// A group's number has eight digits: the ninth is not taken, and the station's field, shown after it,
// takes nine again.
TEST(GroupNumberField, EightDigitsForAGroupNineForAStation) {
    EditGui gui;
    gui.activate();
    gui.ctx.Config.GroupDirectory[0] = {true, "FLEET", "0211345670", {}};
    gui.ctx.Config.Individual[0] = {true, "HARBOUR", "2111111110", {}};
    ASSERT_TRUE(gui.select("SG 1"));
    EXPECT_EQ(gui.field("txtGMMSI")->maxLength(), 8);
    gui.type("txtGMMSI", "366123459");
    EXPECT_EQ(gui.field("txtGMMSI")->text(), "36612345");
    QTest::keyClick(gui.field("txtGMMSI"), Qt::Key_Tab);
    EXPECT_EQ(gui.ctx.Config.GroupDirectory[0].Mmsid, "0366123450");
    gui.paste("txtGMMSI", "211345679");
    EXPECT_EQ(gui.field("txtGMMSI")->text(), "21134567");

    ASSERT_TRUE(gui.select("SM 1"));
    EXPECT_EQ(gui.field("txtGMMSI")->maxLength(), 9);
    gui.type("txtGMMSI", "366123456");
    QTest::keyClick(gui.field("txtGMMSI"), Qt::Key_Tab);
    EXPECT_EQ(gui.ctx.Config.Individual[0].Mmsid, "3661234560");
    ASSERT_TRUE(gui.select("SG 1"));
    EXPECT_EQ(gui.field("txtGMMSI")->maxLength(), 8);
}

// "ALL Clear" erases both directories in the radio, and the window shows both empty.
TEST(AllClear, EmptiesBothStationDirectories) {
    EditGui gui;
    auto memory = RadioMemory(1);
    memory[layout::kIndividualDirectoryArea.first] = 0x21;
    memory[layout::kGroupDirectoryArea.first] = 0x02;
    gui.radio = sim::SimulatedRadio(memory, {});
    gui.ctx.Config.Individual[0] = {true, "HARBOUR", "2111111110", {}};
    gui.ctx.Config.Individual[1] = {true, "OSPREY", "3661002740", {}};
    gui.ctx.Config.GroupDirectory[0] = {true, "FLEET", "0211345670", {}};
    EncodeImage(gui.ctx.Image, gui.ctx.Config); // as a read from the radio leaves them
    gui.window->nodeByKey("SM")->setExpanded(true);
    gui.window->nodeByKey("SG")->setExpanded(true);
    ASSERT_TRUE(gui.select("DSC"));
    gui.window->setModified(false);
    gui.pressOkInDialog();
    gui.find<QPushButton>("cmdFclearLog_6")->click();
    const auto texts = gui.texts();
    ASSERT_NE(std::find(texts.begin(), texts.end(), "Complete!!"), texts.end());
    EXPECT_FALSE(gui.ctx.Config.Individual[0].Enable);
    EXPECT_FALSE(gui.ctx.Config.Individual[1].Enable);
    EXPECT_EQ(gui.ctx.Config.Individual[0].TagName, "");
    EXPECT_FALSE(gui.ctx.Config.GroupDirectory[0].Enable);
    EXPECT_EQ(gui.ctx.Config.GroupDirectory[0].TagName, "");
    EXPECT_EQ(gui.window->nodeByKey("SM 1")->text(0), "Memory ID1");
    EXPECT_EQ(gui.window->nodeByKey("SM 2")->text(0), "Memory ID2");
    EXPECT_EQ(gui.window->nodeByKey("SG 1")->text(0), "Group ID1");
    EXPECT_TRUE(gui.window->modified());
    EXPECT_EQ(gui.radio.memory()[layout::kIndividualDirectoryArea.first], 0xFF);
    EXPECT_EQ(gui.radio.memory()[layout::kGroupDirectoryArea.first], 0xFF);
}

} // namespace
} // namespace klt

namespace klt {
namespace {

// A name typed and taken back before the page is left leaves nothing to save and nothing to undo.
TEST(EditsTakenBack, LeaveTheDocumentUnchanged) {
    EditGui gui;
    gui.activate();
    gui.select("PU 32");
    gui.type("txtCTag", "");
    QTest::keyClick(gui.field("txtCTag"), Qt::Key_End);
    QTest::keyClicks(gui.field("txtCTag"), "X");
    EXPECT_TRUE(gui.window->modified());
    QTest::keyClick(gui.field("txtCTag"), Qt::Key_Backspace);
    gui.select("PU 34");
    EXPECT_FALSE(gui.window->modified());
    EXPECT_FALSE(gui.window->windowTitle().startsWith('*'));
    EXPECT_FALSE(gui.find("mnuEditUndo")->isEnabled());
}

} // namespace
} // namespace klt
