#pragma once
// Reads one value of an INI file the way the program always has: at most 127 characters, "<NONE>"
// (missing section or key) as empty text, one leading "#" removed, section and key names matched
// without regard to case.

#include <filesystem>
#include <string>
#include <string_view>

namespace klt {

std::string ReadProfileString(const std::filesystem::path &file, const std::string &section,
                              const std::string &key);

// The same, on the text of a file already read.
std::string ProfileValue(std::string_view text, const std::string &section, const std::string &key);

} // namespace klt
