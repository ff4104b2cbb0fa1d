#include "qt/port_diagnosis.h"

#include "qt/port_doctor.h"

#include <algorithm>

namespace klt {

std::string PortDiagnosisText(const std::string &chosen) {
    const SystemView system;
    std::vector<std::string> devices = ListSerialDevices(system);
    if (!chosen.empty() && std::find(devices.begin(), devices.end(), chosen) == devices.end()) {
        devices.insert(devices.begin(), chosen);
    }
    return DoctorReportText(ExaminePorts(devices, system, ThisUser()));
}

} // namespace klt
