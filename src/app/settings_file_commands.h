#pragma once
// File > Open, Save and Save As with settings text files (".dat"), as the window and the command
// line run them: the reset, the messages, the error log and the current file.

#include "app/app_context.h"
#include "app/reset.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace klt {

// What a settings file could not give the editor: settings it does not hold (a file cut short), which
// keep their defaults, and values not taken (unreadable, or out of the radio's range).
struct SettingsFileNotes {
    std::size_t missing = 0;
    std::string lastSection; // where the file ends, when it ends before its last sections
    std::vector<std::string> refused;

    bool empty() const { return missing == 0 && refused.empty(); }
};

SettingsFileNotes NotesOnSettingsText(const AppContext &ctx, std::string_view text);

// The notes as lines a user reads: the file, how many settings are missing, each value not taken.
std::string SettingsNotesText(const std::filesystem::path &path, const SettingsFileNotes &notes);

// A file with notes: the window asks before it replaces anything; the command line warns and goes on.
enum class FileNotes { Ask, Warn };

// The Open command's worker. The file must name the current model; it is read whole before anything
// changes, so an unreadable file leaves the configuration as it was. Then the configuration is reset
// (with the destination step when asked) and the file applied. False, with the program's message
// shown, when the file was not taken.
bool ReadSettingsFile(AppContext &ctx, const std::filesystem::path &path, bool loadDestination = true,
                      const ResetHooks &hooks = {}, FileNotes notes = FileNotes::Ask);

// Open after the name is known: reads, then the file becomes the current one.
bool OpenSettingsFile(AppContext &ctx, const std::filesystem::path &path, bool loadDestination = true,
                      const ResetHooks &hooks = {}, FileNotes notes = FileNotes::Ask);

// Writes the current configuration to path, whole or not at all. On failure: the error log and
// "FileSave Error!!"; the earlier file is left as it was.
bool WriteSettingsFile(AppContext &ctx, const std::filesystem::path &path);

// Save writes to the current file, unless there is none or it is an image hex file: settings text
// must never overwrite a radio memory, so Save then asks for a name as Save As does.
bool SaveNeedsAName(const AppContext &ctx);

// Save and Save As after the name is known: writes, then the file becomes the current one.
bool SaveSettingsAs(AppContext &ctx, const std::filesystem::path &path);

} // namespace klt
