#include "app/fleet_run.h"
#include "system_port.h"
#include "win32/win32_serial_port.h"

namespace klt::cli {

namespace {

class Win32SystemPorts final : public SystemPorts {
public:
    void runAtOnce(const std::vector<std::function<void()>> &work) override { RunOnStandardThreads(work); }
    std::unique_ptr<SerialPort> port(const std::string &device) override {
        return std::make_unique<Win32SerialPort>([device](int) { return device; });
    }
};

} // namespace

std::unique_ptr<SystemPorts> MakeSystemPorts() {
    return std::make_unique<Win32SystemPorts>();
}

} // namespace klt::cli
