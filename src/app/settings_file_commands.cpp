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
constexpr std::size_t kNotesShown = 10;

// The user decides, or is told, before anything is replaced.
bool NotesAccepted(AppContext &ctx, const std::filesystem::path &path, const SettingsFileNotes &notes,
                   FileNotes policy) {
    const std::string text = SettingsNotesText(path, notes);
    if (policy == FileNotes::Warn) {
        ctx.ui.message(MessageIcon::Exclamation, text, ctx.TitleText);
        return true;
    }
    return ctx.ui.question(MessageIcon::Exclamation, text + "\r\n\r\nOpen the file all the same?",
                           ctx.TitleText, Buttons::YesNo) == Answer::Yes;
}

} // namespace

SettingsFileNotes NotesOnSettingsText(const AppContext &ctx, std::string_view text) {
    const SectionTable table = SectionTable::Parse(text);
    Configuration scratch = ctx.Config;
    SettingsFileNotes notes;
    notes.refused = ApplySettingsTable(table, scratch, ctx.CurrentModel, ctx.AtisAvailable);
    const SectionTable complete = SectionTable::Parse(
        ComposeSettingsText(ctx.Config, ctx.CurrentModel, ctx.ModelName, ctx.AtisAvailable));
    notes.missing = MissingSettings(table, complete);
    // Named only when the file stops before the sections the program writes last.
    if (!table.sections().empty() && !complete.sections().empty() &&
        !table.hasSection(complete.sections().back().name)) {
        notes.lastSection = table.sections().back().name;
    }
    return notes;
}

std::string SettingsNotesText(const std::filesystem::path &path, const SettingsFileNotes &notes) {
    std::string text = path.string() + ":";
    if (notes.missing > 0) {
        text += "\r\n" + std::to_string(notes.missing) +
                (notes.missing == 1 ? " setting is" : " settings are") + " missing from the file" +
                (notes.lastSection.empty() ? std::string() : " (it ends after [" + notes.lastSection + "])") +
                " and " + (notes.missing == 1 ? "keeps its default." : "keep their defaults.");
    }
    for (std::size_t i = 0; i < notes.refused.size() && i < kNotesShown; ++i) {
        text += "\r\n" + notes.refused[i] + "; the setting keeps its default.";
    }
    if (notes.refused.size() > kNotesShown) {
        text +=
            "\r\n... and " + std::to_string(notes.refused.size() - kNotesShown) + " more values not taken.";
    }
    return text;
}

bool ReadSettingsFile(AppContext &ctx, const std::filesystem::path &path, bool loadDestination,
                      const ResetHooks &hooks, FileNotes policy) {
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
    const SettingsFileNotes notes = NotesOnSettingsText(ctx, file.bytes);
    if (!notes.empty()) {
        ctx.ui.setBusyPointer(false);
        if (!NotesAccepted(ctx, path, notes, policy)) {
            return false;
        }
        ctx.ui.setBusyPointer(true);
    }
    const SectionTable table = SectionTable::Parse(file.bytes);
    ResetConfiguration(ctx, loadDestination, hooks);
    ApplySettingsTable(table, ctx.Config, ctx.CurrentModel, ctx.AtisAvailable);
    ctx.ui.pause(kReadPauseMs);
    ctx.ui.setBusyPointer(false);
    return true;
}

bool OpenSettingsFile(AppContext &ctx, const std::filesystem::path &path, bool loadDestination,
                      const ResetHooks &hooks, FileNotes notes) {
    if (!ReadSettingsFile(ctx, path, loadDestination, hooks, notes)) {
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
