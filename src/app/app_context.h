#pragma once
// Everything the program keeps for its whole run, owned by the program and passed by reference.
// Two contexts never share anything.

#include "base/cancel_request.h"
#include "base/error_log.h"
#include "base/settings_store.h"
#include "base/ui.h"
#include "model/model_catalogue.h"
#include "model/radio_image.h"
#include "model/records.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace klt {

// The Destination menu: one caption per model description file of the current model.
struct DestinationMenu {
    static constexpr int kSlots = 11;
    static constexpr int kMaxFiles = 10;
    bool Enabled = false;
    std::vector<std::string> Captions; // the visible slots, in menu order
    std::optional<int> Checked;        // the slot whose file was loaded last
};

struct AppContext {
    AppContext(Ui &ui, SettingsStore &store, std::filesystem::path programFolder)
        : ui(ui), store(store), ProgramFolder(std::move(programFolder)) {}

    Ui &ui;
    SettingsStore &store;
    std::filesystem::path ProgramFolder;

    std::string ProgramTitle = "KLT Programmer";
    bool DebugMode = false;
    bool SlowLinkMode = false;
    Model CurrentModel = Model::None;
    std::string ModelName;
    std::string TitleText;
    bool AtisAvailable = false;
    // Channels carry a scrambler code: the window turns this on at start, and the channel pages show
    // the scrambler only while it is on.
    bool ScramblerOption = false;
    std::string CurrentFilePath;

    CancelRequest Cancel;
    Configuration Config;
    RadioImage Image;
    DestinationMenu Destinations;
};

// The error log as this context keeps it: written in debug mode only.
inline ErrorLog ErrorLogOf(const AppContext &ctx) {
    return {ctx.DebugMode, ctx.ProgramFolder, ctx.ProgramTitle};
}

} // namespace klt
