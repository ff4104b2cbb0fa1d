#include "files/atomic_write_parts.h"

#include <cstdint>
#include <cstdio>
#include <system_error>

namespace klt {

namespace {

constexpr int kMaxLinkHops = 40;

} // namespace

ResolvedPath ResolveLinks(std::filesystem::path path) {
    // Windows' file replacement takes only its own separators ("C:/boats/radio.dat" fails to replace,
    // though it opens): the path is written the system's way before it is used.
    path.make_preferred();
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        std::error_code error;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, error))) {
            return {path, std::nullopt};
        }
        const auto target = std::filesystem::read_symlink(path, error);
        if (error) {
            return {path, FaultFromErrno(error.value())};
        }
        path = target.is_absolute() ? target : path.parent_path() / target;
        path.make_preferred();
    }
    return {path, FaultFromErrno(static_cast<int>(std::errc::too_many_symbolic_link_levels))};
}

std::filesystem::path FolderOf(const std::filesystem::path &file) {
    return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

std::string TrialPrefix(const std::filesystem::path &file) {
    std::uint32_t hash = 2166136261u; // FNV-1a
    for (const char c : file.filename().string()) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08x", hash);
    return std::string(".klt-save-") + hex + "-";
}

void NoteContentKeptIn(Fault &fault, const std::string &trialPath) {
    fault.description += " (the new content is kept in " + trialPath + ")";
    fault.reason = ReasonText(fault) + "; the new content is kept in " + trialPath;
}

} // namespace klt
