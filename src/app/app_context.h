#pragma once
// Everything the program keeps for its whole run, owned by the program and passed by reference: the
// services it runs with, the facts of the current model, and the document being edited. A function
// takes the part it needs; only the commands that touch all three take the whole. Two contexts never
// share anything.

#include "app/editor_document.h"
#include "app/model_info.h"
#include "app/program_services.h"
#include "base/cancel_request.h"

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

struct AppContext : ProgramServices, ModelInfo, EditorDocument {
    AppContext(Ui &ui, SettingsStore &store, std::filesystem::path programFolder)
        : ProgramServices(ui, store, std::move(programFolder)) {}

    CancelRequest Cancel;
    DestinationMenu Destinations;
};

} // namespace klt
