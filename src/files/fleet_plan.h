#pragma once
// A fleet plan: the radios one base configuration programs, one row each in a spreadsheet file
// (docs/csv.md): the port each hangs on, a label, its own user MMSI and ATIS code, and names that
// differ from the base configuration's. A plan is checked whole before any radio is touched.

#include "model/model_catalogue.h"
#include "model/records.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace klt {

// A name of one radio that differs from the base configuration's: an individual directory entry's
// (group -1) or a plan channel's (group 0 to 2).
struct FleetName {
    int group = -1;
    std::size_t index = 0; // the entry or the channel's row in its group's table
    std::string latin1;

    bool operator==(const FleetName &) const = default;
};

struct FleetRadio {
    int line = 0;         // the plan file's line of the row, from 1
    std::string port;     // a device path or COMn
    std::string name;     // the label of the log; the port when the row gives none
    std::string userMmsi; // stored form (ten digits)
    std::string atisCode; // stored form, or empty
    std::vector<FleetName> names;

    bool operator==(const FleetRadio &) const = default;
};

struct FleetPlan {
    std::vector<FleetRadio> radios;
    // Why the plan is refused, naming its first bad row ("line 3 (BOAT 2): ..."); nothing when good.
    std::optional<std::string> problem;
};

// The plan for the base configuration of a model; atis: this installation gives the model ATIS.
FleetPlan ReadFleetPlan(std::string_view text, const Configuration &base, Model model, bool atis);

// The base configuration as one radio of the plan gets it.
Configuration FleetRadioConfiguration(const Configuration &base, const FleetRadio &radio);

} // namespace klt
