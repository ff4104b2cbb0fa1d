#pragma once
// Every command of the window as one QAction, made once with its caption, access key and standard
// shortcut, and shared by the menus and the toolbar. Who runs a command connects to its action.

#include "app/editor_document.h"
#include "files/table_csv.h"

#include <QObject>

#include <map>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;
class QShortcut;

namespace klt {

class EditorActions final : public QObject {
    Q_OBJECT
public:
    // Builds the menu bar and the toolbar of the window.
    explicit EditorActions(QMainWindow *window);

    QAction *fileNew, *fileOpen, *fileSave, *fileSaveAs, *filePrint, *filePrintPreview, *filePrintToFile,
        *fileExportPdf;
    std::map<CsvTable, QAction *> exportTable, importTable;
    QAction *fileCompare, *fileBackups, *fileExit;
    QMenu *editMenu;
    QAction *undo, *redo;
    std::vector<QAction *> modelSlots;
    QAction *transferProgram, *transferRead, *transferFleet;
    QMenu *destinationMenu;
    std::vector<QAction *> destinationSlots;
    QMenu *portMenu;
    std::vector<QAction *> portSlots;
    QAction *verifyAfterProgramming, *hexDump, *helpContents, *helpPortDiagnosis, *helpAbout;
    // The image hex file keys of service staff (debug mode only).
    QShortcut *saveHexFile, *openHexFile;

    static constexpr int kPortCount = 16;

    // Undo and Redo as the document's history stands: enabled, and named for the step they cross.
    void showHistory(const EditorDocument &document);

private:
    void buildFileMenu(QMainWindow *window);
    void buildEditMenu(QMainWindow *window);
    void buildOtherMenus(QMainWindow *window);
    void buildToolBar(QMainWindow *window);
};

} // namespace klt
