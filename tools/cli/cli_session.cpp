#include "cli_session.h"

#include "app/destination_load.h"
#include "app/model_state.h"
#include "app/program_folder.h"
#include "app/reset.h"
#include "model/model_catalogue.h"
#include "model/text_format.h"

#include <cctype>
#include <cstdlib>

namespace klt::cli {

OptionSpec ConfigurationOptions() {
    return {{"--model", "--program-folder", "--destination", "-o"}, {"--no-destination"}};
}

std::unique_ptr<CliSession> OpenSession(const ParsedArgs &args) {
    const auto modelText = args.value("--model");
    if (!modelText) {
        throw UsageError{"--model is required"};
    }
    long model = 0;
    if (!ParseLeadingInt(*modelText, model) || std::to_string(model) != Trim(*modelText) ||
        !ModelCode(static_cast<int>(model))) {
        throw UsageError{"unknown model " + *modelText +
                         " (1 TQ-300, 2 TQ-400E/TQ-450, 3 TQ-500, 11 TQ-300M)"};
    }
    const auto explicitFolder = args.value("--program-folder");
    auto folder = LocateProgramFolder(explicitFolder ? std::optional<std::filesystem::path>(*explicitFolder)
                                                     : std::nullopt,
                                      std::getenv("KLT_PROGRAM_FOLDER"), ExecutableFolder());
    auto session = std::make_unique<CliSession>(std::move(folder));
    SetCurrentModel(session->ctx, static_cast<int>(model));
    return session;
}

bool ResetForCli(CliSession &session, const ParsedArgs &args) {
    auto &ctx = session.ctx;
    const auto destination = args.value("--destination");
    if (destination && args.has("--no-destination")) {
        throw UsageError{"--destination and --no-destination exclude each other"};
    }
    if (destination) {
        ctx.store.put("IniFilePath", StoredDestinationKey(ctx.CurrentModel), *destination);
    }
    const auto load = ResetConfiguration(ctx, !args.has("--no-destination"));
    if (destination && !load.loaded) {
        ctx.ui.message(MessageIcon::Exclamation, "IniFileRead Error!!", ctx.TitleText);
        return false;
    }
    return true;
}

std::string Extension(const std::string &path) {
    std::string extension = std::filesystem::path(path).extension().string();
    for (char &c : extension) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return extension;
}

} // namespace klt::cli
