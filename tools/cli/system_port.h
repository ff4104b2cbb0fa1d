#pragma once
// The system's serial ports for the devices named on the command line ("/dev/ttyUSB0", "COM5"): Qt's on
// the desktop build, the Win32 ones on the Windows build of the core. The object holds what the ports
// need around them while any is in use; a port is made on the thread that uses it.

#include "link/serial_port.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace klt::cli {

class SystemPorts {
public:
    virtual ~SystemPorts() = default;
    virtual std::unique_ptr<SerialPort> port(const std::string &device) = 0;
    // Runs every piece of work at once on threads the ports may be used on; returns when all are done.
    virtual void runAtOnce(const std::vector<std::function<void()>> &work) = 0;
};

std::unique_ptr<SystemPorts> MakeSystemPorts();

} // namespace klt::cli
