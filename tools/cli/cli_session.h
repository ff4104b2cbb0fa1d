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

// The catalogue's models as "1 TQ-300, 2 ...", for usage texts.
std::string ModelList();

// Options every verb that builds a configuration takes.
OptionTable ConfigurationOptions();

// The session for --model, --program-folder and --atis/--no-atis, with the destination the options
// choose stored; throws UsageError for options that do not fit.
std::unique_ptr<CliSession> OpenSession(const ParsedArgs &args);

// Whether a reset loads a destination at all (not with --no-destination).
bool LoadsDestination(const ParsedArgs &args);

// Resets the configuration as the program does at start. False (message shown) when a destination
// that --destination names could not be loaded.
bool ResetForCli(CliSession &session, const ParsedArgs &args);

// After any reset: false (message shown) when --destination named a destination that was not loaded.
bool DestinationTaken(CliSession &session, const ParsedArgs &args);

// Reads IN by its extension (".dat" as File > Open, ".hex" as the hex open on top of a reset).
// False when the program refused it (its message shown).
bool LoadInput(CliSession &session, const ParsedArgs &args, const std::string &in);

// Writes OUT by its extension: ".dat" settings file, ".hex" image, ".txt" report text.
bool WriteOutput(CliSession &session, const std::string &out);

// The extension of a path in lower case: ".dat" for "X.DAT".
std::string Extension(const std::string &path);

// False (message shown) when OUT could not be written: checked before a long transfer, so that the
// radio is not read for nothing.
bool CheckOutput(CliSession &session, const std::string &out);

// Throws UsageError unless the path ends in one of the extensions, in any case.
void RequireExtension(const std::string &path, std::initializer_list<std::string_view> extensions);

} // namespace klt::cli
