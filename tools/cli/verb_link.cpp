// klt-cli read, write and clear: the transfer flows over a serial device.

#include "app/backups.h"
#include "app/file_messages.h"
#include "app/settings_file_commands.h"
#include "app/transfer_command.h"
#include "cli_session.h"
#include "files/hex_file.h"
#include "interrupt_watch.h"
#include "model/configuration_check.h"
#include "system_port.h"
#include "terminal_text.h"
#include "verbs.h"

#include <array>
#include <chrono>
#include <iostream>

namespace klt::cli {

namespace {

OptionTable LinkOptions() {
    OptionTable options = ConfigurationOptions();
    options.withValue.insert("--port");
    options.flags.insert({"--slow", "--debug", "--yes"});
    return options;
}

// Runs one operation on the device; true when it completed. A read leaves in options.received the
// memory as the radio sent it.
bool Transfer(CliSession &session, const ParsedArgs &args, Operation operation,
              TransferOptions options = {}) {
    InterruptWatch watch(session.ctx.Cancel);
    const auto ports = MakeSystemPorts();
    const auto port = ports->port(*args.value("--port"));
    SteadyLinkClock clock;
    options.verify = !args.has("--no-verify");
    options.identity = !args.has("--force");
    const Outcome outcome = RunTransferCommand(session.ctx, *port, clock, operation, options);
    if (outcome == Outcome::Cancelled) {
        session.ui.message(MessageIcon::Warning, "Cancelled.", OperationCaption(operation));
    }
    return outcome == Outcome::Done;
}

std::unique_ptr<CliSession> OpenLinkSession(const ParsedArgs &args) {
    if (!args.value("--port")) {
        throw UsageError{"--port DEVICE is required"};
    }
    auto session = OpenSession(args);
    session->ctx.SlowLinkMode = args.has("--slow");
    session->ctx.DebugMode = args.has("--debug");
    session->ui.setAnswerYes(args.has("--yes"));
    return session;
}

} // namespace

int RunRead(const std::vector<std::string> &argv) {
    OptionTable options = LinkOptions();
    options.flags.insert("--no-backup");
    const ParsedArgs args = ParseArgs(argv, options);
    const auto out = args.value("-o");
    if (!out || !args.positional.empty()) {
        throw UsageError{"-o OUT is required"};
    }
    RequireExtension(*out, {".hex", ".dat"});
    auto session = OpenLinkSession(args);
    auto &ctx = session->ctx;
    RadioImage received;
    if (!CheckOutput(*session, *out) || !ResetForCli(*session, args) ||
        !Transfer(*session, args, Operation::Read, {.received = &received})) {
        return kExitFailed;
    }
    // The backup keeps the memory exactly as the radio sent it, the areas the program keeps of its own
    // included.
    if (!args.has("--no-backup")) {
        if (const auto kept = KeepBackup(BackupFolder(ctx.ProgramTitle), received, ctx.CurrentModel,
                                         std::chrono::system_clock::now())) {
            std::cerr << "backup: " << Printable(kept->string()) << '\n';
        } else {
            std::cerr << "klt-cli read: the backup could not be written to "
                      << BackupPlaceText(BackupFolder(ctx.ProgramTitle)) << '\n';
        }
    }
    // The program's image after the read (the radio's memory but for the areas the program keeps of
    // its own), or its settings.
    if (Extension(*out) == ".dat") {
        return WriteSettingsFile(ctx, *out) ? kExitOk : kExitFailed;
    }
    if (const auto fault = WriteImageFile(*out, ctx.Image)) {
        ctx.ui.message(MessageIcon::Exclamation, FileProblemText("FileSave Error!!", *out, *fault),
                       ctx.TitleText);
        return kExitFailed;
    }
    return kExitOk;
}

int RunWrite(const std::vector<std::string> &argv) {
    OptionTable options = LinkOptions();
    options.flags.insert({"--force", "--no-verify"});
    const ParsedArgs args = ParseArgs(argv, options);
    if (args.positional.size() != 1 || args.has("-o")) {
        throw UsageError{"one IN is required"};
    }
    RequireExtension(args.positional[0], {".dat", ".hex"});
    auto session = OpenLinkSession(args);
    if (!LoadInput(*session, args, args.positional[0])) {
        return kExitFailed;
    }
    const auto &ctx = session->ctx;
    if (const auto problems = CheckConfiguration(ctx.Config, ctx.CurrentModel, ctx.AtisAvailable);
        !problems.empty() && !args.has("--force")) {
        for (const auto &problem : problems) {
            std::cerr << "klt-cli write: " << Printable(problem) << '\n';
        }
        std::cerr << "klt-cli write: nothing was sent to the radio; --force programs it anyway\n";
        return kExitFailed;
    }
    return Transfer(*session, args, Operation::Program) ? kExitOk : kExitFailed;
}

int RunClear(const std::vector<std::string> &argv) {
    OptionTable table = LinkOptions();
    table.flags.insert("--no-backup");
    const ParsedArgs args = ParseArgs(argv, table);
    if (args.positional.empty() || args.positional.size() > 2 || args.has("-o")) {
        throw UsageError{"AREA [IN] is required"};
    }
    const auto area = ClearNamed(args.positional[0]);
    if (!area) {
        throw UsageError{"unknown area " + args.positional[0]};
    }
    const Operation operation = *area;
    if (args.positional.size() == 2) {
        RequireExtension(args.positional[1], {".dat", ".hex"});
    }
    auto session = OpenLinkSession(args);
    const bool loaded = args.positional.size() == 2 ? LoadInput(*session, args, args.positional[1])
                                                    : ResetForCli(*session, args);
    TransferOptions options;
    // What the clear erases is kept first, unless told not to; a backup that fails stops the clear.
    if (!args.has("--no-backup")) {
        options.keepBeforeClear = [&session, operation](const RadioImage &backup) {
            const auto kept = KeepBackupBeforeClear(session->ctx, operation, backup);
            if (kept) {
                std::cerr << "backup: " << Printable(kept->string()) << '\n';
            } else {
                std::cerr << "klt-cli clear: the backup could not be written to "
                          << BackupPlaceText(BackupFolder(session->ctx.ProgramTitle)) << '\n';
            }
            return kept.has_value();
        };
    }
    return loaded && Transfer(*session, args, operation, std::move(options)) ? kExitOk : kExitFailed;
}

int RunRestore(const std::vector<std::string> &argv) {
    OptionTable options = LinkOptions();
    options.flags.insert({"--force", "--no-verify"});
    const ParsedArgs args = ParseArgs(argv, options);
    if (args.positional.size() != 1 || args.has("-o")) {
        throw UsageError{"one BACKUP is required"};
    }
    const std::filesystem::path path = args.positional[0];
    const auto backup = DescribeBackup(path);
    if (!backup) {
        throw UsageError{"not a backup of this program: " + path.string()};
    }
    auto session = OpenLinkSession(args);
    if (!ResetForCli(*session, args) || !LoadInput(*session, args, path.string())) {
        return kExitFailed;
    }
    // Asked first, No the default: the command line restores only with --force.
    const std::string what = backup->beforeClear
                                 ? "Put back what " + OperationCaption(*backup->beforeClear) +
                                       " erased, from the backup of " + backup->date + "?"
                                 : "Program the radio with the backup of " + backup->date + "?";
    if (!args.has("--force")) {
        std::cerr << "Restore: " << what << "\n";
        std::cerr << "klt-cli restore: nothing was sent to the radio; --force restores it\n";
        return kExitFailed;
    }
    if (backup->beforeClear) {
        return Transfer(*session, args, *backup->beforeClear, {.restoreCleared = true}) ? kExitOk
                                                                                        : kExitFailed;
    }
    return Transfer(*session, args, Operation::Program) ? kExitOk : kExitFailed;
}

} // namespace klt::cli
