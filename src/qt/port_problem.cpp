#include "qt/port_problem.h"

namespace klt {

PortProblem ClassifyOpenFailure(bool notFound, bool refused, const DeviceFacts &facts) {
    if (notFound || !facts.exists) {
        return PortProblem::Missing;
    }
    if (!facts.accessible) {
        return PortProblem::NoPermission;
    }
    // The user may use the device, yet the port was refused: another program holds it.
    return refused || !facts.holder.empty() ? PortProblem::InUse : PortProblem::Other;
}

std::string PortProblemText(PortProblem problem, const std::string &device, const DeviceFacts &facts,
                            const std::string &systemText) {
    switch (problem) {
    case PortProblem::Missing:
        return "The serial port " + device +
               " does not exist: check that the cable is plugged in, or choose another port under Options > "
               "SerialPort.";
    case PortProblem::InUse:
        return "The serial port " + device + " is in use by " +
               (facts.holder.empty() ? std::string("another program") : facts.holder) +
               ": close the port there and try again.";
    case PortProblem::NoPermission:
        if (facts.group.empty()) {
            return "No permission to use the serial port " + device +
                   ": a folder on its path is closed to this user.";
        }
        return "No permission to use the serial port " + device + ": it belongs to the group '" +
               facts.group + "'. Join that group with \"sudo usermod -aG " + facts.group +
               " $USER\", then log out and in again.";
    case PortProblem::Other:
        break;
    }
    return systemText;
}

} // namespace klt
