#include "editor/radio_controller.h"

#include "app/backups.h"
#include "app/file_messages.h"
#include "editor/fleet_dialog.h"
#include "editor/transfer_dialog.h"
#include "files/hex_file.h"
#include "model/configuration_check.h"
#include "model/image_mapping.h"

#include <QAction>
#include <QTimer>
#include <QWidget>

#include <chrono>

namespace klt {

namespace {

constexpr std::size_t kProblemsListed = 12;
const char *const kVerifyKey = "VerifyAfterProgramming";

} // namespace

RadioController::RadioController(AppContext &ctx, GuiServices &services, EditorView &view,
                                 const EditorActions &actions, QObject *parent)
    : QObject(parent), ctx_(ctx), services_(services), view_(view), actions_(actions) {
    connect(actions.transferProgram, &QAction::triggered, this, &RadioController::program);
    connect(actions.transferRead, &QAction::triggered, this, &RadioController::read);
    connect(actions.transferFleet, &QAction::triggered, this, &RadioController::programSeveral);
    // Each user's choice, on unless turned off.
    actions.verifyAfterProgramming->setChecked(ctx.store.get("Settings", kVerifyKey, "1") != "0");
    connect(actions.verifyAfterProgramming, &QAction::toggled, this,
            [this](bool on) { ctx_.store.put("Settings", kVerifyKey, on ? "1" : "0"); });
}

bool RadioController::runOperation(Operation operation) {
    return runOperation(operation, {});
}

bool RadioController::runOperation(Operation operation,
                                   const std::function<void(TransferDialog &)> &prepare) {
    if (running_ != nullptr) {
        return false; // one operation at a time on the one port
    }
    ctx_.commitEdits();
    TransferDialog dialog(ctx_, services_, operation, actions_.verifyAfterProgramming->isChecked(),
                          view_.dialogParent());
    if (prepare) {
        prepare(dialog);
    }
    running_ = &dialog;
    dialog.exec();
    running_ = nullptr;
    received_ = dialog.received();
    if (dialog.completed() && IsClear(operation) && !prepare) {
        ctx_.commitReplacement(OperationCaption(operation), false); // a clear empties records too
    }
    if (dialog.completed()) {
        view_.confirm(tr("%1: done")
                          .arg(QString::fromStdString(prepare ? tr("Restore").toStdString()
                                                              : OperationCaption(operation))));
    }
    if (closeAfter_ != nullptr) {
        QTimer::singleShot(0, closeAfter_, &QWidget::close);
        closeAfter_ = nullptr;
    }
    return dialog.completed();
}

bool RadioController::stopBeforeClosing(QWidget *window) {
    if (running_ == nullptr || !running_->running()) {
        return false;
    }
    closeAfter_ = window;
    running_->cancel();
    return true;
}

void RadioController::restore(const BackupInfo &backup) {
    const QString question =
        backup.beforeClear
            ? tr("Put back on the radio what %1 erased, from the backup of %2?")
                  .arg(QString::fromStdString(OperationCaption(*backup.beforeClear)),
                       QString::fromStdString(backup.date))
            : tr("Program the radio with the backup of %1?").arg(QString::fromStdString(backup.date));
    if (ctx_.ui.question(MessageIcon::Exclamation, question.toStdString(), tr("Restore").toStdString(),
                         Buttons::YesNoDefaultNo) != Answer::Yes) {
        return;
    }
    const ImageFileBytes file = ReadImageFile(backup.path);
    const std::string problem =
        file.fault ? ReasonText(*file.fault)
        : ModelName(ctx_.CurrentModel) != backup.model
            ? "the backup is of the " + backup.model + ", not the " + ModelName(ctx_.CurrentModel)
            : std::string();
    if (!problem.empty()) {
        ctx_.ui.message(MessageIcon::Error,
                        FileProblemText(tr("FileRead Error!!").toStdString(), backup.path, problem),
                        ctx_.TitleText);
        return;
    }
    RadioImage image;
    std::copy(file.bytes.begin(), file.bytes.end(), image.bytes().begin());
    Configuration config = ctx_.Config;
    DecodeImage(image, config, ctx_.CurrentModel);
    runOperation(backup.beforeClear.value_or(Operation::Program),
                 [&image, &config](TransferDialog &dialog) { dialog.useBackup(image, config); });
}

void RadioController::read() {
    // What the radio holds replaces the records: unsaved edits are asked about first, as Open does.
    if (!view_.checkPage() || !view_.changesMayBeLost() || !runOperation(Operation::Read)) {
        return;
    }
    // The configuration that was in the radio is never lost: the read keeps among the backups the memory
    // exactly as the radio sent it.
    const auto folder = BackupFolder(ctx_.ProgramTitle);
    if (!KeepBackup(folder, received_, ctx_.CurrentModel, std::chrono::system_clock::now())) {
        ctx_.ui.message(MessageIcon::Warning,
                        tr("The memory read could not be kept among the backups (%1).")
                            .arg(QString::fromStdString(BackupPlaceText(folder)))
                            .toStdString(),
                        OperationCaption(Operation::Read));
    }
    ctx_.CurrentFilePath.clear();
    view_.showReplaced();
    view_.refreshHexDump();
    ctx_.commitReplacement(tr("Read from Radio").toStdString(), true);
}

void RadioController::programSeveral() {
    if (!view_.checkPage()) {
        return;
    }
    FleetDialog dialog(ctx_, services_, view_.dialogParent());
    if (!fleetPlan_.isEmpty()) {
        dialog.loadPlan(fleetPlan_);
    }
    dialog.exec();
    // The plan stays for the next opening; the General page shows the newest backup.
    fleetPlan_ = dialog.plan();
    view_.refreshCaption();
    if (!dialog.outcome().isEmpty()) {
        view_.confirm(dialog.outcome());
    }
}

void RadioController::program() {
    if (!view_.checkPage() || !programDespiteProblems()) {
        return;
    }
    runOperation(Operation::Program);
    view_.refreshHexDump();
}

bool RadioController::programDespiteProblems() {
    const auto problems = CheckConfiguration(ctx_.Config, ctx_.CurrentModel, ctx_.AtisAvailable);
    if (problems.empty()) {
        return true;
    }
    // The problems are the configuration check's own texts.
    std::string text = tr("The radio would not take all of this configuration:").toStdString() + "\r\n";
    for (std::size_t i = 0; i < problems.size() && i < kProblemsListed; ++i) {
        text += "\r\n" + problems[i];
    }
    if (problems.size() > kProblemsListed) {
        text += "\r\n" + tr("... and %1 more").arg(problems.size() - kProblemsListed).toStdString();
    }
    text += "\r\n\r\n" + tr("Program the radio anyway?").toStdString();
    return ctx_.ui.question(MessageIcon::Exclamation, text, tr("Program to Radio").toStdString(),
                            Buttons::YesNoDefaultNo) == Answer::Yes;
}

} // namespace klt
