#include "app/report_file.h"

#include "files/atomic_write.h"
#include "report/report_text.h"

namespace klt {

std::string CurrentReportText(const AppContext &ctx) {
    return ComposeReportText({ctx.Config, ctx.Image, ctx.CurrentModel, ctx.AtisAvailable});
}

bool SaveReportFile(AppContext &ctx, const std::filesystem::path &path, const std::string &text) {
    ctx.ui.setBusyPointer(true);
    const auto fault = WriteFileAtomically(path, text + "\r\n");
    ctx.ui.pause(500);
    ctx.ui.setBusyPointer(false);
    if (fault) {
        ctx.ui.message(MessageIcon::Warning, path.string() + ": " + ReasonText(*fault), "Print to File");
        return false;
    }
    return true;
}

} // namespace klt
