#pragma once
// frmPrn: the report text in its own window, to read and to save as a ".txt" file; and the printed
// report, drawn on a printer from the same rows.

#include "app/app_context.h"
#include "editor/gui_services.h"

#include <QDialog>

#include <filesystem>

class QPlainTextEdit;
class QPrinter;

namespace klt {

class ReportWindow final : public QDialog {
    Q_OBJECT
public:
    ReportWindow(AppContext &ctx, GuiServices &services, QWidget *parent);
    QString text() const;

private:
    void compose();
    void saveAs();

    AppContext &ctx_;
    GuiServices &services_;
    QPlainTextEdit *text_;
};

// Draws the printed report: the page header, then the sections with their page breaks. False when
// the printer could not be started.
bool PrintReport(const AppContext &ctx, QPrinter &printer);

// The same drawing as a PDF file on the locale's paper. Nothing on success, else what stopped it.
std::optional<Fault> ExportReportPdf(const AppContext &ctx, const std::filesystem::path &path);

} // namespace klt
