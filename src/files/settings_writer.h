#pragma once
// Writes a configuration as a settings text file (".dat").

#include "model/model_catalogue.h"
#include "model/records.h"

#include <string>

namespace klt {

// The whole file: every section in its order, CR LF after every line.
std::string ComposeSettingsText(const Configuration &config, Model model, const std::string &modelName,
                                bool atis);

} // namespace klt
