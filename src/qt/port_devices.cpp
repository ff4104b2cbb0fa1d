#include "qt/port_devices.h"

#include <QSerialPortInfo>

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace klt {

std::vector<std::string> SystemSerialDevices() {
    std::vector<std::pair<bool, std::string>> ports;
    for (const auto &info : QSerialPortInfo::availablePorts()) {
        const bool usb =
            info.hasVendorIdentifier() || info.portName().contains("USB") || info.portName().contains("ACM");
        ports.emplace_back(!usb, info.systemLocation().toStdString());
    }
    std::ranges::sort(ports);
    std::vector<std::string> devices;
    devices.reserve(ports.size());
    for (const auto &port : ports) {
        devices.push_back(port.second);
    }
    return devices;
}

namespace {

// The device named for a number, or nothing when the system's list decides.
std::optional<std::string> NamedDevice(int portNumber, const SettingsStore &store) {
    const std::string number = std::to_string(portNumber);
    if (const char *fromEnvironment = std::getenv(("KLT_COM" + number).c_str());
        fromEnvironment != nullptr && *fromEnvironment != '\0') {
        return fromEnvironment;
    }
    if (std::string stored = store.get("ComPath", "Device" + number, ""); !stored.empty()) {
        return stored;
    }
    return std::nullopt;
}

std::string Nth(const std::vector<std::string> &devices, int portNumber) {
    return portNumber >= 1 && static_cast<std::size_t>(portNumber) <= devices.size()
               ? devices[static_cast<std::size_t>(portNumber - 1)]
               : std::string();
}

} // namespace

std::string ResolvePortDevice(int portNumber, const SettingsStore &store) {
    if (auto named = NamedDevice(portNumber, store)) {
        return *named;
    }
    return Nth(SystemSerialDevices(), portNumber);
}

std::vector<std::string> ResolvePortDevices(int count, const SettingsStore &store) {
    const auto system = SystemSerialDevices();
    std::vector<std::string> devices;
    for (int number = 1; number <= count; ++number) {
        devices.push_back(NamedDevice(number, store).value_or(Nth(system, number)));
    }
    return devices;
}

} // namespace klt
