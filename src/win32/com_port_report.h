#pragma once
// The port doctor on Windows: for each COM port, whether it is there and free, and what to do when
// not. The command line's doctor and the window's Help > Port Diagnosis print the same report.

#include "win32/com_ports.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace klt {

struct ComPortFinding {
    std::string port;
    ComPortCheck check;
    std::optional<std::string> probe; // what the wake-up found, when asked
};

// Each port checked; probe, when given, asked of each usable one.
std::vector<ComPortFinding>
ExamineComPorts(const std::vector<std::string> &ports,
                const std::function<std::string(const std::string &)> &probe = {});

std::string ComPortReportText(const std::vector<ComPortFinding> &findings);

bool AnyComPortUsable(const std::vector<ComPortFinding> &findings);

} // namespace klt
