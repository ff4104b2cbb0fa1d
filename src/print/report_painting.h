#pragma once
// The printed report: the page header, then the report's sections with their page breaks, drawn on
// any paged device (a printer, a PDF file) in a fixed-pitch font that fits the widest line.

#include "base/fault.h"
#include "report/report_text.h"

#include <QPageSize>

#include <filesystem>
#include <optional>
#include <string>

class QLocale;
class QPagedPaintDevice;

namespace klt {

// "<model name> Quaystone": printed at the top of the document and of each page that starts a table.
std::string ReportPageHeader(const std::string &modelName);

// Letter where the locale measures in inches as the United States do, A4 elsewhere.
QPageSize ReportPageSize(const QLocale &locale);

// False when the device could not be started.
bool PaintReport(QPagedPaintDevice &device, const ReportInput &input, const std::string &header);

// The printed report as a PDF file, written whole or not at all. Nothing on success, else what stopped it.
std::optional<Fault> WriteReportPdf(const std::filesystem::path &path, const ReportInput &input,
                                    const std::string &header, const QPageSize &pageSize);

} // namespace klt
