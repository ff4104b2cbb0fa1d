#pragma once
// What the link needs of a serial port. Adapters: the system's serial ports (Qt), an in-memory line
// to the simulated radio (tests). A failure of the port while it is in use throws PortFault.

#include "base/fault.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace klt {

struct PortFault {
    Fault fault;
};

class SerialPort {
public:
    virtual ~SerialPort() = default;

    // Opens port number 1 to 16 with a settings string such as "57600,N,8,1"; the fault when it fails.
    virtual std::optional<Fault> open(int portNumber, const std::string &settings) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // The settings in use, as a settings string.
    virtual std::string settings() const = 0;
    // The device port number 1 to 16 stands for ("/dev/ttyUSB0"); empty when it is not known.
    virtual std::string device(int portNumber) const = 0;

    virtual std::size_t bytesWaiting() = 0;
    virtual std::uint8_t readByte() = 0; // only when a byte is waiting
    virtual void write(std::span<const std::uint8_t> bytes) = 0;
    // Blocks until a byte is waiting or the time is up; true when one is.
    virtual bool waitForData(int milliseconds) = 0;
};

} // namespace klt
