#pragma once
// What the window needs from outside: file dialogs, serial ports, the clock of the link's deadlines,
// and the help viewer. The program passes the real ones; widget tests pass their own.

#include "app/fleet_run.h"
#include "base/settings_store.h"
#include "editor/file_chooser.h"
#include "link/link_clock.h"
#include "link/serial_port.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QPrinter;
class QString;

namespace klt {

struct GuiServices {
    FileChooser &files;
    LinkClock &clock;
    std::function<std::unique_ptr<SerialPort>(const SettingsStore &store)> makePort;
    // Opens a help file with the desktop's viewer at a section ("" for the top); false when it could not.
    std::function<bool(const QString &path, const QString &section)> openHelp;
    // The print dialog: false when the user cancelled it.
    std::function<bool(QPrinter &printer)> choosePrinter;
    // The devices port numbers 1 to count stand for ("" where unknown), from one look at the system;
    // shown beside the ports' menu entries and in the transfer dialog.
    std::function<std::vector<std::string>(int count)> describePorts;
    // The port doctor's report on the system's serial ports, the chosen device (when known) first.
    std::function<std::string(const std::string &chosenDevice)> diagnosePorts;
    // A fleet plan's radio: the system's port for the device its row names, and a clock.
    std::function<FleetLine(const std::string &device)> openFleetLine;
    // Runs a fleet's radios at once, on threads their ports may be used on.
    RunAtOnce runAtOnce;
};

} // namespace klt
