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

InfoRequest InfoRequested(const std::vector<std::string> &arguments) {
    if (arguments.size() != 1) {
        return InfoRequest::None;
    }
    if (arguments[0] == "--help" || arguments[0] == "-h") {
        return InfoRequest::Help;
    }
    return arguments[0] == "--version" ? InfoRequest::Version : InfoRequest::None;
}

std::string WindowHelpText(const std::string &programName) {
    return "Usage: " + programName +
           " [/D | /E | /DE]\n"
           "The editor of the settings of the TQ series of marine VHF radios: read a radio, edit its\n"
           "channels, DSC and ATIS settings and station directories, save them, and program the radio.\n"
           "\n"
           "  /D          debug mode: image hex files in File > Open and Save, and the error log\n"
           "  /E          slow link: every transfer at the lower speed, for long or poor cables\n"
           "  /DE, /ED    both\n"
           "  --help      print this text and exit\n"
           "  --version   print the version and exit\n"
           "\n"
           "The same work from a terminal or a script: klt-cli (klt-cli with no arguments lists its "
           "verbs).\n";
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
