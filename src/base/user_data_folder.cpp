#include "base/user_data_folder.h"

#include <cstdlib>

namespace klt {

std::filesystem::path UserDataFolder(const std::string &programTitle) {
#ifdef _WIN32
    // The per-user, per-computer data of Windows programs (the known folder LocalAppData).
    if (const wchar_t *local = ::_wgetenv(L"LOCALAPPDATA"); local != nullptr && *local != L'\0') {
        return std::filesystem::path(local) / programTitle;
    }
#endif
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
