#pragma once
// What the safe save does alike on every system: the file a path names in the end, its folder, and the
// prefix of its trial files.

#include "base/fault.h"

#include <filesystem>
#include <optional>
#include <string>

namespace klt {

struct ResolvedPath {
    std::filesystem::path file;
    std::optional<Fault> fault; // a loop of links, or a link that cannot be read
};

// The file a path names in the end, its symbolic links followed.
ResolvedPath ResolveLinks(std::filesystem::path path);

std::filesystem::path FolderOf(const std::filesystem::path &file);

// The trial files of one target share a prefix made from its name (a short one, so that a target name
// of any legal length works), so that the next save finds those a killed save left behind.
std::string TrialPrefix(const std::filesystem::path &file);

// A rewrite in place that failed half way: the fault says where the complete new content is kept.
void NoteContentKeptIn(Fault &fault, const std::string &trialPath);

} // namespace klt
