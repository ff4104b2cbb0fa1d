#pragma once
// Programming a fleet: every radio of a plan at once, each on a thread of its own with its own port.
// Each radio's memory is read and kept among the backups first; then it gets the base configuration
// with its own identity and names, written with the identity check and read back. A radio that fails
// never stops the others; the one cancel request stops them all, each with the abort its step owes.

#include "base/cancel_request.h"
#include "link/link_clock.h"
#include "link/serial_port.h"
#include "model/fleet_radio.h"
#include "model/model_catalogue.h"
#include "model/radio_image.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace klt {

enum class FleetPhase { Waiting, Reading, Programming, Verifying, Done, Failed, Cancelled, Skipped };

// "reading", "programming", ...: the words of the progress lines and the result table.
const char *FleetPhaseText(FleetPhase phase);
bool FleetPhaseFinal(FleetPhase phase);

struct FleetRadioState {
    FleetPhase phase = FleetPhase::Waiting;
    int percent = 0;
    std::string reason; // why it failed, was skipped or cancelled, in the link's words
    std::chrono::milliseconds time{};
    std::optional<std::filesystem::path> backup; // the read kept before the radio was changed
    std::string heldMmsi; // the user MMSI the radio held when it was read (stored form), or empty
};

struct FleetJob {
    Model model = Model::None;
    std::string modelName;
    bool atis = false; // this installation gives the model ATIS
    Configuration base;
    RadioImage baseImage; // the image the base configuration came with (the areas the program keeps)
    std::vector<FleetRadio> radios;
    bool inventory = false; // read every radio into the backups, change none
    bool verify = true;
    bool force = false; // program a radio that holds another user MMSI
    bool slowLink = false;
    std::filesystem::path backupFolder;
};

// A radio's line: the system's port for a plan's port ("/dev/ttyUSB0", "COM5") and the clock of its
// deadlines, used on that radio's thread only.
struct FleetLine {
    std::unique_ptr<SerialPort> port;
    std::unique_ptr<LinkClock> clock;
};

// Runs every piece of work at once, each on a thread of its own, and returns when all are done.
using RunAtOnce = std::function<void(const std::vector<std::function<void()>> &work)>;

// The standard library's threads.
void RunOnStandardThreads(const std::vector<std::function<void()>> &work);

struct FleetServices {
    std::function<FleetLine(const std::string &port)> openLine;
    // The threads the radios run on: the system's ports may want threads of their own kind (Qt's do).
    RunAtOnce runAtOnce = RunOnStandardThreads;
    // Each change of a radio's state, called from that radio's thread.
    std::function<void(std::size_t radio, const FleetRadioState &state)> report;
};

// Runs the job; the final state of each radio, in the plan's order.
std::vector<FleetRadioState> RunFleet(const FleetJob &job, const FleetServices &services,
                                      CancelRequest &cancel);

} // namespace klt
