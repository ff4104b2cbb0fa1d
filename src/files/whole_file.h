#pragma once
// Reading a file whole, in bounded memory: its bytes, or the fault that stopped the read.

#include "base/fault.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace klt {

// No settings file or INI file of the program comes near this size.
constexpr std::size_t kMaxTextFileBytes = 4 * 1024 * 1024;

struct WholeFile {
    std::string bytes;
    std::optional<Fault> fault; // set when the file could not be read; bytes are then empty
};

// Only a regular file (or a link to one) of at most limit bytes is read: a device, a pipe or a folder
// named where a file was expected, or a file past the limit, is refused without reading it.
WholeFile ReadWholeFile(const std::filesystem::path &path, std::size_t limit = kMaxTextFileBytes);

// The fault of a path that is not a regular file; nothing when it is one.
std::optional<Fault> NotARegularFile(const std::filesystem::path &path);

} // namespace klt
