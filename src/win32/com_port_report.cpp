#include "win32/com_port_report.h"

#include <algorithm>

namespace klt {

namespace {

std::string Verdict(const ComPortCheck &check) {
    switch (check.state) {
    case ComPortState::Usable:
        return "usable";
    case ComPortState::Missing:
        return "not present: plug in the cable; Device Manager lists its port under \"Ports (COM & LPT)\", "
               "with the COM number to choose";
    case ComPortState::InUse:
        return "in use by another program: close it (another programming tool, a terminal, a chart "
               "plotter's software) and try again";
    case ComPortState::Refused:
        break;
    }
    return "does not open (" + check.systemText +
           "): unplug the cable and plug it in again, or install the adapter's driver from its maker again";
}

} // namespace

std::vector<ComPortFinding> ExamineComPorts(const std::vector<std::string> &ports,
                                            const std::function<std::string(const std::string &)> &probe) {
    std::vector<ComPortFinding> findings;
    for (const std::string &port : ports) {
        ComPortFinding finding{port, CheckComPort(port), std::nullopt};
        if (probe && finding.check.state == ComPortState::Usable) {
            finding.probe = probe(port);
        }
        findings.push_back(std::move(finding));
    }
    return findings;
}

std::string ComPortReportText(const std::vector<ComPortFinding> &findings) {
    if (findings.empty()) {
        return "No serial port was found. Plug in the programming cable; Device Manager lists its port under "
               "\"Ports (COM & LPT)\" once its driver is installed.\n";
    }
    std::string text;
    for (const ComPortFinding &finding : findings) {
        text += finding.port + "\n  verdict: " + Verdict(finding.check) + "\n";
        if (finding.probe) {
            text += "  probe:   " + *finding.probe + "\n";
        }
        text += "\n";
    }
    return text;
}

bool AnyComPortUsable(const std::vector<ComPortFinding> &findings) {
    return std::any_of(findings.begin(), findings.end(), [](const ComPortFinding &finding) {
        return finding.check.state == ComPortState::Usable;
    });
}

} // namespace klt
