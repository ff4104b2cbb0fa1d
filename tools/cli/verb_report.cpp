// klt-cli report: the report text of a settings file or an image file on standard output, or with
// --pdf the printed report as a PDF file.

#include "app/report_file.h"
#include "cli_session.h"
#include "print/report_painting.h"
#include "terminal_text.h"
#include "verbs.h"

#include <QGuiApplication>
#include <QLocale>

#include <iostream>

namespace klt::cli {

namespace {

// Fonts and painting need an application object; the command line never needs a display.
bool WritePdf(const AppContext &ctx, const std::string &path) {
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

} // namespace

int RunReport(const std::vector<std::string> &argv) {
    OptionTable options = ConfigurationOptions();
    options.withValue.insert("--pdf");
    const ParsedArgs args = ParseArgs(argv, options);
    if (args.positional.size() != 1 || args.has("-o")) {
        throw UsageError{"one IN is required"};
    }
    RequireExtension(args.positional[0], {".dat", ".hex"});
    const auto pdf = args.value("--pdf");
    if (pdf) {
        RequireExtension(*pdf, {".pdf"});
    }
    auto session = OpenSession(args);
    if (!LoadInput(*session, args, args.positional[0])) {
        return kExitFailed;
    }
    if (pdf) {
        return WritePdf(session->ctx, *pdf) ? kExitOk : kExitFailed;
    }
    std::cout << CurrentReportText(session->ctx) << "\r\n";
    return StandardOutputWritten("report") ? kExitOk : kExitFailed;
}

} // namespace klt::cli
