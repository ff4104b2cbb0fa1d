// The window's texts go through the application's translator. A translator that marks every text of
// the window's own contexts shows which texts are translated (menus, pages, hints, the tree's words, the
// window's own questions) and which stay as they were (the tree's keys, the core's texts, the settings
// file and the report). Its marks are beyond ASCII, so a translated text must reach a box, a menu and a
// step's name as UTF-8 intact.

#include "app/transfer_command.h"
#include "editor/control_hints.h"
#include "gui/gui_fixture.h"
#include "model/model_catalogue.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <string_view>

namespace klt {
namespace {

const std::string kOpen = "\u00ab";  // «
const std::string kClose = "\u00bb"; // »

std::string Marked(const std::string &text) {
    return kOpen + text + kClose;
}

QString MarkedQ(const std::string &text) {
    return QString::fromStdString(Marked(text));
}

class MarkingTranslator final : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override {
        if (!std::string_view(context).starts_with("klt::") || *source == '\0') {
            return {};
        }
        return MarkedQ(source);
    }
};

class Translated : public ::testing::Test {
protected:
    Translated() { QCoreApplication::installTranslator(&translator_); }
    ~Translated() override { QCoreApplication::removeTranslator(&translator_); }
    void stopTranslating() { QCoreApplication::removeTranslator(&translator_); }

private:
    MarkingTranslator translator_;
};

template <typename T> T *Child(const Gui &gui, const char *name) {
    T *child = gui.window->findChild<T *>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
}

// A node's text; empty when no node has the key.
QString Node(const Gui &gui, const char *key) {
    const QTreeWidgetItem *node = gui.window->nodeByKey(key);
    return node != nullptr ? node->text(0) : QString();
}

TEST_F(Translated, MenusTreeAndPagesShowTranslatedTextsAndTheKeysStay) {
    Gui gui;
    EXPECT_EQ(gui.find<QMenu>("mnuFile")->title(), MarkedQ("&File"));
    EXPECT_EQ(gui.find("mnuFileSaveAs")->text(), MarkedQ("Save &As..."));
    EXPECT_EQ(gui.find<QMenu>("mnuEditModel")->title(), MarkedQ("&Model"));
    // A table's name is the CSV files' own: only the window's words around it are translated.
    // (Captions that name no access key are given one: "&" marks it.)
    EXPECT_EQ(gui.find("mnuFileImport_individual-directory")->text().remove('&'),
              MarkedQ("%1 (CSV)...").arg("Individual Directory"));
    // The model's caption is the catalogue's.
    EXPECT_EQ(gui.find("mnuEditModelType0")->text().remove('&'),
              QString::fromStdString(ModelCaption(ModelNo(1))));

    // The tree's words are translated, its records' parts and its keys are not.
    EXPECT_EQ(Node(gui, "General"), MarkedQ("General"));
    EXPECT_EQ(Node(gui, "PU"), MarkedQ("Group1") + "(USA)");
    EXPECT_EQ(Node(gui, "PU 32"), MarkedQ("CH") + "16" + MarkedQ("[Enable]"));
    EXPECT_EQ(Node(gui, "SM 80"), MarkedQ("Memory ID") + "80");
    EXPECT_EQ(Node(gui, "ExpChannel"), MarkedQ("EXP Channel") + "(EXP)");

    gui.activate();
    ASSERT_TRUE(gui.select("Common"));
    EXPECT_EQ(gui.page(), "pictCommon");
    EXPECT_EQ(gui.hint(), MarkedQ("[Up]/[Down]/[Left]/[Right]:Change of a Selection item."));
    EXPECT_EQ(Child<QGroupBox>(gui, "fraCommonScan")->title(), MarkedQ("Scanning Function"));
    EXPECT_EQ(Child<QLabel>(gui, "lblCommonResume")->text(), MarkedQ("Resume Time"));
    auto *scan = Child<QComboBox>(gui, "cmbCommonScan");
    EXPECT_EQ(scan->itemText(1), MarkedQ("On"));
    EXPECT_EQ(HintOf(scan), MarkedQ("[Up]/[Down]:Change of a Selection item."));
    // The offsets are the core's texts, as the report writes them.
    EXPECT_EQ(Child<QComboBox>(gui, "cmbCommonOffset")->itemText(48), "+12:00");

    // A status name given on the page shows in the group's node beside the translated word.
    ASSERT_TRUE(gui.select("Usable"));
    EXPECT_EQ(Child<QCheckBox>(gui, "chkUsable_3")->text(), MarkedQ("EXP CH Group"));
    EXPECT_EQ(Child<QCheckBox>(gui, "chkEXP_0")->text(), MarkedQ("Group1") + "[USA]");
    auto *name = Child<QLineEdit>(gui, "txtUsable_0");
    name->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(gui.hint(), MarkedQ("max 4 charactors."));
    name->selectAll();
    QTest::keyClicks(name, "B1");
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_EQ(gui.ctx.Config.Groups[0].StatusName, "B1");
    EXPECT_EQ(Node(gui, "PU"), MarkedQ("Group1") + "(B1)");
}

TEST_F(Translated, TheWindowsOwnMessagesAreTranslatedAndTheCoresTextsAndFilesAreNot) {
    Gui gui;
    // The window's question, in the core's box title.
    gui.find("mnuEditModelType1")->trigger();
    ASSERT_EQ(gui.ui.messages.size(), 1u);
    EXPECT_EQ(gui.ui.messages[0].text,
              Marked("Do you want to program the " + ModelName(ModelNo(2)) + " series?"));
    EXPECT_EQ(gui.ui.messages[0].title, gui.ctx.TitleText);
    EXPECT_EQ(gui.ctx.CurrentModel, ModelNo(1)); // cancelled
    EXPECT_EQ(gui.window->windowTitle(), "PC Program for TQ-300  KLT Programmer");

    // A step is named with the page's translated node, and Undo shows that name as it was given.
    gui.activate();
    ASSERT_TRUE(gui.select("PW"));
    Child<QCheckBox>(gui, "chkDEnable_3")->click();
    EXPECT_EQ(gui.find("mnuEditUndo")->text(), MarkedQ("&Undo %1").arg("Edit of " + MarkedQ("Weather")));
    gui.select("Common");

    // The settings file is the same whether the window is translated or not.
    const auto translatedFile = gui.folder.path() / "translated.dat";
    const auto plainFile = gui.folder.path() / "plain.dat";
    gui.files.answers = {QString::fromStdString(translatedFile.string())};
    gui.find("mnuFileSaveAs")->trigger();
    stopTranslating();
    gui.files.answers = {QString::fromStdString(plainFile.string())};
    gui.find("mnuFileSaveAs")->trigger();
    const std::string saved = test::ReadFile(translatedFile.string());
    EXPECT_FALSE(saved.empty());
    EXPECT_EQ(saved, test::ReadFile(plainFile.string()));
}

TEST_F(Translated, TheReportAndTheTransferDialog) {
    Gui gui;
    // The report window is translated; the report itself is the core's, as it is printed and saved.
    QTimer::singleShot(50, [] {
        auto *window = QApplication::activeModalWidget();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->windowTitle(), MarkedQ("Print to File"));
        EXPECT_EQ(window->findChild<QPushButton *>("cmdOK")->text(), MarkedQ("OK"));
        EXPECT_TRUE(window->findChild<QPlainTextEdit *>("txtPrn")->toPlainText().startsWith(
            "##### Usable CH Group Setup"));
        window->findChild<QPushButton *>("cmdOK")->click();
    });
    gui.find("mnuFilePrintToFile")->trigger();

    // The dialog's texts are the window's; its title is the operation's caption from the core.
    QTimer::singleShot(0, [] {
        auto *dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), QString::fromStdString(OperationCaption(Operation::Read)));
        EXPECT_TRUE(dialog->findChild<QLabel *>("lblmess")->text().startsWith(MarkedQ("1.Connect").left(10)));
        EXPECT_EQ(dialog->findChild<QPushButton *>("cmdHelp")->text(), MarkedQ("Help"));
        dialog->findChild<QPushButton *>("cmdCancel")->click();
    });
    gui.find("mnuTransferRead")->trigger();
}

} // namespace
} // namespace klt
