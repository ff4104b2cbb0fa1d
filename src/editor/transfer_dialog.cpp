#include "editor/transfer_dialog.h"

#include "app/startup.h"
#include "app/transfer_command.h"
#include "editor/transfer_pictures.h"
#include "editor/transfer_worker.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <stdexcept>

namespace klt {

namespace {

const char *const kInstructions = QT_TRANSLATE_NOOP(
    "klt::TransferDialog", "1.Connect the KLT cable between the PC serial port and the radio.\r\n"
                           "2.On the radio, press and hold [DISTRESS] and [CALL] keys while\r\n"
                           "   turning the power on.\r\n"
                           "   The Radio display will show PC CONTROL.\r\n"
                           "3.Press the [OK] button to start.");
const char *const kStopping = QT_TRANSLATE_NOOP("klt::TransferDialog", "Stopping... please wait.");

} // namespace

QString HelpFilePath(const AppContext &ctx) {
    const auto name = ctx.AtisAvailable ? "RB570.html" : "RB570_NA.html";
    return QString::fromStdString((ctx.ProgramFolder / name).string());
}

void ShowHelp(AppContext &ctx, GuiServices &services, const std::string &title, const QString &section) {
    const QString path = HelpFilePath(ctx);
    if (!QFileInfo::exists(path)) {
        ctx.ui.message(MessageIcon::Information,
                       TransferDialog::tr(
                           "Unable to display Help Contents. There is no Help associated with this project.")
                           .toStdString(),
                       title);
    } else if (!services.openHelp || !services.openHelp(path, section)) {
        ctx.ui.message(MessageIcon::Error,
                       TransferDialog::tr("No program could show the help file %1. Open it in a web browser.")
                           .arg(path)
                           .toStdString(),
                       title);
    }
}

TransferDialog::TransferDialog(AppContext &ctx, GuiServices &services, Operation operation, bool verify,
                               QWidget *parent)
    : QDialog(parent), ctx_(ctx), services_(services), operation_(operation), verify_(verify) {
    setObjectName("frmRadio");
    // The operation's caption is the core's: its messages' boxes carry the same title.
    setWindowTitle(QString::fromStdString(OperationCaption(operation)));
    setModal(true);
    resize(465, 290);
    message_ = new QLabel(tr(kInstructions).replace("\r\n", "\n"), this);
    message_->setObjectName("lblmess");
    monitor_ = new QLabel(this);
    monitor_->setObjectName("lblmon");
    monitor_->setVisible(ctx.DebugMode);
    status_ = new QLabel(this);
    status_->setObjectName("lblStatus");
    auto *portLabel = new QLabel(this);
    portLabel->setObjectName("lblPort");
    const int portNumber = StoredPortNumber(ctx.store);
    const auto devices = services.describePorts && portNumber >= 1 ? services.describePorts(portNumber)
                                                                   : std::vector<std::string>{};
    const std::string device = portNumber >= 1 && devices.size() >= static_cast<std::size_t>(portNumber)
                                   ? devices[portNumber - 1]
                                   : "";
    // The port's name and device, as the system knows them.
    portLabel->setText("COM" + QString::number(portNumber) +
                       (device.empty() ? QString() : ": " + QString::fromStdString(device)));
    progress_ = new QProgressBar(this);
    progress_->setObjectName("pictProgress");
    progress_->setRange(0, 100);
    progress_->setTextVisible(false);
    percent_ = new QLabel(tr("%1%").arg(0), this);
    percent_->setObjectName("lblPercent");
    ok_ = new QPushButton(tr("OK"), this);
    ok_->setObjectName("cmdOK");
    // Enter on OK starts the transfer as Space does; on Cancel it never stops a write half way.
    ok_->setAutoDefault(true);
    cancel_ = new QPushButton(tr("Cancel"), this);
    cancel_->setObjectName("cmdCancel");
    cancel_->setAutoDefault(false);
    help_ = new QPushButton(tr("Help"), this);
    help_->setObjectName("cmdHelp");
    help_->setAutoDefault(false);

    auto *progressRow = new QHBoxLayout;
    progressRow->addWidget(progress_, 1);
    progressRow->addWidget(percent_);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    buttons->addWidget(help_);
    // The cable from the PC to the radio, the way the data goes, and the keys to hold.
    auto *pictures = new QHBoxLayout;
    pictures->addStretch(1);
    pictures->setSpacing(0);
    pictures->addWidget(new TransferPicture(TransferPicture::Kind::Computer, false, this));
    pictures->addWidget(
        new TransferPicture(TransferPicture::Kind::Direction, operation == Operation::Read, this));
    pictures->addWidget(new TransferPicture(TransferPicture::Kind::Radio, false, this));
    pictures->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(message_);
    layout->addLayout(pictures);
    layout->addStretch(1);
    layout->addWidget(portLabel);
    layout->addWidget(status_);
    layout->addWidget(monitor_);
    layout->addLayout(progressRow);
    layout->addLayout(buttons);

    // A keyboard user starts the transfer with the space bar, or tabs on to Cancel.
    ok_->setFocus(Qt::OtherFocusReason);
    connect(ok_, &QPushButton::clicked, this, &TransferDialog::runOperation);
    connect(cancel_, &QPushButton::clicked, this, &TransferDialog::cancel);
    connect(help_, &QPushButton::clicked, this, &TransferDialog::help);
    setMonitor(tr("starting at debug mode..").toStdString());
}

void TransferDialog::setProgress(int percent) {
    const int shown = std::clamp(percent, 0, 100);
    if (shown > 0) {
        progress_->setRange(0, 100); // the connection is made: the bar counts from here
    }
    progress_->setValue(shown);
    // While the bar only shows that the program is at work, no figure stands beside it.
    percent_->setText(progress_->maximum() > 0 ? tr("%1%").arg(shown) : QString());
}

void TransferDialog::setMonitor(const std::string &text) {
    monitor_->setText(QString::fromStdString(text));
}

void TransferDialog::runOperation() {
    ok_->setEnabled(false);
    help_->setEnabled(false);
    running_ = true;
    // Until the first block moves, the bar shows that the program is at work on the connection.
    progress_->setRange(0, 0);
    percent_->clear();
    // The worker finds the port's device from a copy of what the preferences say of it.
    MemorySettingsStore portSettings;
    const int portNumber = StoredPortNumber(ctx_.store);
    portSettings.put("ComPath", "ComNum", std::to_string(portNumber));
    const std::string deviceKey = "Device" + std::to_string(portNumber);
    portSettings.put("ComPath", deviceKey, ctx_.store.get("ComPath", deviceKey, ""));
    TransferJob job{operation_,
                    LinkSettingsOf(ctx_),
                    ErrorLogOf(ctx_),
                    backup_ ? backup_->first : ctx_.Image,
                    backup_ ? backup_->second : ctx_.Config,
                    ctx_.CurrentModel,
                    WriteCheckOf(ctx_, verify_)};
    job.restoreCleared = backup_.has_value() && IsClear(operation_);
    if (IsClear(operation_) && !job.restoreCleared) {
        // Nothing a clear erases is lost: the worker keeps it among the backups first.
        job.keepBeforeClear = [&ctx = ctx_, operation = operation_](const RadioImage &backup) {
            return KeepBackupBeforeClear(ctx, operation, backup).has_value();
        };
    }
    worker_ = new TransferWorker(std::move(job), services_, std::move(portSettings), ctx_.ui, this);
    connect(worker_, &TransferWorker::progressed, this, &TransferDialog::setProgress);
    connect(worker_, &TransferWorker::monitored, this,
            [this](const QString &line) { monitor_->setText(line); });
    connect(worker_, &TransferWorker::statusChanged, status_, &QLabel::setText);
    connect(worker_, &TransferWorker::finished, this, &TransferDialog::finishOperation);
    worker_->start();
}

void TransferDialog::useBackup(const RadioImage &image, const Configuration &config) {
    backup_.emplace(image, config);
    setWindowTitle(tr("Restore"));
}

void TransferDialog::finishOperation() {
    // The exchange worked on a copy; the window's configuration takes what it left, as if in place
    // (a backup put back leaves the configuration as it is).
    if (!backup_) {
        ctx_.Image = worker_->job().image;
        ctx_.Config = worker_->job().config;
    }
    received_ = worker_->job().received;
    completed_ = worker_->outcome() == Outcome::Done;
    worker_->deleteLater();
    worker_ = nullptr;
    running_ = false;
    progress_->setRange(0, 100);
    ok_->setEnabled(true);
    help_->setEnabled(true);
    accept();
}

void TransferDialog::cancel() {
    if (!running_) {
        reject();
        return;
    }
    // The operation stops at its next step and closes the dialog itself; until then the dialog stays,
    // so that nothing else can reach the radio.
    worker_->cancel();
    message_->setText(tr(kStopping));
}

void TransferDialog::help() {
    ShowHelp(ctx_, services_, windowTitle().toStdString(), "transfer");
}

void TransferDialog::closeEvent(QCloseEvent *event) {
    if (running_) {
        cancel();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TransferDialog::keyPressEvent(QKeyEvent *event) {
    // Escape is Cancel: it closes only when nothing runs. Enter is never a default button.
    if (event->key() == Qt::Key_Escape) {
        cancel();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace klt
