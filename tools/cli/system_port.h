#pragma once
// The system's serial port for the device named on the command line ("/dev/ttyUSB0", "COM5"): Qt's on
// the desktop build, the Win32 one on the Windows build of the core. It holds what the port needs
// around it while it is in use.

#include "link/serial_port.h"

#include <memory>
#include <string>

namespace klt::cli {

class SystemPort {
public:
    virtual ~SystemPort() = default;
    virtual SerialPort &port() = 0;
};

std::unique_ptr<SystemPort> MakeSystemPort(const std::string &device);

} // namespace klt::cli
