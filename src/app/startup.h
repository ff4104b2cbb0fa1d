#pragma once
// What the program decides before its window appears: the command-line switches, the models the
// installation offers, and the preferences it starts with.

#include "base/settings_store.h"
#include "model/model_catalogue.h"

#include <filesystem>
#include <string>
#include <vector>

namespace klt {

struct Switches {
    bool debug = false; // "/D", "/DE" or "/ED"
    bool slow = false;  // "/E", "/DE" or "/ED"
};

// The whole command line, trimmed and upper-cased, compared as one text: "/D /E" selects nothing.
Switches ParseSwitches(const std::string &commandLine);

// "--help" (or "-h") and "--version" alone on the command line: the program prints and exits, with no
// window and no display needed, as desktop programs do.
enum class InfoRequest { None, Help, Version };
InfoRequest InfoRequested(const std::vector<std::string> &arguments);
std::string WindowHelpText(const std::string &programName);

struct StartupPlan {
    std::vector<Model> offered; // model slots "global.ini" enables, ascending
    Model model = Model::None;  // none when nothing is offered: "Unknown model!!"
    bool editMenuVisible = false;
    bool hexVisible = false;
    int comNum = 1;
};

// The serial port number the preferences hold ("ComPath"/"ComNum"): a 16-bit number, 1 when there
// is none or it does not convert (a number beyond 16 bits does not).
int StoredPortNumber(const SettingsStore &store);

// The stored "lastmodel" when it is offered (and below ten), else the highest offered model.
StartupPlan PlanStartup(const std::filesystem::path &globalIni, const SettingsStore &store);

// Window caption: "[file - ]TitleText  ProgramTitle".
std::string WindowCaption(const std::string &titleText, const std::string &programTitle,
                          const std::string &currentFile);

} // namespace klt
