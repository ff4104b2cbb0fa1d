#include "editor/editor_actions.h"

#include "app/app_context.h"
#include "editor/toolbar_icons.h"
#include "model/model_catalogue.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QToolBar>

#include <utility>

namespace klt {

namespace {

QAction *AddAction(QMenu *menu, const char *name, const QString &caption,
                   QKeySequence::StandardKey shortcut = QKeySequence::UnknownKey,
                   const QKeySequence &elsewhere = {}) {
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    if (shortcut != QKeySequence::UnknownKey) {
        action->setShortcuts(shortcut);
    }
    // Some desktops bind no key to Save As or Quit: the one most desktops use stands in.
    if (action->shortcuts().isEmpty() && !elsewhere.isEmpty()) {
        action->setShortcut(elsewhere);
    }
    return action;
}

QMenu *AddMenu(QMenuBar *bar, const char *name, const QString &caption) {
    QMenu *menu = bar->addMenu(caption);
    menu->setObjectName(name);
    return menu;
}

} // namespace

EditorActions::EditorActions(QMainWindow *window) : QObject(window) {
    buildFileMenu(window);
    buildEditMenu(window);
    buildOtherMenus(window);
    buildToolBar(window);
}

void EditorActions::buildFileMenu(QMainWindow *window) {
    QMenu *file = AddMenu(window->menuBar(), "mnuFile", tr("&File"));
    fileNew = AddAction(file, "mnuFileNew", tr("&New"), QKeySequence::New);
    fileOpen = AddAction(file, "mnuFileOpen", tr("&Open"), QKeySequence::Open);
    fileSave = AddAction(file, "mnuFileSave", tr("&Save"), QKeySequence::Save);
    fileSaveAs = AddAction(file, "mnuFileSaveAs", tr("Save &As..."), QKeySequence::SaveAs,
                           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    AddAction(file, "mnuFileSaveAsDefault", tr("Save As &Default"))->setEnabled(false);
    file->addSeparator();
    filePrint = AddAction(file, "mnuFilePrint", tr("&Print"), QKeySequence::Print);
    filePrintPreview = AddAction(file, "mnuFilePrintPreview", tr("Print Pre&view..."));
    filePrintToFile = AddAction(file, "mnuFilePrintToFile", tr("P&rint to File"));
    fileExportPdf = AddAction(file, "mnuFileExportPdf", tr("&Export PDF..."));
    file->addSeparator();
    QMenu *exportMenu = file->addMenu(tr("Expor&t"));
    exportMenu->setObjectName("mnuFileExport");
    QMenu *importMenu = file->addMenu(tr("&Import"));
    importMenu->setObjectName("mnuFileImport");
    for (const CsvTable table : {CsvTable::IndividualDirectory, CsvTable::GroupDirectory, CsvTable::Expansion,
                                 CsvTable::Weather, CsvTable::Channels}) {
        // The table's name is the one the CSV files and the import's messages use.
        const QString caption = tr("%1 (CSV)...").arg(CsvTableCaption(table));
        const QString name = QString(CsvTableName(table));
        exportTable[table] = AddAction(exportMenu, ("mnuFileExport_" + name).toLatin1().constData(), caption);
        importTable[table] = AddAction(importMenu, ("mnuFileImport_" + name).toLatin1().constData(), caption);
    }
    fileCompare = AddAction(file, "mnuFileCompare", tr("&Compare with..."));
    fileBackups = AddAction(file, "mnuFileBackups", tr("&Backups..."));
    file->addSeparator();
    fileExit =
        AddAction(file, "mnuFileExit", tr("E&xit"), QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q));
}

void EditorActions::buildEditMenu(QMainWindow *window) {
    editMenu = AddMenu(window->menuBar(), "mnuEdit", tr("&Edit"));
    undo = AddAction(editMenu, "mnuEditUndo", tr("&Undo"), QKeySequence::Undo);
    redo = AddAction(editMenu, "mnuEditRedo", tr("&Redo"), QKeySequence::Redo);
    // Ctrl+Y redoes too, as on most desktops, where this one binds only Ctrl+Shift+Z.
    if (const QKeySequence ctrlY(Qt::CTRL | Qt::Key_Y); !redo->shortcuts().contains(ctrlY)) {
        redo->setShortcuts(redo->shortcuts() << ctrlY);
    }
    editMenu->addSeparator();
    QMenu *model = editMenu->addMenu(tr("&Model"));
    model->setObjectName("mnuEditModel");
    for (int slot = 0; slot < kModelSlotCount; ++slot) {
        // Placeholders, never shown: offer() names the models the window offers.
        QAction *action = model->addAction("model " + QString::number(slot + 1));
        action->setObjectName("mnuEditModelType" + QString::number(slot));
        action->setCheckable(true);
        modelSlots.push_back(action);
    }
}

void EditorActions::buildOtherMenus(QMainWindow *window) {
    QMenu *transfer = AddMenu(window->menuBar(), "mnuTransfer", tr("&Transfer"));
    transferProgram = AddAction(transfer, "mnuTransferProgram", tr("&Program to Radio"));
    transferRead = AddAction(transfer, "mnuTransferRead", tr("&Read from Radio"));
    transfer->addSeparator();
    transferFleet = AddAction(transfer, "mnuTransferFleet", tr("Program &Several Radios..."));

    destinationMenu = AddMenu(window->menuBar(), "mnuDestination", tr("&Destination"));
    for (int slot = 0; slot < DestinationMenu::kSlots; ++slot) {
        // Placeholders, never shown: the destinations' captions come from the model's files.
        QAction *action = destinationMenu->addAction("DST" + QString::number(slot));
        action->setObjectName("mnuDestinationChild" + QString::number(slot));
        action->setCheckable(true);
        destinationSlots.push_back(action);
    }

    QMenu *options = AddMenu(window->menuBar(), "mnuOptions", tr("&Options"));
    portMenu = options->addMenu(tr("&SerialPort"));
    portMenu->setObjectName("mnuOptionsSerialPort");
    for (int index = 0; index < kPortCount; ++index) {
        QAction *action = portMenu->addAction(QString());
        action->setObjectName("mnuOptionsSerialPort1_" + QString::number(index));
        action->setCheckable(true);
        portSlots.push_back(action);
    }
    verifyAfterProgramming = AddAction(options, "mnuOptionsVerify", tr("&Verify after Programming"));
    verifyAfterProgramming->setCheckable(true);
    hexDump = AddAction(options, "mnuOptionsHexdump", tr("Hexdump"));
    hexDump->setCheckable(true);

    QMenu *help = AddMenu(window->menuBar(), "mnuHelp", tr("&Help"));
    helpContents = AddAction(help, "mnuHelpContents", tr("&Contents"), QKeySequence::HelpContents);
    helpPortDiagnosis = AddAction(help, "mnuHelpPortDiagnosis", tr("&Port Diagnosis..."));
    helpAbout = AddAction(help, "mnuHelpAbout", tr("&About KLT Version"));

    saveHexFile = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F3), window);
    openHexFile = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F2), window);
}

