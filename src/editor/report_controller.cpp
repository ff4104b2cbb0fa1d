#include "editor/report_controller.h"

#include "app/file_messages.h"
#include "app/startup.h"
#include "editor/list_dialogs.h"
#include "editor/report_window.h"
#include "editor/transfer_dialog.h"
#include "print/report_painting.h"

#include <QAction>
#include <QLocale>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace klt {

namespace {

// A translation keeps the "|" and the patterns: every second part is the pattern of the name before it.
const char *const kPdfFilter =
    QT_TRANSLATE_NOOP("klt::ReportController", "PDF files(*.pdf)|*.pdf|All files(*.*)|*.*");

} // namespace

ReportController::ReportController(AppContext &ctx, GuiServices &services, EditorView &view,
                                   const EditorActions &actions, QObject *parent)
    : QObject(parent), ctx_(ctx), services_(services), view_(view) {
    connect(actions.filePrint, &QAction::triggered, this, &ReportController::print);
    connect(actions.filePrintPreview, &QAction::triggered, this, &ReportController::printPreview);
    connect(actions.filePrintToFile, &QAction::triggered, this, &ReportController::printToFile);
    connect(actions.fileExportPdf, &QAction::triggered, this, &ReportController::exportPdf);
    connect(actions.helpContents, &QAction::triggered, this, &ReportController::showHelp);
    connect(actions.helpPortDiagnosis, &QAction::triggered, this, &ReportController::showPortDiagnosis);
    connect(actions.helpAbout, &QAction::triggered, this, &ReportController::showAbout);
}

void ReportController::print() {
    if (!view_.checkPage() || !services_.choosePrinter) {
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
        ctx_.ui.message(MessageIcon::Warning, tr("The printer could not be started.").toStdString(),
                        ctx_.TitleText);
    }
}

void ReportController::printPreview() {
    if (!view_.checkPage()) {
        return;
    }
    // The pages as Print would print them, on the paper of the user's country until they choose another.
    QPrinter printer;
    printer.setPageSize(ReportPageSize(QLocale::system()));
    QPrintPreviewDialog preview(&printer, view_.dialogParent());
    preview.setObjectName("dlgPrintPreview");
    preview.setWindowTitle(tr("Print Preview"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter *shown) { PrintReport(ctx_, *shown); });
    preview.exec();
}

void ReportController::printToFile() {
    ReportWindow window(ctx_, services_, view_.dialogParent());
    window.exec();
}

void ReportController::exportPdf() {
    if (!view_.checkPage()) {
        return;
    }
    const QString path = services_.files.saveFile(view_.dialogParent(), tr(kPdfFilter), QString());
    if (path.isEmpty()) {
        return;
    }
    ctx_.ui.setBusyPointer(true);
    const auto fault = ExportReportPdf(ctx_, path.toStdString());
    ctx_.ui.setBusyPointer(false);
    if (fault) {
        ctx_.ui.message(MessageIcon::Warning,
                        FileProblemText(tr("FileSave Error!!").toStdString(), path.toStdString(), *fault),
                        ctx_.TitleText);
    }
}

void ReportController::showPortDiagnosis() {
    if (!services_.diagnosePorts) {
        return;
    }
    const int number = StoredPortNumber(ctx_.store);
    const auto devices =
        services_.describePorts && number >= 1 ? services_.describePorts(number) : std::vector<std::string>{};
    const std::string chosen = number >= 1 && devices.size() >= static_cast<std::size_t>(number)
                                   ? devices[static_cast<std::size_t>(number) - 1]
                                   : std::string();
    ctx_.ui.setBusyPointer(true);
    const std::string report = services_.diagnosePorts(chosen);
    ctx_.ui.setBusyPointer(false);
    // The report's words are the port doctor's, as klt-cli doctor prints them.
    ShowText(view_.dialogParent(), "frmPortDiagnosis", tr("Port Diagnosis"),
             chosen.empty() ? tr("The serial ports of this computer:")
                            : tr("COM%1 is %2. The serial ports of this computer:")
                                  .arg(number)
                                  .arg(QString::fromStdString(chosen)),
             QString::fromStdString(report));
}

void ReportController::showAbout() {
    const QString program = QString::fromStdString(ctx_.ProgramTitle);
    ctx_.ui.message(
        MessageIcon::Information,
        tr("%1\r\nVersion %2\r\n\r\nProgramming tool for the TQ series of marine VHF radios with DSC.")
            .arg(program, KLT_VERSION)
            .toStdString(),
        tr("About %1").arg(program).toStdString());
}

void ReportController::showHelp() {
    ShowHelp(ctx_, services_, ctx_.TitleText);
}

} // namespace klt
