#pragma once
// The program folder holds "global.ini" and the model description files.

#include <filesystem>
#include <optional>

namespace klt {

// An explicit folder wins, then the environment's KLT_PROGRAM_FOLDER, then the executable's own
// folder when it holds "global.ini", else ../share/klt beside the executable (a system install).
std::filesystem::path LocateProgramFolder(const std::optional<std::filesystem::path> &explicitFolder,
                                          const char *environmentValue,
                                          const std::filesystem::path &executableFolder);

// The folder of the running executable (empty when the system does not say).
std::filesystem::path ExecutableFolder();

} // namespace klt
