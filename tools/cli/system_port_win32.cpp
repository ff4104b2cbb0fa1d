#include "system_port.h"
#include "win32/win32_serial_port.h"

namespace klt::cli {

namespace {

class Win32SystemPort final : public SystemPort {
public:
    explicit Win32SystemPort(const std::string &device) : port_([device](int) { return device; }) {}
    SerialPort &port() override { return port_; }

private:
    Win32SerialPort port_;
};

} // namespace

std::unique_ptr<SystemPort> MakeSystemPort(const std::string &device) {
    return std::make_unique<Win32SystemPort>(device);
}

} // namespace klt::cli
