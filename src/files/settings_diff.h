#pragma once
// What differs between two configurations, setting by setting, in the settings file's own section and
// key names: "[Section] Key: value in A -> value in B".

#include "model/model_catalogue.h"
#include "model/records.h"

#include <string>
#include <vector>

namespace klt {

std::vector<std::string> SettingsDifferences(const Configuration &a, const Configuration &b, Model model,
                                             const std::string &modelName, bool atis);

} // namespace klt
