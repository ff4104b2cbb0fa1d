#include "port_probe.h"

#include "base/cancel_request.h"
#include "base/error_log.h"
#include "link/handshake.h"
#include "link/link_clock.h"
#include "link/radio_link.h"
#include "system_port.h"

#include <chrono>
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

} // namespace

std::string ProbeForRadio(const std::string &device) {
    const auto ports = MakeSystemPorts();
    const auto opened = ports->port(device);
    SerialPort &port = *opened;
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

} // namespace klt::cli
