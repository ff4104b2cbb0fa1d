#pragma once
// A fleet plan: the radios one base configuration programs, one row each in a spreadsheet file
// (docs/csv.md): the port each hangs on, a label, its own user MMSI and ATIS code, and names that
// differ from the base configuration's. A plan is checked whole before any radio is touched.

#include "model/fleet_radio.h"
#include "model/model_catalogue.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace klt {

struct FleetPlan {
    std::vector<FleetRadio> radios;
    // Why the plan is refused, naming its first bad row ("line 3 (BOAT 2): ..."); nothing when good.
    std::optional<std::string> problem;
};

// The plan for the base configuration of a model; atis: this installation gives the model ATIS.
// inventory: the radios are only read, so a row needs no MMSI and no configuration is checked.
FleetPlan ReadFleetPlan(std::string_view text, const Configuration &base, Model model, bool atis,
                        bool inventory = false);

} // namespace klt
