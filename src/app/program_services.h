#pragma once
// What the program runs with, whatever it edits: the user interface, the per-user settings, the
// program folder, and the switches it was started with.

#include "base/error_log.h"
#include "base/settings_store.h"
#include "base/ui.h"

#include <filesystem>
#include <string>

namespace klt {

struct ProgramServices {
    ProgramServices(Ui &ui, SettingsStore &store, std::filesystem::path programFolder)
        : ui(ui), store(store), ProgramFolder(std::move(programFolder)) {}

    Ui &ui;
    SettingsStore &store;
    std::filesystem::path ProgramFolder;

    std::string ProgramTitle = "KLT Programmer";
    bool DebugMode = false;
    bool SlowLinkMode = false;
    // Channels carry a scrambler code: the window turns this on at start, and the channel pages show
    // the scrambler only while it is on.
    bool ScramblerOption = false;
};

// The error log as the program keeps it: written in debug mode only.
inline ErrorLog ErrorLogOf(const ProgramServices &services) {
    return {services.DebugMode, services.ProgramFolder, services.ProgramTitle};
}

} // namespace klt
