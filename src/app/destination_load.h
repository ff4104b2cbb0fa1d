#pragma once
// Loading a destination's default image into the program, and the Destination menu's contents.

#include "app/app_context.h"
#include "base/fault.h"

#include <filesystem>
#include <optional>
#include <string>

namespace klt {

struct DestinationLoad {
    bool loaded = false;
    std::optional<Fault> fault; // a run-time fault (missing or unreadable file), for the error log
};

// Reads a model description file into the radio image and decodes it. A file of the wrong length or
// of another model changes nothing.
DestinationLoad LoadDestinationFile(AppContext &ctx, const std::filesystem::path &path);

// The settings-store key under which the last destination of a model is kept.
std::string StoredDestinationKey(Model model);
std::string StoredDestination(const AppContext &ctx);

// Rebuilds the Destination menu from the program folder and loads the stored destination when it is
// offered; the loaded slot is checked.
DestinationLoad BuildDestinationMenuAndLoad(AppContext &ctx);

} // namespace klt
