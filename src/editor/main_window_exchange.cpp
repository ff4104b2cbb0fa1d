// The window's commands beyond the original: spreadsheet export and import, comparison with a file,
// and the backups of the reads.

#include "editor/main_window.h"

#include "app/backups.h"
#include "app/hex_file_commands.h"
#include "app/model_state.h"
#include "app/reset.h"
#include "app/settings_file_commands.h"
#include "editor/list_dialogs.h"
#include "editor/qt_text.h"
#include "files/atomic_write.h"
#include "files/settings_diff.h"
#include "files/table_csv.h"
#include "files/whole_file.h"

#include <QFileInfo>
#include <QTreeWidget>

namespace klt {

namespace {

const char *const kCsvFilter = "CSV files(*.csv)|*.csv|All files(*.*)|*.*";
const char *const kCompareFilter = "Settings and image files(*.dat *.hex)|*.dat|All files(*.*)|*.*";

} // namespace

void MainWindow::exportTable(CsvTable table) {
    if (!validatePage()) {
        return;
    }
    const QString path = services_.files.saveFile(this, kCsvFilter, QString());
    if (path.isEmpty()) {
        return;
    }
    if (const auto fault = WriteFileAtomically(path.toStdString(), ExportCsvTable(ctx_.Config, table))) {
        ctx_.ui.message(MessageIcon::Warning, "FileSave Error!!\r\n" + fault->description, ctx_.TitleText);
    }
}

void MainWindow::importTable(CsvTable table) {
    if (!validatePage()) {
        return;
    }
    const QString path = services_.files.openFile(this, kCsvFilter, QString());
    if (path.isEmpty()) {
        return;
    }
    const WholeFile file = ReadWholeFile(path.toStdString());
    if (file.fault) {
        ctx_.ui.message(MessageIcon::Warning, "FileRead Error!!\r\n" + file.fault->description,
                        ctx_.TitleText);
        return;
    }
    commitEdits();
    const std::string title = std::string("Import ") + CsvTableCaption(table);
    if (const auto problem = ImportCsvTable(ctx_.Config, table, file.bytes)) {
        ctx_.ui.message(MessageIcon::Warning,
                        QFileInfo(path).fileName().toStdString() + ": " + DescribeCsvProblem(*problem) +
                            "\r\n\r\nNothing was changed.",
                        title);
        return;
    }
    filling_ = true;
    rebuildTree(true);
    if (QTreeWidgetItem *shown = tree_->currentItem()) {
        showPage(shown);
    }
    filling_ = false;
    modified_ = true;
    commitReplacement(title, false);
    refreshHexDump();
}

void MainWindow::compareWithFile() {
    if (!validatePage()) {
        return;
    }
    const QString path = services_.files.openFile(this, kCompareFilter, QString());
    if (path.isEmpty()) {
        return;
    }
    // The file is opened as File > Open would, into a context of its own: the editor stays as it is.
    MemorySettingsStore store;
    store.put("IniFilePath", StoredDestinationKey(ctx_.CurrentModel),
              ctx_.store.get("IniFilePath", StoredDestinationKey(ctx_.CurrentModel), "usa"));
    AppContext other(ctx_.ui, store, ctx_.ProgramFolder);
    other.ProgramTitle = ctx_.ProgramTitle;
    other.TitleText = ctx_.TitleText;
    SetCurrentModel(other, ctx_.CurrentModel);
    other.AtisAvailable = ctx_.AtisAvailable;
    const std::string file = path.toStdString();
    const bool opened = path.endsWith(".hex", Qt::CaseInsensitive)
                            ? (ResetConfiguration(other, true), OpenHexFile(other, file))
                            : OpenSettingsFile(other, file, true);
    if (!opened) {
        return;
    }
    ShowDifferences(this, "Compare with " + QFileInfo(path).fileName(),
                    SettingsDifferences(ctx_.Config, other.Config, ctx_.CurrentModel, ctx_.ModelName,
                                        ctx_.AtisAvailable));
}

void MainWindow::showBackups() {
    if (!validatePage()) {
        return;
    }
    const auto chosen = ChooseBackup(this, ListBackups(BackupFolder(ctx_.ProgramTitle)));
    if (chosen.empty() || !changesMayBeLost()) {
        return;
    }
    setEnabled(false);
    const bool opened = openImage(chosen);
    if (opened) {
        commitReplacement("Open Backup", false);
        modified_ = !history_.atSaved(); // a backup is not a file the user saved
    }
    refreshHexDump();
    setEnabled(true);
}

} // namespace klt
