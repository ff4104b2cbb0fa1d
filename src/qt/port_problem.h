#pragma once
// Why a serial port would not open, in words that say what to do: a device that does not exist, one
// another program holds, one the user may not use (with the group that grants it, read from the
// device itself, and the command to join it).

#include <string>

namespace klt {

enum class PortProblem { Missing, InUse, NoPermission, Other };

// What the system says about a device.
struct DeviceFacts {
    bool exists = false;
    bool accessible = false; // this user may read and write it
    std::string group;       // the group that owns it
    std::string holder;      // the programs that have it open, "name (process N)"; empty when none is seen
};

DeviceFacts InspectDevice(const std::string &device);

// The problem behind a failed open: the port's own verdict (it found no device, or was refused) and
// what the device shows.
PortProblem ClassifyOpenFailure(bool notFound, bool refused, const DeviceFacts &facts);

// The text for the user; systemText stands for problems the program cannot explain better.
std::string PortProblemText(PortProblem problem, const std::string &device, const DeviceFacts &facts,
                            const std::string &systemText);

} // namespace klt
