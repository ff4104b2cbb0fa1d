// klt-cli fleet: one base configuration into every radio of a plan at once, each with its own identity,
// each read and kept first and read back after; --read keeps every radio's memory, --dry-run says what
// each would get.

#include "app/backups.h"
#include "app/fleet_run.h"
#include "cli_session.h"
#include "files/fleet_plan.h"
#include "files/whole_file.h"
#include "fleet_display.h"
#include "interrupt_watch.h"
#include "model/maritime_identity.h"
#include "model/number_rules.h"
#include "model/reference_tables.h"
#include "model/text_format.h"
#include "system_port.h"
#include "terminal_text.h"
#include "verbs.h"

#include <algorithm>
#include <filesystem>
#include <iostream>

namespace klt::cli {

namespace {

// What --dry-run prints of one radio: its identity and the names it gets.
std::string PlannedRadio(const FleetRadio &radio, const Configuration &base) {
    std::string text = Printable(radio.name) + " on " + Printable(radio.port) + ": MMSI " +
                       MmsiWithCountry(MmsiForPeople(radio.userMmsi));
    if (!radio.atisCode.empty()) {
        text += ", ATIS code " + radio.atisCode;
    }
    std::error_code error;
    if (radio.port.starts_with('/') && !std::filesystem::exists(radio.port, error)) {
        text += " (there is no such device now)";
    }
    for (const FleetName &name : radio.names) {
        const std::string what =
            name.group < 0
                ? "station " + std::to_string(name.index + 1)
                : std::string(name.group == 0   ? "USA"
                              : name.group == 1 ? "INT"
                                                : "CAN") +
                      " channel " +
                      BuildMasterChannelList()[static_cast<std::size_t>(
                                                   PlanTable(base, name.group)[name.index].Position)]
                          .Label;
        text += ", " + what + " \"" + Printable(Utf8FromLatin1(name.latin1)) + "\"";
    }
    return text;
}

std::optional<FleetPlan> LoadPlan(const CliSession &session, const std::string &path, bool inventory) {
    const WholeFile file = ReadWholeFile(path);
    if (file.fault) {
        std::cerr << "klt-cli fleet: cannot read " << Printable(path) << ": "
                  << Printable(ReasonText(*file.fault)) << "\nklt-cli fleet: no radio was touched\n";
        return std::nullopt;
    }
    const auto &ctx = session.ctx;
    FleetPlan plan = ReadFleetPlan(file.bytes, ctx.Config, ctx.CurrentModel, ctx.AtisAvailable, inventory);
    if (plan.problem) {
        std::cerr << "klt-cli fleet: " << Printable(path) << ": " << Printable(*plan.problem)
                  << "\nklt-cli fleet: no radio was touched\n";
        return std::nullopt;
    }
    return plan;
}

FleetJob JobOf(const CliSession &session, const ParsedArgs &args, std::vector<FleetRadio> radios) {
    const auto &ctx = session.ctx;
    FleetJob job;
    job.model = ctx.CurrentModel;
    job.modelName = ctx.ModelName;
    job.atis = ctx.AtisAvailable;
    job.base = ctx.Config;
    job.baseImage = ctx.Image;
    job.radios = std::move(radios);
    job.inventory = args.has("--read");
    job.verify = !args.has("--no-verify");
    job.force = args.has("--force");
    job.slowLink = args.has("--slow");
    job.backupFolder = BackupFolder(ctx.ProgramTitle);
    return job;
}

} // namespace

int RunFleet(const std::vector<std::string> &argv) {
    OptionTable options = ConfigurationOptions();
    options.withValue.insert("--plan");
    options.flags.insert({"--read", "--dry-run", "--force", "--no-verify", "--slow"});
    const ParsedArgs args = ParseArgs(argv, options);
    const auto planPath = args.value("--plan");
    if (!planPath || args.has("-o") || args.positional.size() > 1 ||
        (args.positional.empty() && !args.has("--read"))) {
        throw UsageError{"--plan PLAN.csv and BASE are required (BASE only without --read)"};
    }
    if (!args.positional.empty()) {
        RequireExtension(args.positional[0], {".dat", ".hex"});
    }
    auto session = OpenSession(args);
    if (!(args.positional.empty() ? ResetForCli(*session, args)
                                  : LoadInput(*session, args, args.positional[0]))) {
        return kExitFailed;
    }
    const auto plan = LoadPlan(*session, *planPath, args.has("--read"));
    if (!plan) {
        return kExitFailed;
    }
    if (args.has("--dry-run")) {
        for (const FleetRadio &radio : plan->radios) {
            std::cout << (args.has("--read") ? Printable(radio.name) + " on " + Printable(radio.port) +
                                                   ": read and kept among the backups, nothing changed"
                                             : PlannedRadio(radio, session->ctx.Config))
                      << '\n';
        }
        return StandardOutputWritten("fleet") ? kExitOk : kExitFailed;
    }
    const FleetJob job = JobOf(*session, args, plan->radios);
    // Ctrl+C cancels every radio at once; the watch comes before any thread.
    InterruptWatch watch(session->ctx.Cancel);
    const auto ports = MakeSystemPorts();
    FleetDisplay display(std::cerr, job.radios, StandardErrorIsTerminal() && !kPlainTerminal);
    FleetServices services;
    services.openLine = [&ports](const std::string &port) {
        return FleetLine{ports->port(port), std::make_unique<SteadyLinkClock>()};
    };
    services.runAtOnce = [&ports](const std::vector<std::function<void()>> &work) { ports->runAtOnce(work); };
    services.report = [&display](std::size_t radio, const FleetRadioState &state) {
        display.update(radio, state);
    };
    const auto states = klt::RunFleet(job, services, session->ctx.Cancel);
    for (std::size_t i = 0; i < states.size(); ++i) {
        if (states[i].backup) {
            std::cerr << "backup of " << Printable(job.radios[i].name) << ": "
                      << Printable(states[i].backup->string()) << '\n';
        }
    }
    std::cout << FleetResultTable(job.radios, states, job.inventory, job.verify);
    const bool all = std::all_of(states.begin(), states.end(), [](const FleetRadioState &state) {
        return state.phase == FleetPhase::Done;
    });
    return StandardOutputWritten("fleet") && all ? kExitOk : kExitFailed;
}

} // namespace klt::cli
