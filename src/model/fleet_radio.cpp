#include "model/fleet_radio.h"

namespace klt {

Configuration FleetRadioConfiguration(const Configuration &base, const FleetRadio &radio) {
    Configuration config = base;
    config.DscBasic.UserMmsi = radio.userMmsi;
    if (!radio.atisCode.empty()) {
        config.Atis.AtisCode = radio.atisCode;
    }
    for (const FleetName &name : radio.names) {
        if (name.group < 0) {
            config.Individual[name.index].TagName = name.latin1;
        } else {
            PlanTable(config, name.group)[name.index].ChTag = name.latin1;
        }
    }
    return config;
}

} // namespace klt
