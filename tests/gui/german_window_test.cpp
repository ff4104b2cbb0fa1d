// The window in German, with the translations the program carries and loads by the locale: its menus
// and pages speak German, Qt's own buttons too, the fixed error texts stay as they are, and the
// settings file it saves is the one it saves in English.

#include "gui/gui_fixture.h"
#include "language/window_language.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTranslator>

#include <gtest/gtest.h>

#include <map>

namespace klt {
namespace {

// Takes off the translators a test installed, so that the next test starts in English.
void RemoveTranslators() {
    for (QTranslator *translator : qApp->findChildren<QTranslator *>(Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

class WindowLanguage : public ::testing::Test {
protected:
    ~WindowLanguage() override {
        RemoveTranslators();
        QLocale::setDefault(QLocale::c());
    }
};

const QLocale kGerman(QLocale::German, QLocale::Germany);

QString Text(const char *context, const char *source) {
    return QCoreApplication::translate(context, source);
}

TEST_F(WindowLanguage, AnEnglishOrUnknownLocaleKeepsTheWindowInEnglish) {
    for (const QLocale &locale : {QLocale(QLocale::English, QLocale::UnitedStates), QLocale::c(),
                                  QLocale(QLocale::Japanese, QLocale::Japan)}) {
        EXPECT_EQ(InstallWindowLanguage(*qApp, locale), QString()) << locale.name().toStdString();
        EXPECT_TRUE(qApp->findChildren<QTranslator *>().isEmpty());
        EXPECT_EQ(Text("klt::EditorActions", "&File"), "&File");
        EXPECT_EQ(Text("QPlatformTheme", "Cancel"), "Cancel");
    }
}

TEST_F(WindowLanguage, AGermanLocaleFindsTheGermanTexts) {
    // Austrian German finds the German of Germany.
    EXPECT_EQ(InstallWindowLanguage(*qApp, QLocale(QLocale::German, QLocale::Austria)), "de_DE");
    EXPECT_EQ(Text("klt::EditorActions", "&File"), "&Datei");
    // Qt's own texts for the message boxes' and dialogs' standard buttons.
    EXPECT_EQ(Text("QPlatformTheme", "Cancel"), "Abbrechen");
    EXPECT_EQ(Text("QPlatformTheme", "&Yes"), "&Ja");
}

TEST_F(WindowLanguage, TheWindowsMenusAndPagesAreGerman) {
    ASSERT_EQ(InstallWindowLanguage(*qApp, kGerman), "de_DE");
    Gui gui;
    EXPECT_EQ(gui.find<QMenu>("mnuFile")->title(), "&Datei");
    EXPECT_EQ(gui.find("mnuFileSaveAs")->text(), "Speichern &unter...");
    EXPECT_EQ(gui.find("mnuTransferRead")->text(), "&Lesen aus dem Funkgerät");
    // The toolbar names an action by its menu text's first word, which must say what it does.
    EXPECT_EQ(gui.find("mnuTransferProgram")->iconText(), "Programmieren");
    EXPECT_EQ(gui.find("mnuTransferRead")->iconText(), "Lesen");
    EXPECT_EQ(gui.find("mnuFileOpen")->iconText(), "Öffnen");
    EXPECT_EQ(gui.find<QMenu>("mnuEditModel")->title(), "&Modell");
    // The model's and the CSV tables' names are the same in every language.
    EXPECT_EQ(gui.find("mnuEditModelType0")->text().remove('&'),
              QString::fromStdString(ModelCaption(ModelNo(1))));
    EXPECT_EQ(gui.find("mnuFileImport_individual-directory")->text().remove('&'),
              "Individual Directory (CSV)...");
    EXPECT_EQ(gui.window->windowTitle(), "PC Program for TQ-300  KLT Programmer");
    EXPECT_EQ(gui.window->nodeByKey("General")->text(0), "Allgemein");

    gui.activate();
    ASSERT_TRUE(gui.select("Common"));
    EXPECT_EQ(gui.page(), "pictCommon");
    EXPECT_EQ(gui.find<QGroupBox>("fraCommonScan")->title(), "Suchlauf");
    EXPECT_EQ(gui.find<QLabel>("lblCommonResume")->text(), "Fortsetzen nach");
    EXPECT_EQ(gui.find<QComboBox>("cmbCommonScan")->itemText(1), "Ein");
    EXPECT_EQ(gui.hint(), "[Auf]/[Ab]/[Links]/[Rechts]: Auswahl ändern.");

    ASSERT_TRUE(gui.select("DSC"));
    EXPECT_EQ(gui.page(), "pictDSC");
    EXPECT_EQ(gui.find<QTabBar>("tbsDSC_USER")->tabText(0), "Grundeinstellungen");
    EXPECT_EQ(gui.find<QGroupBox>("fraUsableDsc")->title(), "Verwendbare DSC-Kanalgruppen");
    EXPECT_EQ(gui.find<QLabel>("lblUserMMSI")->text(), "Eigene MMSI");
}

// Each menu's access keys are its own: Alt and a letter reach one entry, not the first of several.
TEST_F(WindowLanguage, EveryMenusAccessKeysAreDistinctInGerman) {
    ASSERT_EQ(InstallWindowLanguage(*qApp, kGerman), "de_DE");
    Gui gui;
    std::vector<QWidget *> menus{gui.window->menuBar()};
    for (QMenu *menu : gui.window->findChildren<QMenu *>()) {
        // Sixteen ports may share a key; pressing it again moves to the next one that has it.
        if (menu->objectName() != "mnuOptionsSerialPort") {
            menus.push_back(menu);
        }
    }
    for (QWidget *menu : menus) {
        std::map<QChar, QString> keys;
        for (QAction *action : menu->actions()) {
            const QString text = action->text();
            const qsizetype at = text.indexOf('&');
            if (action->isSeparator() || at < 0 || at + 1 >= text.size()) {
                continue;
            }
            const QChar key = text[at + 1].toLower();
            EXPECT_FALSE(keys.contains(key)) << text.toStdString() << " and " << keys[key].toStdString();
            keys.emplace(key, text);
        }
    }
}

TEST_F(WindowLanguage, TheFixedErrorTextsStayAndTheirExplanationIsGerman) {
    ASSERT_EQ(InstallWindowLanguage(*qApp, kGerman), "de_DE");
    EXPECT_EQ(Text("klt::FileController", "FileSave Error!!"), "FileSave Error!!");
    EXPECT_EQ(Text("klt::FileController", "FileRead Error!!"), "FileRead Error!!");
    EXPECT_EQ(Text("klt::TextField", "Data Error!!"), "Data Error!!");
    EXPECT_EQ(Text("klt::MainWindow", "Unknown model!!"), "Unknown model!!");
    EXPECT_EQ(Text("klt::ModelController", "IniFileRead Error!!"), "IniFileRead Error!!");
    EXPECT_TRUE(
        Text("klt::ChannelEditorPage",
             "Data Error!!\r\nPlease input correct data.\r\nAn enabled EXP channel needs both figures of "
             "its CH display and a receive frequency.")
            .startsWith("Data Error!!\r\nBitte geben Sie gültige Daten ein.\r\n"));
}

TEST_F(WindowLanguage, TheSettingsFileIsTheSameInGermanAsInEnglish) {
    Gui english;
    const auto englishFile = english.folder.path() / "english.dat";
    english.files.answers = {QString::fromStdString(englishFile.string())};
    english.find("mnuFileSaveAs")->trigger();
    const std::string saved = test::ReadFile(englishFile.string());
    ASSERT_FALSE(saved.empty());

    ASSERT_EQ(InstallWindowLanguage(*qApp, kGerman), "de_DE");
    QLocale::setDefault(kGerman);
    Gui german;
    const auto germanFile = german.folder.path() / "german.dat";
    german.files.answers = {QString::fromStdString(germanFile.string())};
    german.find("mnuFileSaveAs")->trigger();
    EXPECT_EQ(test::ReadFile(germanFile.string()), saved);
}

} // namespace
} // namespace klt
