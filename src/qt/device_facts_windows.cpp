#include "qt/port_problem.h"
#include "win32/com_ports.h"

namespace klt {

// Windows has no owners or groups on a COM port: a port that is there and refused is held by another
// program, which the system does not name.
DeviceFacts InspectDevice(const std::string &device) {
    DeviceFacts facts;
    facts.exists = !device.empty() && CheckComPort(device).state != ComPortState::Missing;
    facts.accessible = true;
    return facts;
}

} // namespace klt
