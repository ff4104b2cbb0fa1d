#include "editor/report_controller.h"

#include "editor/report_window.h"
#include "editor/transfer_dialog.h"

#include <QAction>
#include <QPrinter>

namespace klt {

namespace {

const char *const kPdfFilter = "PDF files(*.pdf)|*.pdf|All files(*.*)|*.*";

} // namespace

ReportController::ReportController(AppContext &ctx, GuiServices &services, EditorView &view,
                                   const EditorActions &actions, QObject *parent)
    : QObject(parent), ctx_(ctx), services_(services), view_(view) {
    connect(actions.filePrint, &QAction::triggered, this, &ReportController::print);
    connect(actions.filePrintToFile, &QAction::triggered, this, &ReportController::printToFile);
    connect(actions.fileExportPdf, &QAction::triggered, this, &ReportController::exportPdf);
    connect(actions.helpContents, &QAction::triggered, this, &ReportController::showHelp);
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
        ctx_.ui.message(MessageIcon::Warning, "The printer could not be started.", ctx_.TitleText);
    }
}

void ReportController::printToFile() {
    ReportWindow window(ctx_, services_, view_.dialogParent());
    window.exec();
}

void ReportController::exportPdf() {
    if (!view_.checkPage()) {
        return;
    }
    const QString path = services_.files.saveFile(view_.dialogParent(), kPdfFilter, QString());
    if (path.isEmpty()) {
        return;
    }
    ctx_.ui.setBusyPointer(true);
    const bool written = ExportReportPdf(ctx_, path.toStdString());
    ctx_.ui.setBusyPointer(false);
    if (!written) {
        ctx_.ui.message(MessageIcon::Warning, "FileSave Error!!", ctx_.TitleText);
    }
}

void ReportController::showAbout() {
    ctx_.ui.message(MessageIcon::Information,
                    ctx_.ProgramTitle + "\r\nVersion " + KLT_VERSION +
                        "\r\n\r\nProgramming tool for the TQ series of marine VHF radios with DSC.",
                    "About " + ctx_.ProgramTitle);
}

void ReportController::showHelp() {
    ShowHelp(ctx_, services_, ctx_.TitleText);
}

} // namespace klt
