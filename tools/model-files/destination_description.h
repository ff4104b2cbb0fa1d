#pragma once
// A destination's description: the settings in which its default image differs from the model's
// built-in defaults, as keys of the section [destination] of a small INI text.

#include "model/records.h"

#include <filesystem>
#include <optional>
#include <string>

namespace klt {

// Applies the description's keys to the configuration; the text of the first problem, if any.
std::optional<std::string> ApplyDestinationDescription(const std::filesystem::path &file,
                                                       Configuration &config);

} // namespace klt
