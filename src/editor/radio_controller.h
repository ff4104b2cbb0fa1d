#pragma once
// The Transfer menu's commands and the clears of the pages: each exchange with the radio runs through
// the transfer dialog, one at a time; a read keeps what it brought among the backups.

#include "app/app_context.h"
#include "app/backups.h"
#include "editor/editor_actions.h"
#include "editor/editor_view.h"
#include "editor/gui_services.h"
#include "link/operation.h"

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

namespace klt {

class TransferDialog;

class RadioController final : public QObject {
    Q_OBJECT
public:
    RadioController(AppContext &ctx, GuiServices &services, EditorView &view, const EditorActions &actions,
                    QObject *parent);

    void read();
    void program();
    // Transfer > Program Several Radios: the fleet dialog, with this configuration as the base.
    void programSeveral();
    // Runs an exchange through the transfer dialog; true when it completed.
    bool runOperation(Operation operation);
    bool runOperation(Operation operation, const std::function<void(TransferDialog &)> &prepare);
    // Puts a backup back on the radio, after asking (No the default): what a clear erased, with the
    // clear's own writes, or a read's configuration, programmed; both verified.
    void restore(const BackupInfo &backup);
    // Whether an exchange is under way: it stops before the window may close, which then closes.
    bool stopBeforeClosing(QWidget *window);

private:
    // Program to Radio checks the whole configuration first; true when there is nothing to say or
    // the user answers Yes to programming anyway.
    bool programDespiteProblems();

    AppContext &ctx_;
    GuiServices &services_;
    EditorView &view_;
    const EditorActions &actions_;
    TransferDialog *running_ = nullptr;
    RadioImage received_; // the last completed read's memory as the radio sent it
    QString fleetPlan_;   // the plan of Program Several Radios, for its next opening
    QWidget *closeAfter_ = nullptr;
};

} // namespace klt
