// klt-cli read, write and clear: the transfer flows over a serial device.

#include "app/backups.h"
#include "app/settings_file_commands.h"
#include "app/transfer_command.h"
#include "cli_session.h"
#include "files/hex_file.h"
#include "interrupt_watch.h"
#include "model/configuration_check.h"
#include "qt/qt_serial_port.h"
#include "verbs.h"

#include <QCoreApplication>

#include <array>
#include <chrono>
#include <iostream>

namespace klt::cli {

namespace {

struct Area {
    std::string_view name;
    Operation operation;
};

constexpr std::array<Area, 9> kAreas = {{
    {"mmsi", Operation::ClearMmsi},
    {"dsc-log", Operation::ClearDscLog},
    {"distress-log", Operation::ClearDistressLog},
    {"individual-directory", Operation::ClearIndividual},
    {"group-directory", Operation::ClearGroup},
    {"waypoint-directory", Operation::ClearWaypoint},
    {"dsc-tx-log", Operation::ClearDscTxLog},
    {"all", Operation::ClearAll},
    {"atis", Operation::ClearAtis},
}};

OptionTable LinkOptions() {
    OptionTable options = ConfigurationOptions();
    options.withValue.insert("--port");
    options.flags.insert({"--slow", "--debug", "--yes"});
    return options;
}

// Runs one operation on the device; true when it completed. A read leaves in received the memory as
// the radio sent it.
bool Transfer(CliSession &session, const ParsedArgs &args, Operation operation,
              RadioImage *received = nullptr) {
    InterruptWatch watch(session.ctx.Cancel);
    int argc = 1;
    char name[] = "klt-cli";
    char *argv[] = {name, nullptr};
    const QCoreApplication application(argc, argv);
    const std::string device = *args.value("--port");
    QtSerialPort port([device](int) { return device; });
    SteadyLinkClock clock;
    const Outcome outcome = RunTransferCommand(session.ctx, port, clock, operation,
                                               {!args.has("--no-verify"), !args.has("--force"), received});
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
        !Transfer(*session, args, Operation::Read, &received)) {
        return kExitFailed;
    }
    // The backup keeps the memory exactly as the radio sent it, the areas the program keeps of its own
    // included.
    if (!args.has("--no-backup")) {
        if (const auto kept = KeepBackup(BackupFolder(ctx.ProgramTitle), received, ctx.CurrentModel,
                                         std::chrono::system_clock::now())) {
            std::cerr << "backup: " << kept->string() << '\n';
        } else {
            std::cerr << "klt-cli read: the backup could not be written to " << BackupFolder(ctx.ProgramTitle)
                      << '\n';
        }
    }
    // The program's image after the read (the radio's memory but for the areas the program keeps of
    // its own), or its settings.
    if (Extension(*out) == ".dat") {
        return WriteSettingsFile(ctx, *out) ? kExitOk : kExitFailed;
    }
    if (const auto fault = WriteImageFile(*out, ctx.Image)) {
        ctx.ui.message(MessageIcon::Exclamation, "FileSave Error!!", ctx.TitleText);
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
            std::cerr << "klt-cli write: " << problem << '\n';
        }
        std::cerr << "klt-cli write: nothing was sent to the radio; --force programs it anyway\n";
        return kExitFailed;
    }
    return Transfer(*session, args, Operation::Program) ? kExitOk : kExitFailed;
}

int RunClear(const std::vector<std::string> &argv) {
    const ParsedArgs args = ParseArgs(argv, LinkOptions());
    if (args.positional.empty() || args.positional.size() > 2 || args.has("-o")) {
        throw UsageError{"AREA [IN] is required"};
    }
    const auto area = std::ranges::find(kAreas, args.positional[0], &Area::name);
    if (area == kAreas.end()) {
        throw UsageError{"unknown area " + args.positional[0]};
    }
    const Operation operation = area->operation;
    if (args.positional.size() == 2) {
        RequireExtension(args.positional[1], {".dat", ".hex"});
    }
    auto session = OpenLinkSession(args);
    const bool loaded = args.positional.size() == 2 ? LoadInput(*session, args, args.positional[1])
                                                    : ResetForCli(*session, args);
    return loaded && Transfer(*session, args, operation) ? kExitOk : kExitFailed;
}

} // namespace klt::cli
