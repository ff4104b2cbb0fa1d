#pragma once
// Reading a file whole: its bytes, or the fault that stopped the read.

#include "base/fault.h"

#include <filesystem>
#include <optional>
#include <string>

namespace klt {

struct WholeFile {
    std::string bytes;
    std::optional<Fault> fault; // set when the file could not be read; bytes are then empty
};

WholeFile ReadWholeFile(const std::filesystem::path &path);

} // namespace klt
