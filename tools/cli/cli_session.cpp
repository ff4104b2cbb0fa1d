#include "cli_session.h"

#include "app/destination_load.h"
#include "app/file_messages.h"
#include "app/hex_file_commands.h"
#include "app/model_state.h"
#include "app/program_folder.h"
#include "app/report_file.h"
#include "app/reset.h"
#include "app/settings_file_commands.h"
#include "files/atomic_write.h"
#include "model/model_catalogue.h"
#include "model/text_format.h"

#include <cctype>
#include <cstdlib>

namespace klt::cli {

namespace {

Model ParseModel(const ParsedArgs &args) {
    const auto text = args.value("--model");
    if (!text) {
        throw UsageError{"--model is required"};
    }
    long number = 0;
    const bool whole = ParseLeadingInt(*text, number) && std::to_string(number) == Trim(*text);
    const auto model = whole ? CatalogueModel(number) : std::nullopt;
    if (!model) {
        throw UsageError{"unknown model " + *text + " (" + ModelList() + ")"};
    }
    return *model;
}

} // namespace

std::string Extension(const std::string &path) {
    std::string extension = std::filesystem::path(path).extension().string();
    for (char &c : extension) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return extension;
}

std::string ModelList() {
    std::string list;
    for (const Model model : CatalogueModels()) {
        list += (list.empty() ? "" : ", ") + std::to_string(ModelNumber(model)) + " " + ModelName(model);
    }
    return list;
}

OptionTable ConfigurationOptions() {
    return {{"--model", "--program-folder", "--destination", "-o"},
            {"--no-destination", "--atis", "--no-atis"}};
}

std::unique_ptr<CliSession> OpenSession(const ParsedArgs &args) {
    const Model model = ParseModel(args);
    if (args.has("--destination") && args.has("--no-destination")) {
        throw UsageError{"--destination and --no-destination exclude each other"};
    }
    if (args.has("--atis") && args.has("--no-atis")) {
        throw UsageError{"--atis and --no-atis exclude each other"};
    }
    const auto explicitFolder = args.value("--program-folder");
    // A folder that is not there would silently give the memory without its destination.
    if (std::error_code error; explicitFolder && !std::filesystem::is_directory(*explicitFolder, error)) {
        throw UsageError{"--program-folder " + *explicitFolder + " is no folder"};
    }
    auto folder = LocateProgramFolder(explicitFolder ? std::optional<std::filesystem::path>(*explicitFolder)
                                                     : std::nullopt,
                                      std::getenv("KLT_PROGRAM_FOLDER"), ExecutableFolder());
    auto session = std::make_unique<CliSession>(std::move(folder));
    auto &ctx = session->ctx;
    SetCurrentModel(ctx, model);
    if (args.has("--atis") || args.has("--no-atis")) {
        ctx.AtisAvailable = args.has("--atis");
    }
    if (const auto destination = args.value("--destination")) {
        ctx.store.put("IniFilePath", StoredDestinationKey(model), *destination);
    }
    return session;
}

bool LoadsDestination(const ParsedArgs &args) {
    return !args.has("--no-destination");
}

bool DestinationTaken(CliSession &session, const ParsedArgs &args) {
    auto &ctx = session.ctx;
    if (args.has("--destination") && !ctx.Destinations.Checked) {
        ctx.ui.message(MessageIcon::Exclamation, "IniFileRead Error!!", ctx.TitleText);
        return false;
    }
    return true;
}

bool ResetForCli(CliSession &session, const ParsedArgs &args) {
    ResetConfiguration(session.ctx, LoadsDestination(args));
    return DestinationTaken(session, args);
}

bool LoadInput(CliSession &session, const ParsedArgs &args, const std::string &in) {
    auto &ctx = session.ctx;
    if (Extension(in) == ".dat") {
        // Reset first, as the window always stands reset: a file's missing settings are counted
        // against the channel plan the file will be read with.
        return ResetForCli(session, args) &&
               OpenSettingsFile(ctx, in, LoadsDestination(args), {}, FileNotes::Warn) &&
               DestinationTaken(session, args);
    }
    return ResetForCli(session, args) && OpenHexFile(ctx, in);
}

bool WriteOutput(CliSession &session, const std::string &out) {
    auto &ctx = session.ctx;
    const std::string extension = Extension(out);
    if (extension == ".dat") {
        return WriteSettingsFile(ctx, out);
    }
    if (extension == ".hex") {
        return SaveHexFile(ctx, out);
    }
    return SaveReportFile(ctx, out, CurrentReportText(ctx));
}

bool CheckOutput(CliSession &session, const std::string &out) {
    if (const auto fault = CheckWritable(out)) {
        auto &ctx = session.ctx;
        ctx.ui.message(MessageIcon::Exclamation, FileProblemText("FileSave Error!!", out, *fault),
                       ctx.TitleText);
        return false;
    }
    return true;
}

void RequireExtension(const std::string &path, std::initializer_list<std::string_view> extensions) {
    const std::string extension = Extension(path);
    std::string list;
    for (const auto candidate : extensions) {
        if (extension == candidate) {
            return;
        }
        list += (list.empty() ? "" : ", ") + std::string(candidate);
    }
    throw UsageError{path + " must end in " + list};
}

} // namespace klt::cli
