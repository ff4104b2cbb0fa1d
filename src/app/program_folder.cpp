#include "app/program_folder.h"

#include <system_error>
#ifdef _WIN32
#include <windows.h>

#include <string>
#endif

namespace klt {

std::filesystem::path LocateProgramFolder(const std::optional<std::filesystem::path> &explicitFolder,
                                          const char *environmentValue,
                                          const std::filesystem::path &executableFolder) {
    if (explicitFolder && !explicitFolder->empty()) {
        return *explicitFolder;
    }
    if (environmentValue != nullptr && *environmentValue != '\0') {
        return environmentValue;
    }
    std::error_code error;
    if (std::filesystem::exists(executableFolder / "global.ini", error)) {
        return executableFolder;
    }
    return executableFolder.parent_path() / "share" / "klt";
}

std::filesystem::path ExecutableFolder() {
#ifdef _WIN32
    std::wstring name(32768, L'\0');
    const DWORD length = ::GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length == 0 || length >= name.size()) {
        return {};
    }
    name.resize(length);
    return std::filesystem::path(name).parent_path();
#else
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : self.parent_path();
#endif
}

} // namespace klt
