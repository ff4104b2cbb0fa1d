#pragma once
// The system's serial ports on Windows through the Win32 communications API, for the command line
// that is built without Qt: a port is a file ("\\.\COM5") with its line settings (SetCommState) and
// its read timeouts (SetCommTimeouts).

#include "link/serial_port.h"

#include <deque>
#include <functional>
#include <string>

namespace klt {

class Win32SerialPort final : public SerialPort {
public:
    // Port number to device name ("COM5"); empty when there is no such port.
    using DeviceResolver = std::function<std::string(int portNumber)>;

    explicit Win32SerialPort(DeviceResolver resolve) : resolve_(std::move(resolve)) {}
    ~Win32SerialPort() override;
    Win32SerialPort(const Win32SerialPort &) = delete;
    Win32SerialPort &operator=(const Win32SerialPort &) = delete;

    std::optional<Fault> open(int portNumber, const std::string &settings) override;
    void close() override;
    bool isOpen() const override { return handle_ != nullptr; }
    std::string settings() const override { return settings_; }
    std::string device(int portNumber) const override { return resolve_(portNumber); }
    std::size_t bytesWaiting() override;
    std::uint8_t readByte() override;
    void write(std::span<const std::uint8_t> bytes) override;
    bool waitForData(int milliseconds) override;

private:
    enum class ReadMode { None, Immediate, Waiting };

    // Reads what the line holds, waiting up to the given time for the first byte (0: not at all).
    void readInto(std::size_t most, int milliseconds);
    void setReadMode(ReadMode mode, int milliseconds);
    [[noreturn]] void throwFault(unsigned long error);

    DeviceResolver resolve_;
    void *handle_ = nullptr; // the Win32 HANDLE; nullptr while closed
    std::string device_;
    std::string settings_;
    std::deque<std::uint8_t> received_;
    ReadMode mode_ = ReadMode::None;
    int waitingMs_ = -1;
};

// "COM5", "com5" or "\\.\COM12" as the name CreateFile opens ("\\.\COM5"); other names as they are.
std::string Win32DeviceName(const std::string &device);

// The system's words for a Win32 error number, in UTF-8.
std::string Win32ErrorText(unsigned long error);

} // namespace klt
