// klt-cli report: the report text of a settings file or an image file, on standard output.

#include "app/report_file.h"
#include "cli_session.h"
#include "verbs.h"

#include <iostream>

namespace klt::cli {

int RunReport(const std::vector<std::string> &argv) {
    const ParsedArgs args = ParseArgs(argv, ConfigurationOptions());
    if (args.positional.size() != 1 || args.has("-o")) {
        throw UsageError{"one IN is required"};
    }
    RequireExtension(args.positional[0], {".dat", ".hex"});
    auto session = OpenSession(args);
    if (!LoadInput(*session, args, args.positional[0])) {
        return kExitFailed;
    }
    std::cout << CurrentReportText(session->ctx) << "\r\n";
    return StandardOutputWritten("report") ? kExitOk : kExitFailed;
}

} // namespace klt::cli
