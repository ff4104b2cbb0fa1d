#pragma once
// What klt-cli fleet shows while the radios are programmed: one line per radio (port, name, phase,
// percent) that redraws in place on a terminal, and plain lines as each radio changes phase otherwise;
// at the end the table of results.

#include "app/fleet_run.h"

#include <chrono>
#include <mutex>
#include <ostream>
#include <vector>

namespace klt::cli {

class FleetDisplay {
public:
    FleetDisplay(std::ostream &out, const std::vector<FleetRadio> &radios, bool redraw);

    // A radio's new state, from its thread.
    void update(std::size_t radio, const FleetRadioState &state);

private:
    std::string line(std::size_t radio) const;
    void draw();

    std::ostream &out_;
    const std::vector<FleetRadio> &radios_;
    bool redraw_;
    std::mutex lock_;
    std::vector<FleetRadioState> states_;
    bool drawn_ = false;
    std::chrono::steady_clock::time_point lastDraw_{};
};

// The table of results: radio, port, MMSI, result, time; verified: the writes were read back.
std::string FleetResultTable(const std::vector<FleetRadio> &radios,
                             const std::vector<FleetRadioState> &states, bool inventory, bool verified);

} // namespace klt::cli
