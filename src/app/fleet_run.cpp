#include "app/fleet_run.h"

#include "app/backups.h"
#include "app/transfer_command.h"
#include "base/error_log.h"
#include "base/ui.h"
#include "link/radio_link.h"
#include "link/transfer_flows.h"
#include "model/image_mapping.h"
#include "model/number_rules.h"

#include <mutex>
#include <thread>

namespace klt {

namespace {

// One radio's user interface: what the link says becomes the radio's state; nobody is there to ask.
class FleetRadioUi final : public Ui {
public:
    FleetRadioUi(std::function<void(const FleetRadioState &)> report, LinkClock &clock, bool force)
        : report_(std::move(report)), clock_(clock), force_(force) {}

    void enter(FleetPhase phase) {
        state_.phase = phase;
        state_.percent = 0;
        report_(state_);
    }
    FleetRadioState &state() { return state_; }
    bool skipped() const { return skipped_; }

    void message(MessageIcon icon, const std::string &text, const std::string &) override {
        // "Complete!!" and its notes are the success the phase reports; the rest says what went wrong.
        if (icon != MessageIcon::Information && icon != MessageIcon::None) {
            state_.reason = OneLine(text);
        }
    }
    Answer question(MessageIcon, const std::string &text, const std::string &, Buttons buttons) override {
        // The one question a fleet's write asks: the radio holds another user MMSI.
        if (buttons == Buttons::YesNoDefaultNo) {
            if (force_) {
                return Answer::Yes;
            }
            skipped_ = true;
            state_.reason = OneLine(text);
            return Answer::No;
        }
        state_.reason = OneLine(text);
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
    void progress(int percent) override {
        // A write's read-back starts again from 0 after the write reached its end.
        if (state_.phase == FleetPhase::Programming && percent + 50 < state_.percent) {
            state_.phase = FleetPhase::Verifying;
        }
        if (percent != state_.percent) {
            state_.percent = percent;
            report_(state_);
        }
    }
    void monitor(const std::string &) override {}
    void setBusyPointer(bool) override {}
    // The radio's timing waits on the radio's own clock.
    void sleep(int milliseconds) override { clock_.sleepFor(std::chrono::milliseconds(milliseconds)); }
    void pause(int) override {}

private:
    static std::string OneLine(std::string text) {
        for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) {
            text.replace(at, 2, " ");
        }
        return text;
    }

    std::function<void(const FleetRadioState &)> report_;
    LinkClock &clock_;
    bool force_;
    FleetRadioState state_;
    bool skipped_ = false;
};

struct RadioRun {
    const FleetJob &job;
    const FleetServices &services;
    CancelRequest &cancel;
    std::mutex &backups; // two radios keeping their backups in one second must not pick one name
};

FleetPhase Ended(Outcome outcome, const FleetRadioUi &ui) {
    if (outcome == Outcome::Done) {
        return FleetPhase::Done;
    }
    if (ui.skipped()) {
        return FleetPhase::Skipped;
    }
    return outcome == Outcome::Cancelled ? FleetPhase::Cancelled : FleetPhase::Failed;
}

// Reads the radio and keeps what it holds; Done when the backup is on disk.
Outcome ReadAndKeep(const RadioRun &run, RadioLink &link, FleetRadioUi &ui) {
    ui.enter(FleetPhase::Reading);
    RadioImage image = run.job.baseImage;
    Configuration config = run.job.base;
    RadioImage received;
    const Outcome read = RunTransfer(link, Operation::Read, {image, config, run.job.model, {}, &received});
    if (read != Outcome::Done) {
        return read;
    }
    ui.state().heldMmsi = config.DscBasic.UserMmsi;
    const std::lock_guard lock(run.backups);
    ui.state().backup =
        KeepBackup(run.job.backupFolder, received, run.job.model, std::chrono::system_clock::now());
    if (!ui.state().backup) {
        ui.state().reason = "the backup could not be written to " + BackupPlaceText(run.job.backupFolder) +
                            ": the radio was left as it was";
        return Outcome::Failed;
    }
    return Outcome::Done;
}

FleetRadioState RunRadio(const RadioRun &run, std::size_t index) {
    const auto started = std::chrono::steady_clock::now();
    const FleetRadio &radio = run.job.radios[index];
    const FleetLine line = run.services.openLine(radio.port);
    FleetRadioUi ui([&run, index](const FleetRadioState &state) { run.services.report(index, state); },
                    *line.clock, run.job.force);
    LinkSettings settings;
    settings.slowLink = run.job.slowLink;
    settings.byDevice = true;
    RadioLink link(*line.port, ui, *line.clock, run.cancel, ErrorLog(), settings);
    Outcome outcome = ReadAndKeep(run, link, ui);
    if (outcome == Outcome::Done && !run.job.inventory) {
        ui.enter(FleetPhase::Programming);
        Configuration config = FleetRadioConfiguration(run.job.base, radio);
        RadioImage image = run.job.baseImage;
        outcome = RunTransfer(
            link, Operation::Program,
            {image, config, run.job.model,
             MakeWriteCheck(config, run.job.model, run.job.modelName, run.job.atis, run.job.verify, true)});
    }
    FleetRadioState &state = ui.state();
    state.phase = Ended(outcome, ui);
    state.percent = outcome == Outcome::Done ? 100 : state.percent;
    if (state.phase == FleetPhase::Skipped) {
        // The question the link would ask, answered: what the radio holds and what the plan gives.
        state.reason = "left as it was: it holds the MMSI " + MmsiForPeople(state.heldMmsi) +
                       ", the plan gives " + MmsiForPeople(radio.userMmsi);
    }
    state.time =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
    run.services.report(index, state);
    return state;
}

} // namespace

const char *FleetPhaseText(FleetPhase phase) {
    switch (phase) {
    case FleetPhase::Waiting:
        return "waiting";
    case FleetPhase::Reading:
        return "reading";
    case FleetPhase::Programming:
        return "programming";
    case FleetPhase::Verifying:
        return "verifying";
    case FleetPhase::Done:
        return "done";
    case FleetPhase::Failed:
        return "failed";
    case FleetPhase::Cancelled:
        return "cancelled";
    case FleetPhase::Skipped:
        return "skipped";
    }
    return "";
}

bool FleetPhaseFinal(FleetPhase phase) {
    return phase == FleetPhase::Done || phase == FleetPhase::Failed || phase == FleetPhase::Cancelled ||
           phase == FleetPhase::Skipped;
}

void RunOnStandardThreads(const std::vector<std::function<void()>> &work) {
    std::vector<std::jthread> threads;
    threads.reserve(work.size());
    for (const auto &each : work) {
        threads.emplace_back(each);
    }
}

std::vector<FleetRadioState> RunFleet(const FleetJob &job, const FleetServices &services,
                                      CancelRequest &cancel) {
    std::vector<FleetRadioState> states(job.radios.size());
    std::mutex backups;
    const RadioRun run{job, services, cancel, backups};
    std::vector<std::function<void()>> work;
    for (std::size_t i = 0; i < job.radios.size(); ++i) {
        work.emplace_back([&run, &states, i] { states[i] = RunRadio(run, i); });
    }
    services.runAtOnce(work);
    return states;
}

} // namespace klt
