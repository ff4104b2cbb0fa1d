#include "editor/transfer_worker.h"

#include "link/transfer_flows.h"

#include <QThread>

#include <exception>

namespace klt {

namespace {

// The link's user interface on the worker's thread: what it shows goes to the window's thread, and
// its waits are kept here, on the link's clock.
class WorkerUi final : public Ui {
public:
    WorkerUi(TransferWorker &worker, Ui &windowUi, LinkClock &clock)
        : worker_(worker), windowUi_(windowUi), clock_(clock) {}

    void message(MessageIcon icon, const std::string &text, const std::string &title) override {
        QMetaObject::invokeMethod(
            &worker_, [&] { windowUi_.message(icon, text, title); }, Qt::BlockingQueuedConnection);
    }
    Answer question(MessageIcon icon, const std::string &text, const std::string &title,
                    Buttons buttons) override {
        Answer answer = Answer::Cancel;
        QMetaObject::invokeMethod(
            &worker_, [&] { answer = windowUi_.question(icon, text, title, buttons); },
            Qt::BlockingQueuedConnection);
        return answer;
    }
    void progress(int percent) override { emit worker_.progressed(percent); }
    void monitor(const std::string &line) override { emit worker_.monitored(QString::fromStdString(line)); }
    void status(const std::string &text) override {
        emit worker_.statusChanged(QString::fromStdString(text));
    }
    // The dialog's own pointer and buttons show that the window is at work.
    void setBusyPointer(bool) override {}
    void sleep(int milliseconds) override { clock_.sleepFor(std::chrono::milliseconds(milliseconds)); }
    void pause(int milliseconds) override { clock_.sleepFor(std::chrono::milliseconds(milliseconds)); }

private:
    TransferWorker &worker_;
    Ui &windowUi_;
    LinkClock &clock_;
};

} // namespace

TransferWorker::TransferWorker(TransferJob job, GuiServices &services, MemorySettingsStore portSettings,
                               Ui &windowUi, QObject *parent)
    : QObject(parent), job_(std::move(job)), services_(services), portSettings_(std::move(portSettings)),
      windowUi_(windowUi) {}

TransferWorker::~TransferWorker() {
    // The dialog lets the worker go only once it has finished; a last safeguard all the same.
    if (thread_ != nullptr) {
        cancel();
        thread_->wait();
    }
}

void TransferWorker::start() {
    cancel_.requested = false;
    thread_.reset(QThread::create([this] { run(); }));
    thread_->setObjectName("transfer");
    connect(thread_.get(), &QThread::finished, this, &TransferWorker::finished);
    thread_->start();
}

void TransferWorker::run() {
    WorkerUi ui(*this, windowUi_, services_.clock);
    try {
        const auto port = services_.makePort(portSettings_);
        RadioLink link(*port, ui, services_.clock, cancel_, job_.log, job_.settings);
        TransferData data{job_.image, job_.config, job_.model, job_.check, &job_.received};
        data.keepBeforeClear = job_.keepBeforeClear;
        data.restoreCleared = job_.restoreCleared;
        outcome_ = RunTransfer(link, job_.operation, data);
    } catch (const std::exception &error) {
        // A fault of the program itself: the port has closed with the object that held it.
        outcome_ = Outcome::Failed;
        ui.message(MessageIcon::Error, tr("The operation stopped: %1").arg(error.what()).toStdString(),
                   OperationCaption(job_.operation));
    }
}

} // namespace klt
