#pragma once
// Writes a configuration as a settings text file (".dat").

#include "model/records.h"

#include <string>

namespace klt {

// The whole file: every section in its order, CR LF after every line.
std::string ComposeSettingsText(const Configuration &config, int model, const std::string &modelName,
                                bool atis);

} // namespace klt
