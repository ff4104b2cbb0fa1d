#pragma once
// Writes a whole file or nothing: the bytes go to a temporary file beside the target, which replaces
// the target only after a complete write, so a failure never destroys the user's earlier file.

#include "base/fault.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace klt {

// Nothing on success, else what went wrong; the target is then untouched.
std::optional<Fault> WriteFileAtomically(const std::filesystem::path &target, std::string_view bytes);

} // namespace klt
