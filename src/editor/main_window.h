#pragma once
// frmMain: the editor window. The tree on the left chooses the page on the right; the menus reach
// files, the radio, the model and destination, the serial port, the hex view and help.

#include "app/app_context.h"
#include "app/edit_history.h"
#include "app/reset.h"
#include "app/startup.h"
#include "editor/gui_services.h"
#include "editor/navigation_tree.h"
#include "editor/page_host.h"
#include "link/operation.h"

#include <QMainWindow>

#include <filesystem>

#include <map>

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QSplitter;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace klt {

enum class CsvTable; // files/table_csv.h

class AtisPage;
class ChannelEditorPage;
class ChannelTablePage;
class CommonPage;
class DirectoryEntryPage;
class DirectoryTablePage;
class DscPage;
class TransferDialog;
class UsablePage;
class WeatherPage;

class MainWindow final : public QMainWindow, private PageHost {
    Q_OBJECT
public:
    MainWindow(AppContext &ctx, GuiServices &services, Switches switches, QWidget *parent = nullptr);
    // The application's focus signal outlives the window: it fires while the children go.
    ~MainWindow() override { disconnect(focusWatch_); }

    // False when no model is offered: the program ends after "Unknown model!!".
    bool started() const { return started_; }
    bool modified() const { return modified_; }
    void setModified(bool modified) { modified_ = modified; }
    // The key of the node whose page is shown (empty after a reset).
    QString shownNodeKey() const { return shownKey_; }
    QTreeWidgetItem *nodeByKey(const QString &key) const;

    // The commands, as the menus and the toolbar run them.
    void fileNew();
    void fileOpen();
    bool fileSave();
    bool fileSaveAs();
    void saveHexFile();
    void openHexFile();
    void selectModel(int slot);
    void selectDestination(int slot);
    void selectSerialPort(int index);
    void transferRead();
    void transferProgram();
    void toggleHexDump();
    void filePrint();
    void filePrintToFile();
    void fileExportPdf();
    void undoEdit();
    void redoEdit();
    void exportTable(CsvTable table);
    void importTable(CsvTable table);
    void compareWithFile();
    void showBackups();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QMetaObject::Connection focusWatch_;
    // Program to Radio checks the whole configuration first; true when there is nothing to say or the
    // user answers Yes to programming anyway.
    bool programDespiteProblems();
    // Undo steps: the edits made on a page are one step, committed when the page is left or before
    // anything else changes the records; a whole replacement (Open, New, a read, an import, a clear)
    // is a step of its own. saved: the new state is the one on disk or in the radio.
    EditorState currentState() const { return {ctx_.Config, ctx_.Image}; }
    void commitEdits();
    void commitReplacement(const std::string &name, bool saved);
    void applyState(const EditorState &state);
    void refreshUndoActions();
    // Opens an image file as the whole configuration (its pages, tree and caption); false when refused.
    bool openImage(const std::filesystem::path &path);
    // What the pages ask of the window.
    Configuration &config() override { return ctx_.Config; }
    PageFacts facts() const override;
    Ui &ui() override { return ctx_.ui; }
    const RadioImage &image() const override { return ctx_.Image; }
    void markModified() override { modified_ = true; }
    void nodeEnableChanged(const std::string &key) override;
    void groupUsabilityChanged() override;
    void statusNamesChanged() override;
    void directoryNodesChanged(const std::string &directory) override;
    void jumpTo(const std::string &key) override;
    bool checkPage() override { return validatePage(); }
    bool runOperation(Operation operation) override { return runTransfer(operation); }

    void buildMenus();
    void buildToolBar();
    void buildCentre();
    void load();

    void resetEditor(bool loadDestination);
    ResetHooks resetHooks();
    // keepView: the same nodes stay expanded and selected (when they still exist).
    void rebuildTree(bool keepView = false);
    int naturalTreeWidth() const;
    void placeWindow();
    void showHintOf(QWidget *control);
    void selectGeneral();
    void onNodeChanged(QTreeWidgetItem *current);
    void restoreShownNode();
    void showPage(QTreeWidgetItem *item);
    bool validatePage();
    void refreshCaption();
    void refreshDestinationMenu();
    void refreshModelMenu();
    void refreshHexDump();
    void refreshPortMenu();
    // True when the operation completed.
    bool runTransfer(Operation operation);
    // The reset of File > New, after its questions.
    void startNew(bool newModel = false); // a new model starts a new undo history
    // Asked before the configuration is replaced: false when the user keeps it (or its save failed).
    bool changesMayBeLost();
    void storePlacement();
    void showAbout();

    AppContext &ctx_;
    GuiServices &services_;
    Switches switches_;
    bool started_ = false;
    bool modified_ = false;
    bool filling_ = false;
    QString shownKey_;
    TransferDialog *transfer_ = nullptr; // the dialog of the operation running, if any
    bool closeAfterTransfer_ = false;

    std::vector<QAction *> modelSlots_;
    std::vector<QAction *> destinationSlots_;
    std::vector<QAction *> portSlots_;
    QMenu *editMenu_ = nullptr;
    QAction *undoAction_ = nullptr;
    QAction *redoAction_ = nullptr;
    EditHistory history_;
    std::string shownCaption_; // the page whose edits the next step holds
    QMenu *destinationMenu_ = nullptr;
    QAction *hexDumpAction_ = nullptr;
    QLabel *hintPanel_ = nullptr;
    QLabel *modelPanel_ = nullptr;
    QSplitter *splitter_ = nullptr;
    QTreeWidget *tree_ = nullptr;
    QStackedWidget *pages_ = nullptr;
    std::map<Page, QWidget *> pagePanels_;
    ChannelTablePage *tablePage_ = nullptr;
    ChannelEditorPage *editorPage_ = nullptr;
    WeatherPage *weatherPage_ = nullptr;
    UsablePage *usablePage_ = nullptr;
    CommonPage *commonPage_ = nullptr;
    DscPage *dscPage_ = nullptr;
    AtisPage *atisPage_ = nullptr;
    DirectoryTablePage *directoryPage_ = nullptr;
    DirectoryEntryPage *entryPage_ = nullptr;
    QListWidget *hexList_ = nullptr;
    std::map<QString, QTreeWidgetItem *> nodes_;
};

} // namespace klt
