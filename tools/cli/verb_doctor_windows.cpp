// klt-cli doctor on Windows: for each COM port (or the one named), whether it is there and free, and
// what to do when not; with --probe, whether a radio answers the wake-up.

#include "cli_args.h"
#include "port_probe.h"
#include "verbs.h"
#include "win32/com_port_report.h"

#include <iostream>

namespace klt::cli {

int RunDoctor(const std::vector<std::string> &argv) {
    const ParsedArgs args = ParseArgs(argv, {.withValue = {"--port"}, .flags = {"--probe"}});
    if (!args.positional.empty()) {
        throw UsageError{"doctor takes no file"};
    }
    const std::vector<std::string> ports =
        args.value("--port") ? std::vector<std::string>{*args.value("--port")} : ListComPorts();
    const auto findings = ExamineComPorts(
        ports, args.has("--probe") ? ProbeForRadio : std::function<std::string(const std::string &)>());
    std::cout << ComPortReportText(findings);
    if (!StandardOutputWritten("doctor")) {
        return kExitFailed;
    }
    return AnyComPortUsable(findings) ? kExitOk : kExitFailed;
}

} // namespace klt::cli
