#pragma once
// klt-cli report --pdf: the printed report as a PDF file, where the build can paint one (Qt's).

#include "app/app_context.h"

#include <string>

namespace klt::cli {

// False, with a message on standard error, when the file could not be written.
bool WriteReportPdfFile(const AppContext &ctx, const std::string &path);

} // namespace klt::cli
