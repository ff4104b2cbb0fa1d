#include "app/settings_file_commands.h"

#include "app/file_messages.h"
#include "files/atomic_write.h"
#include "files/section_table.h"
#include "files/settings_reader.h"
#include "files/settings_writer.h"
#include "files/whole_file.h"
#include "model/text_format.h"

namespace klt {

namespace {

constexpr int kReadPauseMs = 500;
constexpr int kSavePauseMs = 500;

} // namespace

bool ReadSettingsFile(AppContext &ctx, const std::filesystem::path &path, bool loadDestination,
                      const ResetHooks &hooks) {
    // Read whole first, and only a real file of a size a settings file can have: a device, a folder
    // or a huge file named by mistake is refused before anything changes.
    ctx.ui.setBusyPointer(true);
    const WholeFile file = ReadWholeFile(path);
    if (file.fault) {
        ctx.ui.setBusyPointer(false);
        ErrorLogOf(ctx).append("frmMain.FileRead2", *file.fault);
        ctx.ui.message(MessageIcon::Exclamation, FileProblemText("FileRead Error!!", path, *file.fault),
                       ctx.TitleText);
        return false;
    }
    const double model = SettingsTextModel(file.bytes);
    if (model != ModelNumber(ctx.CurrentModel)) {
        ctx.ui.setBusyPointer(false);
        ctx.ui.message(
            MessageIcon::Error,
            FileProblemText("ModelType Error !!", path, SettingsModelProblem(model, ctx.CurrentModel)),
            ctx.TitleText);
        return false;
    }
    const SectionTable table = SectionTable::Parse(file.bytes);
    ResetConfiguration(ctx, loadDestination, hooks);
    ApplySettingsTable(table, ctx.Config, ctx.CurrentModel, ctx.AtisAvailable);
    ctx.ui.pause(kReadPauseMs);
    ctx.ui.setBusyPointer(false);
    return true;
}

bool OpenSettingsFile(AppContext &ctx, const std::filesystem::path &path, bool loadDestination,
                      const ResetHooks &hooks) {
    if (!ReadSettingsFile(ctx, path, loadDestination, hooks)) {
        return false;
    }
    ctx.CurrentFilePath = path.string();
    return true;
}

bool WriteSettingsFile(AppContext &ctx, const std::filesystem::path &path) {
    ctx.ui.setBusyPointer(true);
    const std::string text =
        ComposeSettingsText(ctx.Config, ctx.CurrentModel, ctx.ModelName, ctx.AtisAvailable);
    const auto fault = WriteFileAtomically(path, text);
    ctx.ui.pause(kSavePauseMs);
    ctx.ui.setBusyPointer(false);
    if (fault) {
        ErrorLogOf(ctx).append("frmMain.SaveFileAs", *fault);
        ctx.ui.message(MessageIcon::Exclamation, FileProblemText("FileSave Error!!", path, *fault),
                       ctx.TitleText);
        return false;
    }
    return true;
}

bool SaveNeedsAName(const AppContext &ctx) {
    return ctx.CurrentFilePath.empty() || EndsWithIgnoreCase(ctx.CurrentFilePath, ".hex");
}

bool SaveSettingsAs(AppContext &ctx, const std::filesystem::path &path) {
    if (!WriteSettingsFile(ctx, path)) {
        return false;
    }
    ctx.CurrentFilePath = path.string();
    return true;
}

} // namespace klt
