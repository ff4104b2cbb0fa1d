#include "fleet_display.h"

#include "model/number_rules.h"
#include "terminal_text.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace klt::cli {

namespace {

constexpr auto kRedrawEvery = std::chrono::milliseconds(100);

std::string Padded(std::string text, std::size_t width) {
    text.resize(std::max(text.size(), width), ' ');
    return text;
}

std::string Seconds(std::chrono::milliseconds time) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f s", static_cast<double>(time.count()) / 1000.0);
    return text;
}

std::string Result(const FleetRadioState &state, bool inventory, bool verified) {
    switch (state.phase) {
    case FleetPhase::Done:
        return inventory ? "read and kept" : verified ? "programmed and verified" : "programmed";
    case FleetPhase::Failed:
        return "failed: " + state.reason;
    case FleetPhase::Skipped:
        return "skipped: " + state.reason;
    case FleetPhase::Cancelled:
        return state.reason.empty() ? "cancelled" : "cancelled: " + state.reason;
    default:
        return FleetPhaseText(state.phase);
    }
}

} // namespace

FleetDisplay::FleetDisplay(std::ostream &out, const std::vector<FleetRadio> &radios, bool redraw)
    : out_(out), radios_(radios), redraw_(redraw), states_(radios.size()) {}

std::string FleetDisplay::line(std::size_t radio) const {
    const FleetRadioState &state = states_[radio];
    return Padded(Printable(radios_[radio].port), 14) + " " + Padded(Printable(radios_[radio].name), 12) +
           " " + Padded(FleetPhaseText(state.phase), 11) + " " + std::to_string(state.percent) + "%";
}

void FleetDisplay::update(std::size_t radio, const FleetRadioState &state) {
    const std::lock_guard guard(lock_);
    const bool phaseChanged = state.phase != states_[radio].phase;
    // Plain lines at each phase and each quarter of it.
    const bool quarterPassed = state.percent / 25 != states_[radio].percent / 25;
    states_[radio] = state;
    if (!redraw_) {
        if (phaseChanged || quarterPassed) {
            out_ << line(radio) << '\n' << std::flush;
        }
        return;
    }
    const auto now = std::chrono::steady_clock::now();
    if (phaseChanged || now - lastDraw_ >= kRedrawEvery) {
        lastDraw_ = now;
        draw();
    }
}

void FleetDisplay::draw() {
    // Back to the first radio's line, each line written again over its old self.
    if (drawn_) {
        out_ << "\x1b[" << radios_.size() << 'A';
    }
    for (std::size_t radio = 0; radio < radios_.size(); ++radio) {
        out_ << '\r' << line(radio) << "\x1b[K\n";
    }
    out_ << std::flush;
    drawn_ = true;
}

std::string FleetResultTable(const std::vector<FleetRadio> &radios,
                             const std::vector<FleetRadioState> &states, bool inventory, bool verified) {
    std::vector<std::array<std::string, 5>> rows = {{"Radio", "Port", "MMSI", "Result", "Time"}};
    for (std::size_t i = 0; i < radios.size(); ++i) {
        rows.push_back({Printable(radios[i].name), Printable(radios[i].port),
                        MmsiForPeople(radios[i].userMmsi), Printable(Result(states[i], inventory, verified)),
                        Seconds(states[i].time)});
    }
    std::array<std::size_t, 4> widths{};
    for (const auto &row : rows) {
        for (std::size_t column = 0; column < widths.size(); ++column) {
            widths[column] = std::max(widths[column], row[column].size());
        }
    }
    std::string table;
    for (const auto &row : rows) {
        for (std::size_t column = 0; column < widths.size(); ++column) {
            table += Padded(row[column], widths[column]) + "  ";
        }
        table += row[4] + "\n";
    }
    return table;
}

} // namespace klt::cli
