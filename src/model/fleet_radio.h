#pragma once
// One radio of a fleet: the port it hangs on, its label, its own identity and the names it has that
// differ from the fleet's base configuration.

#include "model/records.h"

#include <cstddef>
#include <string>
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

// The base configuration as one radio of the fleet gets it.
Configuration FleetRadioConfiguration(const Configuration &base, const FleetRadio &radio);

} // namespace klt
