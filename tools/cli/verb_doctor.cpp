// klt-cli doctor: why the radio's serial port does not work, and what mends it; with --probe, whether a
// radio answers the wake-up on each port the user may open.

#include "base/cancel_request.h"
#include "base/error_log.h"
#include "cli_args.h"
#include "link/handshake.h"
#include "link/link_clock.h"
#include "link/radio_link.h"
#include "qt/port_doctor.h"
#include "qt/qt_serial_port.h"
#include "verbs.h"

#include <QCoreApplication>

#include <chrono>
#include <iostream>
#include <thread>

namespace klt::cli {

namespace {

// The probe's messages become the report's words; it asks nothing.
class ProbeUi final : public Ui {
public:
    std::string said;
    void message(MessageIcon, const std::string &text, const std::string &) override {
        said += (said.empty() ? "" : "; ") + text;
    }
    Answer question(MessageIcon, const std::string &, const std::string &, Buttons) override {
        return Answer::No;
    }
    void progress(int) override {}
    void monitor(const std::string &) override {}
    void setBusyPointer(bool) override {}
    void sleep(int milliseconds) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
    void pause(int) override {}
};

// Wakes the radio as a transfer does, and lets it go again at once.
std::string Probe(const std::string &device) {
    QtSerialPort port([device](int) { return device; });
    ProbeUi ui;
    SteadyLinkClock clock;
    CancelRequest cancel;
    RadioLink link(port, ui, clock, cancel, ErrorLog(), LinkSettings{.retryCount = 1});
    const Outcome outcome = StartConnection(link);
    if (outcome == Outcome::Done) {
        AbortTransfer(link);
    }
    port.close();
    switch (outcome) {
    case Outcome::Done:
        return "a radio answered the wake-up";
    case Outcome::NoAnswer:
        return "no radio answered the wake-up (is it on, in PC CONTROL, the cable in both ends?)";
    default:
        return "the wake-up failed" + (ui.said.empty() ? std::string() : ": " + ui.said);
    }
}

} // namespace

int RunDoctor(const std::vector<std::string> &argv) {
    const ParsedArgs args = ParseArgs(argv, {.withValue = {"--port"}, .flags = {"--probe"}});
    if (!args.positional.empty()) {
        throw UsageError{"doctor takes no file"};
    }
    const SystemView system;
    const std::vector<std::string> devices =
        args.value("--port") ? std::vector<std::string>{*args.value("--port")} : ListSerialDevices(system);
    DoctorFindings findings = ExaminePorts(devices, system, ThisUser());
    if (args.has("--probe")) {
        int argc = 1;
        char name[] = "klt-cli";
        char *appArgv[] = {name, nullptr};
        const QCoreApplication application(argc, appArgv);
        for (PortExamination &port : findings.ports) {
            if (port.usable()) {
                port.probe = Probe(port.resolved);
            }
        }
    }
    std::cout << DoctorReportText(findings);
    if (!StandardOutputWritten("doctor")) {
        return kExitFailed;
    }
    return AnyPortUsable(findings) ? kExitOk : kExitFailed;
}

} // namespace klt::cli
