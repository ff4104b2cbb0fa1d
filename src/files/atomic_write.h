#pragma once
// Writes a whole file or nothing: the bytes go to a temporary file beside the target, which replaces
// the target only after a complete write, so a failure never destroys the user's earlier file.

#include "base/fault.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace klt {

// Nothing on success, else what went wrong; the target is then untouched. A symbolic link is written
// through to its target (a loop of links is a fault); a file the user may not write (no write
// permission at all, or none for this user) is refused; a replaced file keeps its mode and, where the
// process may, its owner; a file with other hard links, or another user's file, is rewritten in place
// after a full trial write, so that every name sees the new content and the owner stays. Trial files
// a killed save of the same target left behind are removed by the next save that succeeds.
std::optional<Fault> WriteFileAtomically(const std::filesystem::path &target, std::string_view bytes);

// Called once at a program's start: a write past the process's file-size limit then fails with
// "File too large", which a save reports, instead of killing the program with SIGXFSZ.
void LetWritesPastTheSizeLimitFail();

// Whether a file could be written at path: its folder exists and may be written, and what stands at
// path (if anything) is a regular file the user may write. Nothing when it could.
std::optional<Fault> CheckWritable(const std::filesystem::path &path);

} // namespace klt
