#include "qt/port_diagnosis.h"

#include "win32/com_port_report.h"

#include <algorithm>

namespace klt {

std::string PortDiagnosisText(const std::string &chosen) {
    std::vector<std::string> ports = ListComPorts();
    if (!chosen.empty() && std::find(ports.begin(), ports.end(), chosen) == ports.end()) {
        ports.insert(ports.begin(), chosen);
    }
    return ComPortReportText(ExamineComPorts(ports));
}

} // namespace klt