void EditorActions::showHistory(const EditorDocument &document) {
    undo->setEnabled(document.canUndo());
    // A step's name is UTF-8: the window names it, with a node's text or a table's caption in it.
    undo->setText(document.canUndo() ? tr("&Undo %1").arg(QString::fromStdString(document.undoName()))
                                     : tr("&Undo"));
    redo->setEnabled(document.canRedo());
    redo->setText(document.canRedo() ? tr("&Redo %1").arg(QString::fromStdString(document.redoName()))
                                     : tr("&Redo"));
}

void EditorActions::buildToolBar(QMainWindow *window) {
    QToolBar *bar = window->addToolBar(tr("Tools"));
    bar->setObjectName("tbToolBar");
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    // The toolbar shows the menus' own actions: one enabled state, one shortcut, one handler.
    const std::pair<QAction *, ToolIcon> tools[] = {{fileNew, ToolIcon::New},
                                                    {fileOpen, ToolIcon::Open},
                                                    {fileSave, ToolIcon::Save},
                                                    {filePrint, ToolIcon::Print},
                                                    {transferProgram, ToolIcon::Program},
                                                    {transferRead, ToolIcon::Read},
                                                    {undo, ToolIcon::Undo},
                                                    {redo, ToolIcon::Redo}};
    for (const auto &[action, icon] : tools) {
        if (action == transferProgram || action == undo) {
            bar->addSeparator();
        }
        bar->addAction(action);
        action->setIcon(ToolbarIcon(icon));
        action->setIconText(action->text().remove('&').remove("...").section(' ', 0, 0));
    }
    // The menus keep their texts alone, as desktop menus with a toolbar beside them do.
    for (const auto &[action, icon] : tools) {
        action->setIconVisibleInMenu(false);
    }
}

} // namespace klt
