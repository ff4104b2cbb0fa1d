#include "app/startup.h"

#include "app/global_ini.h"
#include "model/model_catalogue.h"
#include "model/text_format.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace klt {

namespace {

// A stored number as the program converts it, to a 16-bit integer: nothing when the text is not a
// number or the number does not fit.
std::optional<long> StoredNumber(const std::string &text) {
    const std::string trimmed = Trim(text);
    if (trimmed.empty()) {
        return std::nullopt;
    }
    const double value = LeadingNumber(trimmed);
    if (value == 0.0 && trimmed.find_first_not_of("+-0.,") != std::string::npos) {
        return std::nullopt;
    }
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<std::int16_t>::min() &&
          rounded <= std::numeric_limits<std::int16_t>::max())) {
        return std::nullopt;
    }
    return static_cast<long>(rounded);
}

} // namespace

Switches ParseSwitches(const std::string &commandLine) {
    const std::string line = ToUpper(Trim(commandLine));
    if (line == "/DE" || line == "/ED") {
        return {true, true};
    }
    return {line == "/D", line == "/E"};
}

StartupPlan PlanStartup(const std::filesystem::path &globalIni, const SettingsStore &store) {
    StartupPlan plan;
    plan.offered = OfferedModels(globalIni);
    if (plan.offered.empty()) {
        return plan;
    }
    plan.model = plan.offered.back();
    plan.editMenuVisible = plan.offered.size() > 1;
    const auto stored = StoredNumber(store.get("Settings", "lastmodel", "1"));
    const auto last = stored && *stored < kModelSlotCount ? ModelFromNumber(*stored) : std::nullopt;
    if (last && std::ranges::find(plan.offered, *last) != plan.offered.end()) {
        plan.model = *last;
    }
    plan.hexVisible = StoredNumber(store.get("Settings", "hexvisible", "0")).value_or(0) != 0;
    plan.comNum = StoredPortNumber(store);
    return plan;
}

int StoredPortNumber(const SettingsStore &store) {
    return static_cast<int>(StoredNumber(store.get("ComPath", "ComNum", "1")).value_or(1));
}

std::string WindowCaption(const std::string &titleText, const std::string &programTitle,
                          const std::string &currentFile) {
    std::string caption = titleText + "  " + programTitle;
    if (currentFile.empty()) {
        return caption;
    }
    return std::filesystem::path(currentFile).filename().string() + " - " + caption;
}

} // namespace klt
