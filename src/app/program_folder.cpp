#include "app/program_folder.h"

#include <system_error>

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
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : self.parent_path();
}

} // namespace klt
