// klt-cli read, write and clear: the transfer flows over a serial device.

#include "cli_session.h"
#include "files/atomic_write.h"
#include "files/settings_writer.h"
#include "link/clear_operations.h"
#include "link/qt_serial_port.h"
#include "link/transfer_flows.h"
#include "verbs.h"

#include <QCoreApplication>

#include <array>
#include <iostream>

namespace klt::cli {

namespace {

constexpr std::array<std::string_view, 9> kAreas = {
    "mmsi",       "dsc-log", "distress-log", "individual-directory", "group-directory", "waypoint-directory",
    "dsc-tx-log", "all",     "atis"};

OptionSpec LinkOptions() {
    OptionSpec spec = ConfigurationOptions();
    spec.withValue.insert("--port");
    spec.flags.insert({"--slow", "--debug", "--yes"});
    return spec;
}

// Runs one operation on the device; true when it completed.
bool Transfer(CliSession &session, const ParsedArgs &args, int operation) {
    int argc = 1;
    char name[] = "klt-cli";
    char *argv[] = {name, nullptr};
    const QCoreApplication application(argc, argv);
    const std::string device = *args.value("--port");
    QtSerialPort port([device](int) { return device; });
    SteadyLinkClock clock;
    RadioLink link(session.ctx, port, clock);
    session.ctx.Link.TransferDone = false;
    RunTransfer(link, operation);
    return session.ctx.Link.TransferDone;
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

std::string ImageBytes(const RadioImage &image) {
    return {reinterpret_cast<const char *>(image.bytes().data()), image.bytes().size()};
}

} // namespace

int RunRead(const std::vector<std::string> &argv) {
    const ParsedArgs args = ParseArgs(argv, LinkOptions());
    const auto out = args.value("-o");
    if (!out || !args.positional.empty()) {
        throw UsageError{"-o OUT is required"};
    }
    RequireExtension(*out, {".hex", ".dat"});
    auto session = OpenLinkSession(args);
    auto &ctx = session->ctx;
    if (!ResetForCli(*session, args) || !Transfer(*session, args, kOperationRead)) {
        return kExitFailed;
    }
    // The image exactly as the radio gave it, or its settings.
    if (std::filesystem::path(*out).extension() == ".dat") {
        return WriteSettingsFile(ctx, *out) ? kExitOk : kExitFailed;
    }
    if (const auto fault = WriteFileAtomically(*out, ImageBytes(ctx.Image))) {
        ctx.ui.message(MessageIcon::Exclamation, "FileSave Error!!", ctx.TitleText);
        return kExitFailed;
    }
    return kExitOk;
}

int RunWrite(const std::vector<std::string> &argv) {
    const ParsedArgs args = ParseArgs(argv, LinkOptions());
    if (args.positional.size() != 1 || args.has("-o")) {
        throw UsageError{"one IN is required"};
    }
    RequireExtension(args.positional[0], {".dat", ".hex"});
    auto session = OpenLinkSession(args);
    if (!LoadInput(*session, args, args.positional[0])) {
        return kExitFailed;
    }
    return Transfer(*session, args, kOperationProgram) ? kExitOk : kExitFailed;
}

int RunClear(const std::vector<std::string> &argv) {
    const ParsedArgs args = ParseArgs(argv, LinkOptions());
    if (args.positional.empty() || args.positional.size() > 2 || args.has("-o")) {
        throw UsageError{"AREA [IN] is required"};
    }
    const auto area = std::ranges::find(kAreas, args.positional[0]);
    if (area == kAreas.end()) {
        throw UsageError{"unknown area " + args.positional[0]};
    }
    const int operation = kOperationClearMmsi + static_cast<int>(area - kAreas.begin());
    if (args.positional.size() == 2) {
        RequireExtension(args.positional[1], {".dat", ".hex"});
    }
    auto session = OpenLinkSession(args);
    const bool loaded = args.positional.size() == 2 ? LoadInput(*session, args, args.positional[1])
                                                    : ResetForCli(*session, args);
    return loaded && Transfer(*session, args, operation) ? kExitOk : kExitFailed;
}

} // namespace klt::cli
