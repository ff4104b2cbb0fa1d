#pragma once
// The File menu's commands on the document: New, Open, Save, Save As, the image hex files of debug
// mode, the spreadsheet tables, Compare with... and the backups.

#include "app/app_context.h"
#include "app/backups.h"
#include "editor/editor_actions.h"
#include "editor/editor_view.h"
#include "editor/gui_services.h"
#include "files/table_csv.h"

#include <QObject>

#include <filesystem>
#include <functional>

namespace klt {

class FileController final : public QObject {
    Q_OBJECT
public:
    // restore: puts a backup back on the radio (Restore in the backups' list).
    FileController(AppContext &ctx, GuiServices &services, EditorView &view, const EditorActions &actions,
                   std::function<void(const BackupInfo &)> restore, QObject *parent);

    void fileNew();
    void fileOpen();
    bool fileSave();
    bool fileSaveAs();
    void saveHexFile();
    void openHexFile();
    void exportTable(CsvTable table);
    void importTable(CsvTable table);
    void compareWithFile();
    void showBackups();
    // The reset of File > New, after its questions; a new model starts a new history.
    void startNew(bool newModel);

private:
    QString programFolder() const;
    // Opens an image file as the whole configuration; false when refused.
    bool openImage(const std::filesystem::path &path);

    AppContext &ctx_;
    GuiServices &services_;
    EditorView &view_;
    std::function<void(const BackupInfo &)> restore_;
};

} // namespace klt
