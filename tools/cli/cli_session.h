#pragma once
// One run of a verb: the application context with the command line's user interface and an
// in-memory settings store, for the model the options name.

#include "app/app_context.h"
#include "cli_args.h"
#include "cli_ui.h"

#include <memory>

namespace klt::cli {

struct CliSession {
    CliUi ui;
    MemorySettingsStore store;
    AppContext ctx;

    explicit CliSession(std::filesystem::path programFolder) : ctx(ui, store, std::move(programFolder)) {}
};

// Options every verb that builds a configuration takes.
OptionSpec ConfigurationOptions();

// The session for --model and --program-folder; throws UsageError for a bad model.
std::unique_ptr<CliSession> OpenSession(const ParsedArgs &args);

// Resets the configuration as the program does at start: with the stored destination ("usa"), the one
// --destination names, or none with --no-destination. False (message shown) when the destination
// that --destination names could not be loaded.
bool ResetForCli(CliSession &session, const ParsedArgs &args);

std::string Extension(const std::string &path); // lower case, with the dot

} // namespace klt::cli
