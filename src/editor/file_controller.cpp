#include "editor/file_controller.h"

#include "app/backups.h"
#include "app/file_messages.h"
#include "app/hex_file_commands.h"
#include "app/model_state.h"
#include "app/reset.h"
#include "app/settings_file_commands.h"
#include "editor/list_dialogs.h"
#include "files/atomic_write.h"
#include "files/settings_diff.h"
#include "files/whole_file.h"

#include <QAction>
#include <QFileInfo>
#include <QShortcut>
#include <QTimer>

namespace klt {

namespace {

// A translation keeps the "|" and the patterns: every second part is the pattern of the name before it.
const char *const kDatFilter =
    QT_TRANSLATE_NOOP("klt::FileController", "dat files(*.dat)|*.dat|All files(*.*)|*.*");
const char *const kHexFilter =
    QT_TRANSLATE_NOOP("klt::FileController", "hex files(*.hex)|*.hex|All files(*.*)|*.*");
const char *const kCsvFilter =
    QT_TRANSLATE_NOOP("klt::FileController", "CSV files(*.csv)|*.csv|All files(*.*)|*.*");
const char *const kCompareFilter = QT_TRANSLATE_NOOP(
    "klt::FileController", "Settings and image files(*.dat *.hex)|*.dat|All files(*.*)|*.*");
constexpr int kNewDelayMs = 100;
constexpr int kUiPauseMs = 500;

// The page that shows what an import of the table brought.
PageTarget TableTarget(CsvTable table) {
    switch (table) {
    case CsvTable::IndividualDirectory:
        return {Page::DirectoryTable, kIndividualDirectory};
    case CsvTable::GroupDirectory:
        return {Page::DirectoryTable, kGroupDirectory};
    case CsvTable::Expansion:
        return {Page::ChannelTable, kExpansionList};
    case CsvTable::Weather:
        return {Page::Weather};
    case CsvTable::Channels:
        break;
    }
    return {Page::ChannelTable, 0};
}

} // namespace

FileController::FileController(AppContext &ctx, GuiServices &services, EditorView &view,
                               const EditorActions &actions, std::function<void(const BackupInfo &)> restore,
                               QObject *parent)
    : QObject(parent), ctx_(ctx), services_(services), view_(view), restore_(std::move(restore)) {
    connect(actions.fileNew, &QAction::triggered, this, &FileController::fileNew);
    connect(actions.fileOpen, &QAction::triggered, this, &FileController::fileOpen);
    connect(actions.fileSave, &QAction::triggered, this, [this] { fileSave(); });
    connect(actions.fileSaveAs, &QAction::triggered, this, [this] { fileSaveAs(); });
    for (const auto &[table, action] : actions.exportTable) {
        connect(action, &QAction::triggered, this, [this, table = table] { exportTable(table); });
    }
    for (const auto &[table, action] : actions.importTable) {
        connect(action, &QAction::triggered, this, [this, table = table] { importTable(table); });
    }
    connect(actions.fileCompare, &QAction::triggered, this, &FileController::compareWithFile);
    connect(actions.fileBackups, &QAction::triggered, this, &FileController::showBackups);
    connect(actions.saveHexFile, &QShortcut::activated, this, &FileController::saveHexFile);
    connect(actions.openHexFile, &QShortcut::activated, this, &FileController::openHexFile);
}

QString FileController::programFolder() const {
    return QString::fromStdString(ctx_.ProgramFolder.string());
}

void FileController::fileNew() {
    if (view_.checkPage() && view_.changesMayBeLost()) {
        startNew(false);
    }
}

void FileController::startNew(bool newModel) {
    QTimer::singleShot(kNewDelayMs, this, [this, newModel] {
        view_.setBusy(true);
        ctx_.commitEdits();
        view_.showReplaced();
        ctx_.ui.pause(kUiPauseMs);
        view_.resetConfiguration(true);
        if (newModel) {
            ctx_.startHistory();
        } else {
            ctx_.commitReplacement(tr("New").toStdString(), true);
        }
        view_.refreshHexDump();
        view_.setBusy(false);
    });
}

void FileController::fileOpen() {
    if (!view_.checkPage() || !view_.changesMayBeLost()) {
        return;
    }
    const QString file = services_.files.openFile(view_.dialogParent(), tr(kDatFilter), programFolder());
    if (file.isEmpty()) {
        return;
    }
    view_.setBusy(true);
    ctx_.commitEdits();
    ResetHooks hooks;
    hooks.afterReset = [this] { view_.showReplaced(); };
    if (OpenSettingsFile(ctx_, file.toStdString(), true, hooks)) {
        // The reset showed the defaults' tree: the file's groups and marks are shown now.
        view_.showReplaced();
        ctx_.commitReplacement(tr("Open").toStdString(), true);
    }
    view_.refreshDestinationMenu();
    view_.refreshHexDump();
    view_.setBusy(false);
}

bool FileController::fileSave() {
    if (!view_.checkPage()) {
        return false;
    }
    if (SaveNeedsAName(ctx_)) {
        return fileSaveAs();
    }
    if (!SaveSettingsAs(ctx_, ctx_.CurrentFilePath)) {
        return false;
    }
    ctx_.markSaved();
    view_.refreshCaption();
    view_.confirm(tr("Saved %1").arg(QString::fromStdString(ctx_.CurrentFilePath)));
    return true;
}

bool FileController::fileSaveAs() {
    if (!view_.checkPage()) {
        return false;
    }
    const QString file = services_.files.saveFile(view_.dialogParent(), tr(kDatFilter), programFolder());
    if (file.isEmpty()) {
        return false;
    }
    view_.setBusy(true);
    const bool saved = SaveSettingsAs(ctx_, file.toStdString());
    view_.setBusy(false);
    if (saved) {
        ctx_.markSaved();
        view_.refreshCaption();
        view_.confirm(tr("Saved %1").arg(file));
    }
    return saved;
}

void FileController::saveHexFile() {
    if (!ctx_.DebugMode || !view_.checkPage()) {
        return;
    }
    const QString file = services_.files.saveFile(view_.dialogParent(), tr(kHexFilter), programFolder());
    if (file.isEmpty()) {
        return;
    }
    view_.setBusy(true);
    if (SaveHexFile(ctx_, file.toStdString())) {
        view_.confirm(tr("Saved %1").arg(file));
    }
    view_.refreshHexDump();
    view_.setBusy(false);
}

void FileController::openHexFile() {
    if (!ctx_.DebugMode || !view_.changesMayBeLost()) {
        return;
    }
    const QString file = services_.files.openFile(view_.dialogParent(), tr(kHexFilter), programFolder());
    if (file.isEmpty()) {
        return;
    }
    view_.setBusy(true);
    const bool opened = openImage(file.toStdString());
    ctx_.setModified(false);
    if (opened) {
        ctx_.commitReplacement(tr("Open").toStdString(), true);
    }
    view_.refreshHexDump();
    view_.setBusy(false);
}

bool FileController::openImage(const std::filesystem::path &path) {
    ctx_.commitEdits();
    ResetHooks hooks;
    hooks.refreshPage = [this] { view_.showReplaced(); };
    const bool opened = OpenHexFile(ctx_, path, hooks);
    if (opened) {
        view_.refreshCaption();
    }
    return opened;
}

void FileController::exportTable(CsvTable table) {
    if (!view_.checkPage()) {
        return;
    }
    const QString path = services_.files.saveFile(view_.dialogParent(), tr(kCsvFilter), QString());
    if (path.isEmpty()) {
        return;
    }
    if (const auto fault = WriteFileAtomically(path.toStdString(), ExportCsvTable(ctx_.Config, table))) {
        ctx_.ui.message(MessageIcon::Warning,
                        FileProblemText(tr("FileSave Error!!").toStdString(), path.toStdString(), *fault),
                        ctx_.TitleText);
        return;
    }
    view_.confirm(tr("Exported %1 to %2").arg(CsvTableCaption(table), path));
}

void FileController::importTable(CsvTable table) {
    if (!view_.checkPage()) {
        return;
    }
    const QString path = services_.files.openFile(view_.dialogParent(), tr(kCsvFilter), QString());
    if (path.isEmpty()) {
        return;
    }
    const WholeFile file = ReadWholeFile(path.toStdString());
    if (file.fault) {
        ctx_.ui.message(
            MessageIcon::Warning,
            FileProblemText(tr("FileRead Error!!").toStdString(), path.toStdString(), *file.fault),
            ctx_.TitleText);
        return;
    }
    ctx_.commitEdits();
    // The table's caption is the CSV files' own; the problem's description comes from the importer.
    const std::string title = tr("Import %1").arg(CsvTableCaption(table)).toStdString();
    if (const auto problem = ImportCsvTable(ctx_.Config, table, file.bytes)) {
        ctx_.ui.message(MessageIcon::Warning,
                        QFileInfo(path).fileName().toStdString() + ": " + DescribeCsvProblem(*problem) +
                            "\r\n\r\n" + tr("Nothing was changed.").toStdString(),
                        title);
        return;
    }
    view_.showChanged();
    ctx_.setModified(true);
    ctx_.commitReplacement(title, false);
    // Numbers of the right length but odd for their place are taken, and said.
    if (const auto warnings = CheckOfTable(ctx_.Config, ctx_.CurrentModel, ctx_.AtisAvailable, table);
        !warnings.empty()) {
        std::string text = tr("Imported. Check these before programming:").toStdString();
        for (const std::string &warning : warnings) {
            text += "\r\n" + warning;
        }
        ctx_.ui.message(MessageIcon::Warning, text, title);
    }
    view_.refreshHexDump();
    view_.jumpTo(TableTarget(table));
    view_.confirm(tr("Imported %1 from %2").arg(CsvTableCaption(table), path));
}

void FileController::compareWithFile() {
    if (!view_.checkPage()) {
        return;
    }
    const QString path = services_.files.openFile(view_.dialogParent(), tr(kCompareFilter), QString());
    if (path.isEmpty()) {
        return;
    }
    // The file is opened as File > Open would, into a context of its own: the editor stays as it is.
    MemorySettingsStore store;
    store.put("IniFilePath", StoredDestinationKey(ctx_.CurrentModel),
              ctx_.store.get("IniFilePath", StoredDestinationKey(ctx_.CurrentModel), "usa"));
    AppContext other(ctx_.ui, store, ctx_.ProgramFolder);
    other.ProgramTitle = ctx_.ProgramTitle;
    SetCurrentModel(other, ctx_.CurrentModel);
    other.TitleText = ctx_.TitleText;
    other.AtisAvailable = ctx_.AtisAvailable;
    const std::string file = path.toStdString();
    const bool opened = path.endsWith(".hex", Qt::CaseInsensitive)
                            ? (ResetConfiguration(other, true), OpenHexFile(other, file))
                            : OpenSettingsFile(other, file, true);
    if (opened) {
        ShowDifferences(view_.dialogParent(), tr("Compare with %1").arg(QFileInfo(path).fileName()),
                        SettingsDifferences(ctx_.Config, other.Config, ctx_.CurrentModel, ctx_.ModelName,
                                            ctx_.AtisAvailable));
    }
}

void FileController::showBackups() {
    if (!view_.checkPage()) {
        return;
    }
    const BackupChoice chosen =
        ChooseBackup(view_.dialogParent(), ListBackups(BackupFolder(ctx_.ProgramTitle)));
    if (!chosen.backup) {
        return;
    }
    if (chosen.restore) {
        restore_(*chosen.backup);
        return;
    }
    if (!view_.changesMayBeLost()) {
        return;
    }
    view_.setBusy(true);
    if (openImage(chosen.backup->path)) {
        ctx_.commitReplacement(tr("Open Backup").toStdString(), false);
        ctx_.setModified(!ctx_.atSaved()); // a backup is not a file the user saved
    }
    view_.refreshHexDump();
    view_.setBusy(false);
}

} // namespace klt
