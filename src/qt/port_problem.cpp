#include "qt/port_problem.h"

#include "qt/device_holders.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace klt {

DeviceFacts InspectDevice(const std::string &device) {
    DeviceFacts facts;
    struct stat info {};
    if (device.empty()) {
        return facts;
    }
    if (::stat(device.c_str(), &info) != 0) {
        // Only a device that is not there is missing; a folder closed to the user is a permission.
        facts.exists = errno != ENOENT && errno != ENOTDIR;
        return facts;
    }
    facts.exists = true;
    facts.accessible = ::access(device.c_str(), R_OK | W_OK) == 0;
    // The reentrant lookup: the port is opened on the transfer's own thread.
    group entry{};
    group *owner = nullptr;
    std::vector<char> names(16384);
    const bool named = ::getgrgid_r(info.st_gid, &entry, names.data(), names.size(), &owner) == 0;
    facts.group = named && owner != nullptr ? owner->gr_name : std::to_string(info.st_gid);
    for (const std::string &holder : ProcessesHolding(device)) {
        facts.holder += (facts.holder.empty() ? "" : " and ") + holder;
    }
    return facts;
}

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
