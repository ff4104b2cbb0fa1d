#pragma once
// Automatic backups: every image a read brought from a radio is kept in the per-user data folder as
// backups/MODEL-YYYYMMDD-HHMMSS.hex, the newest 100 of them, so the configuration that was in a
// radio before it was changed is never lost.

#include "link/operation.h"
#include "model/model_catalogue.h"
#include "model/radio_image.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace klt {

constexpr std::size_t kBackupsKept = 100;

// <per-user data folder>/backups; an empty path when there is no per-user data folder (neither
// XDG_DATA_HOME nor HOME set): then no backup is kept anywhere odd.
std::filesystem::path BackupFolder(const std::string &programTitle);

// Writes the image and removes the oldest backups beyond the newest 100. The backup's path, or
// nothing when it could not be written (a backup never stops the read that made it). beforeClear: the
// clear whose erased memory the image keeps; a read's backup has none.
std::optional<std::filesystem::path> KeepBackup(const std::filesystem::path &folder, const RadioImage &image,
                                                Model model, std::chrono::system_clock::time_point when,
                                                std::optional<Operation> beforeClear = std::nullopt);

struct BackupInfo {
    std::filesystem::path path;
    std::string date;                     // "2026-12-08 17:15:00"
    std::string model;                    // "TQ-300"
    std::optional<Operation> beforeClear; // the clear it was kept before; nothing for a read's
    std::string kind;                     // "read", or "before Clear DSC Log"
    std::string userMmsi;                 // the nine digits, or empty
    std::string names;                    // the first station names of the individual directory, in UTF-8
};

// One backup, as the list shows it; nothing for a file that is not a backup of this program.
std::optional<BackupInfo> DescribeBackup(const std::filesystem::path &path);

// Where a backup that could not be kept was to go, or why there was nowhere: for the message.
std::string BackupPlaceText(const std::filesystem::path &folder);

// Why the folder's backups cannot be listed ("Permission denied"); nothing when they can, or when
// there is no folder yet (no backup kept so far).
std::optional<std::string> BackupFolderProblem(const std::filesystem::path &folder);

// The backups, newest first; files that are not backups are left out.
std::vector<BackupInfo> ListBackups(const std::filesystem::path &folder);

} // namespace klt
