#include "app/report_file.h"
#include "print/report_painting.h"
#include "report_pdf.h"
#include "terminal_text.h"

#include <QGuiApplication>
#include <QLocale>

#include <iostream>

namespace klt::cli {

// Fonts and painting need an application object; the command line never needs a display.
bool WriteReportPdfFile(const AppContext &ctx, const std::string &path) {
    int argc = 3;
    char name[] = "klt-cli";
    char option[] = "-platform";
    char platform[] = "offscreen";
    char *argv[] = {name, option, platform, nullptr};
    const QGuiApplication application(argc, argv);
    const auto fault = WriteReportPdf(path, {ctx.Config, ctx.Image, ctx.CurrentModel, ctx.AtisAvailable},
                                      ReportPageHeader(ctx.ModelName), ReportPageSize(QLocale::system()));
    if (!fault) {
        return true;
    }
    std::cerr << "klt-cli report: cannot write " << Printable(path) << ": " << Printable(ReasonText(*fault))
              << '\n';
    return false;
}

} // namespace klt::cli
