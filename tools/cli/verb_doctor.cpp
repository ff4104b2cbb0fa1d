// klt-cli doctor: why the radio's serial port does not work, and what mends it; with --probe, whether a
// radio answers the wake-up on each port the user may open.

#include "cli_args.h"
#include "port_probe.h"
#include "qt/port_doctor.h"
#include "verbs.h"

#include <iostream>

namespace klt::cli {

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
        for (PortExamination &port : findings.ports) {
            if (port.usable()) {
                port.probe = ProbeForRadio(port.resolved);
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
