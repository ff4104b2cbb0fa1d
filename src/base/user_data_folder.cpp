#include "base/user_data_folder.h"

#include <cstdlib>

namespace klt {

std::filesystem::path UserDataFolder(const std::string &programTitle) {
    if (const char *data = std::getenv("XDG_DATA_HOME"); data != nullptr && *data != '\0') {
        return std::filesystem::path(data) / programTitle;
    }
    const char *home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') {
        return {};
    }
    return std::filesystem::path(home) / ".local" / "share" / programTitle;
}

} // namespace klt
