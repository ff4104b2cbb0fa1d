#pragma once
// frmRadio: the modal dialog through which every exchange with the radio runs.

#include "app/app_context.h"
#include "editor/gui_services.h"
#include "link/operation.h"

#include <QDialog>

#include <optional>
#include <utility>

class QLabel;
class QProgressBar;
class QPushButton;

namespace klt {

class TransferWorker;

class TransferDialog final : public QDialog {
    Q_OBJECT
public:
    // verify: a write reads back what it wrote.
    TransferDialog(AppContext &ctx, GuiServices &services, Operation operation, bool verify, QWidget *parent);

    // Whether the operation ran to its end ("Complete!!").
    bool completed() const { return completed_; }
    // The exchange works on a backup instead of the configuration, which it leaves as it is: a clear's
    // operation puts back what that clear erased, Program to Radio programs the backup.
    void useBackup(const RadioImage &image, const Configuration &config);
    // After a completed read: the memory exactly as the radio sent it.
    const RadioImage &received() const { return received_; }
    // From OK until the operation has ended; Cancel, Escape and closing then ask it to stop.
    bool running() const { return running_; }
    void cancel();

    void setProgress(int percent);
    void setMonitor(const std::string &text);

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void runOperation();
    void finishOperation();
    void help();

    AppContext &ctx_;
    GuiServices &services_;
    Operation operation_;
    bool completed_ = false;
    bool verify_ = true;
    std::optional<std::pair<RadioImage, Configuration>> backup_;
    RadioImage received_;
    bool running_ = false;
    TransferWorker *worker_ = nullptr;
    QLabel *message_;
    QLabel *monitor_;
    QLabel *status_;
    QProgressBar *progress_;
    QLabel *percent_;
    QPushButton *ok_;
    QPushButton *cancel_;
    QPushButton *help_;
};

// The help file of the current model, in the program folder.
QString HelpFilePath(const AppContext &ctx);
// Opens it, or says why not, with the given title.
void ShowHelp(AppContext &ctx, GuiServices &services, const std::string &title, const QString &section = {});

} // namespace klt
