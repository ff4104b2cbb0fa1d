#include "print/report_painting.h"

#include "files/atomic_write.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

namespace klt {

namespace {

constexpr double kLargestPointSize = 10.0;
constexpr double kSmallestPointSize = 4.0;
constexpr double kPdfMarginMm = 15.0;

// One printed line; a page break comes before it when asked.
struct PrintedLine {
    std::string text;
    bool newPage = false;
};

std::vector<PrintedLine> PrintedLines(const ReportInput &input, const std::string &header) {
    std::vector<PrintedLine> lines = {{header}, {""}};
    bool first = true;
    for (const auto &section : ReportSections(input, ReportRendering::Printed)) {
        bool breakHere = false;
        if (section.pageBreakBefore) {
            breakHere = true;
            if (section.pageHeader) {
                lines.push_back({header, true});
                lines.push_back({""});
                breakHere = false;
            }
        } else if (!first) {
            lines.push_back({""});
        }
        first = false;
        for (const auto &text : section.lines) {
            lines.push_back({text, breakHere});
            breakHere = false;
        }
    }
    return lines;
}

// The fixed-pitch font at the largest size up to 10 points whose widest line fits the page.
QFont FittingFont(const QPaintDevice &device, const std::vector<PrintedLine> &lines, double pageWidth) {
    QFont font("Courier New");
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(kLargestPointSize);
    std::size_t widest = 1;
    for (const auto &line : lines) {
        widest = std::max(widest, line.text.size());
    }
    const double width =
        QFontMetricsF(font, &device).horizontalAdvance(QString(static_cast<qsizetype>(widest), 'M'));
    if (width > pageWidth) {
        const double fitting = std::floor(kLargestPointSize * pageWidth / width * 10.0) / 10.0;
        font.setPointSizeF(std::max(kSmallestPointSize, fitting));
    }
    return font;
}

} // namespace

std::string ReportPageHeader(const std::string &modelName) {
    return modelName + " Quaystone";
}

QPageSize ReportPageSize(const QLocale &locale) {
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                             : QPageSize::A4);
}

bool PaintReport(QPagedPaintDevice &device, const ReportInput &input, const std::string &header) {
    const auto lines = PrintedLines(input, header);
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const QRect page = painter.viewport();
    painter.setFont(FittingFont(device, lines, page.width()));
    const double lineHeight = painter.fontMetrics().lineSpacing();
    const double ascent = painter.fontMetrics().ascent();
    double y = 0.0;
    for (const auto &line : lines) {
        if (line.newPage || y + lineHeight > page.height()) {
            device.newPage();
            y = 0.0;
        }
        painter.drawText(QPointF(0.0, y + ascent), QString::fromLatin1(line.text.c_str()));
        y += lineHeight;
    }
    return painter.end();
}

std::optional<Fault> WriteReportPdf(const std::filesystem::path &path, const ReportInput &input,
                                    const std::string &header, const QPageSize &pageSize) {
    // Drawn in memory first, then saved as every other file is: a failure leaves what was there.
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(pageSize);
        pdf.setPageMargins(QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                           QPageLayout::Millimeter);
        pdf.setTitle(QString::fromStdString(header));
        pdf.setCreator("KLT Programmer");
        if (!PaintReport(pdf, input, header)) {
            return Fault{75, "Path/File access error (the report could not be drawn)",
                         "the report could not be drawn"};
        }
    }
    return WriteFileAtomically(path,
                               std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace klt
