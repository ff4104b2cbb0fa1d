#pragma once
// A transfer on a thread of its own. The worker makes and owns the serial port for the whole exchange
// and works on a copy of the image and records; the window's thread never waits on the port. What the
// link says reaches the window: progress and monitor lines as queued signals, messages and questions
// as calls the worker waits for. A Cancel is the one request the window makes meanwhile.

#include "base/cancel_request.h"
#include "base/error_log.h"
#include "base/settings_store.h"
#include "base/ui.h"
#include "editor/gui_services.h"
#include "link/operation.h"
#include "link/outcome.h"
#include "link/radio_link.h"
#include "link/transfer_flows.h"
#include "model/model_catalogue.h"
#include "model/radio_image.h"
#include "model/records.h"

#include <QObject>

#include <functional>
#include <memory>

class QThread;

namespace klt {

struct TransferJob {
    Operation operation;
    LinkSettings settings;
    ErrorLog log;
    RadioImage image;
    Configuration config;
    Model model;
    WriteCheck check;
    RadioImage received{}; // a read's memory as the radio sent it
    // A clear's backup of what it erases, kept by the worker before anything is erased.
    std::function<bool(const RadioImage &backup)> keepBeforeClear = {};
    bool restoreCleared = false; // the clear puts back, from the image, what it erased
};

class TransferWorker final : public QObject {
    Q_OBJECT
public:
    // windowUi: the window's message boxes; portSettings: what the port's device is found by.
    TransferWorker(TransferJob job, GuiServices &services, MemorySettingsStore portSettings, Ui &windowUi,
                   QObject *parent);
    ~TransferWorker() override;

    void start();
    // Asks the exchange to stop at its next step.
    void cancel() { cancel_.requested = true; }
    bool cancelRequested() const { return cancel_.requested; }
    // After finished(): how it ended, and the image and records as the exchange left them.
    Outcome outcome() const { return outcome_; }
    const TransferJob &job() const { return job_; }

signals:
    void progressed(int percent);
    void monitored(const QString &line);
    void statusChanged(const QString &text);
    void finished();

private:
    void run();

    TransferJob job_;
    GuiServices &services_;
    MemorySettingsStore portSettings_;
    Ui &windowUi_;
    CancelRequest cancel_;
    Outcome outcome_ = Outcome::Failed;
    std::unique_ptr<QThread> thread_;
};

} // namespace klt
