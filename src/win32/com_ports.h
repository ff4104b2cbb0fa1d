#pragma once
// The serial ports Windows knows of, and whether one opens: what the doctor says on Windows.

#include <string>
#include <vector>

namespace klt {

// "COM1", "COM5", ... in number order: the ports the serial drivers registered, else those the
// system's device names hold.
std::vector<std::string> ListComPorts();

enum class ComPortState { Usable, Missing, InUse, Refused };

struct ComPortCheck {
    ComPortState state = ComPortState::Missing;
    std::string systemText; // the system's words when it would not open
};

// Opens the port as a transfer would and closes it again at once.
ComPortCheck CheckComPort(const std::string &device);

} // namespace klt
