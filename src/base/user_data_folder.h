#pragma once
// The per-user data folder of the program: $XDG_DATA_HOME/<title>, else ~/.local/share/<title>; an
// empty path when neither XDG_DATA_HOME nor HOME says where that is (never the current folder).

#include <filesystem>
#include <string>

namespace klt {

std::filesystem::path UserDataFolder(const std::string &programTitle);

} // namespace klt
