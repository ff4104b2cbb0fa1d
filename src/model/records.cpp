#include "model/records.h"

#include <stdexcept>

namespace klt {

std::vector<ChannelRecord> &PlanTable(Configuration &config, int group) {
    switch (group) {
    case 0:
        return config.Usa;
    case 1:
        return config.International;
    case 2:
        return config.Canada;
    default:
        throw std::out_of_range("no channel plan for group " + std::to_string(group));
    }
}

const std::vector<ChannelRecord> &PlanTable(const Configuration &config, int group) {
    return PlanTable(const_cast<Configuration &>(config), group);
}

} // namespace klt
