#pragma once
// The system's serial ports through QSerialPort.

#include "link/serial_port.h"

#include <QSerialPort>

#include <functional>
#include <string>

namespace klt {

class QtSerialPort final : public SerialPort {
public:
    // Port number to device path ("/dev/ttyUSB0"); empty when there is no such port.
    using DeviceResolver = std::function<std::string(int portNumber)>;

    explicit QtSerialPort(DeviceResolver resolve) : resolve_(std::move(resolve)) {}

    std::optional<Fault> open(int portNumber, const std::string &settings) override;
    void close() override;
    bool isOpen() const override { return port_.isOpen(); }
    std::string settings() const override;
    std::string device(int portNumber) const override { return resolve_(portNumber); }
    std::size_t bytesWaiting() override;
    std::uint8_t readByte() override;
    void write(std::span<const std::uint8_t> bytes) override;
    bool waitForData(int milliseconds) override;

private:
    void ThrowOnFault();

    DeviceResolver resolve_;
    QSerialPort port_;
    std::string device_; // the device opened last
};

// "57600,N,8,1" applied to a port; false for a settings string it cannot take.
bool ApplyLineSettings(QSerialPort &port, const std::string &settings);

} // namespace klt
