#pragma once
// What the window needs from this desktop: Qt's file dialogs, the steady clock, serial ports found
// through the settings, the desktop's browser for the help, the print dialog, and the port list. The
// program, its demo driver and its benchmark build the window on the same services.

#include "app/app_context.h"
#include "editor/file_chooser.h"
#include "editor/gui_services.h"
#include "editor/qt_ui.h"
#include "link/link_clock.h"
#include "qt/qt_settings_store.h"

namespace klt {

class DesktopServices {
public:
    explicit DesktopServices(const SettingsStore &store);
    DesktopServices(const DesktopServices &) = delete;
    DesktopServices &operator=(const DesktopServices &) = delete;

    GuiServices &services() { return services_; }

private:
    QtFileChooser files_;
    SteadyLinkClock clock_;
    GuiServices services_; // refers to the two above
};

// The program as klt runs it: the window's user interface, the per-user settings under the program's
// title, the context on the program folder (KLT_PROGRAM_FOLDER, else the executable's), and the
// desktop's services. Made after the application object.
struct DesktopProgram {
    DesktopProgram();
    DesktopProgram(const DesktopProgram &) = delete;
    DesktopProgram &operator=(const DesktopProgram &) = delete;

    QtUi ui;
    QtSettingsStore store;
    AppContext ctx;
    DesktopServices desktop;
};

} // namespace klt
