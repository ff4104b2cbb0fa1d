#pragma once
// Writes a whole file or nothing: the bytes go to a temporary file beside the target, which replaces
// the target only after a complete write, so a failure never destroys the user's earlier file.

#include "base/fault.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace klt {

// Nothing on success, else what went wrong; the target is then untouched. A symbolic link is written
// through to its target; a replaced file keeps its mode and, where the process may, its owner; a file
// with other hard links is rewritten in place, after a full trial write, so that every name sees the
// new content.
std::optional<Fault> WriteFileAtomically(const std::filesystem::path &target, std::string_view bytes);

// Whether a file could be written at path: its folder exists and may be written, and what stands at
// path (if anything) is a regular file. Nothing when it could.
std::optional<Fault> CheckWritable(const std::filesystem::path &path);

} // namespace klt
