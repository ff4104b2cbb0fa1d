// klt-cli report: the report text of a settings file or an image file on standard output, or with
// --pdf the printed report as a PDF file.

#include "app/report_file.h"
#include "cli_session.h"
#include "report_pdf.h"
#include "verbs.h"

#include <iostream>

namespace klt::cli {

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
        return WriteReportPdfFile(session->ctx, *pdf) ? kExitOk : kExitFailed;
    }
    std::cout << CurrentReportText(session->ctx) << "\r\n";
    return StandardOutputWritten("report") ? kExitOk : kExitFailed;
}

} // namespace klt::cli
