#include "report_pdf.h"

#include <iostream>

namespace klt::cli {

// The core's build paints nothing: the report text is what it has.
bool WriteReportPdfFile(const AppContext &, const std::string &) {
    std::cerr << "klt-cli report: this build writes no PDF (it is the core's, without Qt); the report text "
                 "is on standard output without --pdf\n";
    return false;
}

} // namespace klt::cli
