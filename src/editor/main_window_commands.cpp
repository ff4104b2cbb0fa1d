// The commands of the main window: files, model and destination, serial port, transfer, help, close.

#include "editor/main_window.h"

#include "app/backups.h"
#include "app/destination_load.h"
#include "app/hex_file_commands.h"
#include "app/model_state.h"
#include "app/settings_file_commands.h"
#include "editor/qt_text.h"
#include "editor/report_window.h"
#include "editor/transfer_dialog.h"
#include "link/operation.h"
#include "model/configuration_check.h"
#include "model/destinations.h"
#include "model/model_catalogue.h"
#include "model/text_format.h"

#include <QAction>
#include <QCloseEvent>
#include <QPrinter>
#include <QScreen>
#include <QTimer>
#include <QTreeWidget>
#include <chrono>

namespace klt {

namespace {

const char *const kDatFilter = "dat files(*.dat)|*.dat|All files(*.*)|*.*";
const char *const kHexFilter = "hex files(*.hex)|*.hex|All files(*.*)|*.*";
constexpr std::size_t kProblemsListed = 12;
const char *const kPdfFilter = "PDF files(*.pdf)|*.pdf|All files(*.*)|*.*";
const char *const kChangedQuestion = "KLT data has changed.\r\nDo you want to save changes?";
constexpr int kNewDelayMs = 100;
constexpr int kUiPauseMs = 500;

} // namespace

bool MainWindow::changesMayBeLost() {
    if (!modified_) {
        return true;
    }
    switch (
        ctx_.ui.question(MessageIcon::Exclamation, kChangedQuestion, ctx_.TitleText, Buttons::YesNoCancel)) {
    case Answer::No:
        return true;
    case Answer::Yes:
        return validatePage() && fileSave();
    default:
        return false;
    }
}

void MainWindow::fileNew() {
    if (!validatePage() || !changesMayBeLost()) {
        return;
    }
    startNew();
}

void MainWindow::startNew(bool newModel) {
    QTimer::singleShot(kNewDelayMs, this, [this, newModel] {
        ctx_.ui.setBusyPointer(true);
        setEnabled(false);
        selectGeneral();
        commitEdits();
        ctx_.ui.pause(kUiPauseMs);
        resetEditor(true);
        modified_ = false;
        if (newModel) {
            history_.reset(currentState());
            refreshUndoActions();
        } else {
            commitReplacement("New", true);
        }
        refreshHexDump();
        setEnabled(true);
        ctx_.ui.setBusyPointer(false);
    });
}

void MainWindow::fileOpen() {
    if (!validatePage() || !changesMayBeLost()) {
        return;
    }
    const QString file =
        services_.files.openFile(this, kDatFilter, QString::fromStdString(ctx_.ProgramFolder.string()));
    if (file.isEmpty()) {
        return;
    }
    ctx_.ui.setBusyPointer(true);
    setEnabled(false);
    filling_ = true;
    commitEdits();
    if (OpenSettingsFile(ctx_, file.toStdString(), true, resetHooks())) {
        // The reset built the tree from the defaults: the file's groups and marks are shown now.
        rebuildTree();
        selectGeneral();
        modified_ = false;
        refreshCaption();
        commitReplacement("Open", true);
    }
    refreshDestinationMenu();
    filling_ = false;
    refreshHexDump();
    setEnabled(true);
    ctx_.ui.setBusyPointer(false);
}

bool MainWindow::fileSave() {
    if (!validatePage()) {
        return false;
    }
    if (SaveNeedsAName(ctx_)) {
        return fileSaveAs();
    }
    if (!SaveSettingsAs(ctx_, ctx_.CurrentFilePath)) {
        return false;
    }
    commitEdits();
    history_.markSaved();
    modified_ = false;
    refreshCaption();
    return true;
}

bool MainWindow::fileSaveAs() {
    if (!validatePage()) {
        return false;
    }
    const QString file =
        services_.files.saveFile(this, kDatFilter, QString::fromStdString(ctx_.ProgramFolder.string()));
    if (file.isEmpty()) {
        return false;
    }
    setEnabled(false);
    const bool saved = SaveSettingsAs(ctx_, file.toStdString());
    setEnabled(true);
    if (saved) {
        commitEdits();
        history_.markSaved();
        modified_ = false;
        refreshCaption();
    }
    return saved;
}

void MainWindow::saveHexFile() {
    if (!switches_.debug || !validatePage()) {
        return;
    }
    const QString file =
        services_.files.saveFile(this, kHexFilter, QString::fromStdString(ctx_.ProgramFolder.string()));
    if (file.isEmpty()) {
        return;
    }
    setEnabled(false);
    SaveHexFile(ctx_, file.toStdString());
    refreshHexDump();
    setEnabled(true);
}

void MainWindow::openHexFile() {
    if (!switches_.debug || !changesMayBeLost()) {
        return;
    }
    const QString file =
        services_.files.openFile(this, kHexFilter, QString::fromStdString(ctx_.ProgramFolder.string()));
    if (file.isEmpty()) {
        return;
    }
    setEnabled(false);
    const bool opened = openImage(file.toStdString());
    modified_ = false;
    if (opened) {
        commitReplacement("Open", true);
    }
    refreshHexDump();
    setEnabled(true);
}

bool MainWindow::openImage(const std::filesystem::path &path) {
    commitEdits();
    filling_ = true;
    ResetHooks hooks;
    hooks.refreshPage = [this] {
        rebuildTree();
        selectGeneral();
    };
    const bool opened = OpenHexFile(ctx_, path, hooks);
    if (opened) {
        refreshCaption();
    }
    filling_ = false;
    return opened;
}

void MainWindow::selectModel(int slot) {
    const auto chosen = ModelFromNumber(slot + 1);
    refreshModelMenu(); // a click toggles the check mark; the current model keeps it
    if (!chosen || *chosen == ctx_.CurrentModel) {
        return;
    }
    const Model model = *chosen;
    if (ctx_.ui.question(MessageIcon::Exclamation,
                         "Do you want to program the " + ModelName(model) + " series?", ctx_.TitleText,
                         Buttons::OkCancel) != Answer::Ok) {
        return;
    }
    // Asked before the model changes: keeping the edits keeps the model they belong to.
    if (!validatePage() || !changesMayBeLost()) {
        return;
    }
    SetCurrentModel(ctx_, model);
    refreshModelMenu();
    ctx_.store.put("Settings", "lastmodel", std::to_string(ModelNumber(model)));
    startNew(true);
}

void MainWindow::selectDestination(int slot) {
    auto &menu = ctx_.Destinations;
    if (slot < 0 || static_cast<std::size_t>(slot) >= menu.Captions.size()) {
        return;
    }
    const std::string caption = menu.Captions[static_cast<std::size_t>(slot)];
    const bool alreadyChecked = menu.Checked && *menu.Checked == slot;
    refreshDestinationMenu();
    if (!alreadyChecked &&
        ctx_.ui.question(MessageIcon::Exclamation, "Do you want to change to " + caption + "?",
                         ctx_.TitleText, Buttons::OkCancel) != Answer::Ok) {
        return;
    }
    if (!validatePage() || !changesMayBeLost()) {
        return;
    }
    ctx_.ui.setBusyPointer(true);
    setEnabled(false);
    selectGeneral();
    ctx_.ui.pause(kUiPauseMs);
    const auto previous = menu.Checked;
    const auto captions = menu.Captions;
    resetEditor(false);
    // The reset without its destination step leaves the menu as it was built last.
    menu.Enabled = true;
    menu.Captions = captions;
    menu.Checked.reset();
    if (LoadDestinationFile(ctx_, DestinationFilePath(ctx_.ProgramFolder, caption, ctx_.CurrentModel))
            .loaded) {
        menu.Checked = slot;
        ctx_.store.put("IniFilePath", StoredDestinationKey(ctx_.CurrentModel), caption);
        rebuildTree();
        selectGeneral();
    } else {
        ctx_.ui.message(MessageIcon::Exclamation, "IniFileRead Error!!", ctx_.TitleText);
        menu.Checked = previous;
    }
    refreshDestinationMenu();
    refreshHexDump();
    modified_ = false;
    history_.reset(currentState()); // another destination's channels: no way back but switching again
    refreshUndoActions();
    setEnabled(true);
    ctx_.ui.setBusyPointer(false);
}

void MainWindow::selectSerialPort(int index) {
    for (std::size_t i = 0; i < portSlots_.size(); ++i) {
        portSlots_[i]->setChecked(static_cast<int>(i) == index);
    }
    if (isVisible()) {
        ctx_.store.put("ComPath", "ComNum", std::to_string(index + 1));
    }
}

bool MainWindow::runTransfer(Operation operation) {
    if (transfer_ != nullptr) {
        return false; // one operation at a time on the one port
    }
    commitEdits();
    TransferDialog dialog(ctx_, services_, operation, this);
    transfer_ = &dialog;
    dialog.exec();
    transfer_ = nullptr;
    if (dialog.completed() && operation != Operation::Read && operation != Operation::Program) {
        commitReplacement(OperationCaption(operation), false); // a clear empties records too
    }
    if (closeAfterTransfer_) {
        QTimer::singleShot(0, this, &QWidget::close);
    }
    return dialog.completed();
}

void MainWindow::transferRead() {
    if (!validatePage()) {
        return;
    }
    if (runTransfer(Operation::Read)) {
        // The configuration that was in the radio is never lost: the read keeps it among the backups.
        KeepBackup(BackupFolder(ctx_.ProgramTitle), ctx_.Image, ctx_.CurrentModel,
                   std::chrono::system_clock::now());
        filling_ = true;
        rebuildTree();
        selectGeneral();
        filling_ = false;
        ctx_.CurrentFilePath.clear();
        refreshCaption();
        refreshHexDump();
        modified_ = false;
        commitReplacement("Read from Radio", true);
    }
}

void MainWindow::transferProgram() {
    if (!validatePage() || !programDespiteProblems()) {
        return;
    }
    runTransfer(Operation::Program);
    refreshHexDump();
}

bool MainWindow::programDespiteProblems() {
    const auto problems = CheckConfiguration(ctx_.Config, ctx_.CurrentModel, ctx_.AtisAvailable);
    if (problems.empty()) {
        return true;
    }
    std::string text = "The radio would not take all of this configuration:\r\n";
    for (std::size_t i = 0; i < problems.size() && i < kProblemsListed; ++i) {
        text += "\r\n" + problems[i];
    }
    if (problems.size() > kProblemsListed) {
        text += "\r\n... and " + std::to_string(problems.size() - kProblemsListed) + " more";
    }
    text += "\r\n\r\nProgram the radio anyway?";
    return ctx_.ui.question(MessageIcon::Exclamation, text, "Program to Radio", Buttons::YesNoDefaultNo) ==
           Answer::Yes;
}

void MainWindow::filePrint() {
    if (!validatePage() || !services_.choosePrinter) {
        return;
    }
    QPrinter printer;
    if (!services_.choosePrinter(printer)) {
        return;
    }
    ctx_.ui.setBusyPointer(true);
    const bool printed = PrintReport(ctx_, printer);
    ctx_.ui.setBusyPointer(false);
    if (!printed) {
        ctx_.ui.message(MessageIcon::Warning, "The printer could not be started.", ctx_.TitleText);
    }
}

void MainWindow::commitEdits() {
    history_.record("Edit of " + shownCaption_, currentState());
    refreshUndoActions();
}

void MainWindow::commitReplacement(const std::string &name, bool saved) {
    history_.record(name, currentState());
    if (saved) {
        history_.markSaved();
    }
    refreshUndoActions();
}

void MainWindow::refreshUndoActions() {
    if (undoAction_ == nullptr) {
        return;
    }
    undoAction_->setEnabled(history_.canUndo());
    undoAction_->setText(history_.canUndo() ? "&Undo " + ToQString(history_.undoName()) : "&Undo");
    redoAction_->setEnabled(history_.canRedo());
    redoAction_->setText(history_.canRedo() ? "&Redo " + ToQString(history_.redoName()) : "&Redo");
}

void MainWindow::applyState(const EditorState &state) {
    filling_ = true;
    ctx_.Config = state.config;
    ctx_.Image = state.image;
    rebuildTree(true);
    if (QTreeWidgetItem *shown = tree_->currentItem()) {
        showPage(shown);
    } else {
        selectGeneral();
    }
    filling_ = false;
    modified_ = !history_.atSaved();
    refreshHexDump();
    refreshUndoActions();
}

void MainWindow::undoEdit() {
    if (!validatePage()) {
        return;
    }
    commitEdits();
    if (const auto state = history_.undo()) {
        applyState(*state);
    }
}

void MainWindow::redoEdit() {
    if (!validatePage()) {
        return;
    }
    commitEdits();
    if (const auto state = history_.redo()) {
        applyState(*state);
    }
}

void MainWindow::fileExportPdf() {
    if (!validatePage()) {
        return;
    }
    const QString path = services_.files.saveFile(this, kPdfFilter, QString());
    if (path.isEmpty()) {
        return;
    }
    ctx_.ui.setBusyPointer(true);
    const bool written = ExportReportPdf(ctx_, path.toStdString());
    ctx_.ui.setBusyPointer(false);
    if (!written) {
        ctx_.ui.message(MessageIcon::Warning, "FileSave Error!!", ctx_.TitleText);
    }
}

void MainWindow::filePrintToFile() {
    ReportWindow window(ctx_, services_, this);
    window.exec();
}

void MainWindow::showAbout() {
    ctx_.ui.message(MessageIcon::Information,
                    ctx_.ProgramTitle + "\r\nVersion " + KLT_VERSION +
                        "\r\n\r\nProgramming tool for the TQ series of marine VHF radios with DSC.",
                    "About " + ctx_.ProgramTitle);
}

void MainWindow::storePlacement() {
    if (isMinimized()) {
        return;
    }
    const QScreen *display = screen();
    const double twipsPerPixel = 1440.0 / (display != nullptr ? display->logicalDotsPerInch() : 96.0);
    const QRect placement = geometry();
    const auto twips = [twipsPerPixel](int pixels) {
        return std::to_string(static_cast<long>(pixels * twipsPerPixel));
    };
    ctx_.store.put("Settings", "MainLeft", twips(placement.left()));
    ctx_.store.put("Settings", "MainTop", twips(placement.top()));
    ctx_.store.put("Settings", "MainWidth", twips(placement.width()));
    ctx_.store.put("Settings", "MainHeight", twips(placement.height()));
}

void MainWindow::closeEvent(QCloseEvent *event) {
    if (transfer_ != nullptr && transfer_->running()) {
        // The transfer stops first, then the window closes.
        closeAfterTransfer_ = true;
        transfer_->cancel();
        event->ignore();
        return;
    }
    closeAfterTransfer_ = false;
    if (started_ && modified_) {
        const Answer answer = ctx_.ui.question(MessageIcon::Exclamation, kChangedQuestion, ctx_.TitleText,
                                               Buttons::YesNoCancel);
        if (answer == Answer::Cancel) {
            event->ignore();
            return;
        }
        if (answer == Answer::Yes) {
            if (!validatePage() || !fileSave()) {
                event->ignore();
                return;
            }
        }
    }
    if (started_) {
        storePlacement();
    }
    event->accept();
}

} // namespace klt
