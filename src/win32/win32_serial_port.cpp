#include "win32/win32_serial_port.h"

#include "link/line_settings.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <vector>

namespace klt {

namespace {

std::wstring Wide(const std::string &text) {
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

BYTE Parity(char letter) {
    switch (letter) {
    case 'E':
        return EVENPARITY;
    case 'O':
        return ODDPARITY;
    case 'M':
        return MARKPARITY;
    case 'S':
        return SPACEPARITY;
    default:
        return NOPARITY;
    }
}

// 8 data bits, no flow control of any kind: the radio's cable carries only its data lines.
bool ApplyLineSettings(HANDLE handle, const LineSettings &line) {
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!GetCommState(handle, &dcb)) {
        return false;
    }
    dcb.BaudRate = static_cast<DWORD>(line.baud);
    dcb.ByteSize = static_cast<BYTE>(line.dataBits);
    dcb.Parity = Parity(line.parity);
    dcb.fParity = line.parity == 'N' ? FALSE : TRUE;
    dcb.StopBits = line.stopBits == 2 ? TWOSTOPBITS : ONESTOPBIT;
    dcb.fBinary = TRUE;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fErrorChar = FALSE;
    dcb.fNull = FALSE;
    dcb.fAbortOnError = FALSE;
    return SetCommState(handle, &dcb) != 0;
}

// What to do about a port that will not open, by the system's reason.
std::string OpenAdvice(DWORD error, const std::string &device) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return "There is no serial port " + device +
               ". Plug in the cable (Device Manager lists its port under \"Ports (COM & LPT)\"), or name "
               "another port.";
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return "The serial port " + device +
               " is in use by another program. Close the program that has it open (another programming "
               "tool, a terminal, a chart plotter's software) and try again.";
    default:
        return "The serial port " + device + " could not be opened.";
    }
}

} // namespace

std::string Win32DeviceName(const std::string &device) {
    std::string upper = device;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    const bool comName =
        upper.size() > 3 && upper.compare(0, 3, "COM") == 0 &&
        std::all_of(upper.begin() + 3, upper.end(), [](unsigned char c) { return std::isdigit(c); });
    // COM10 and above open only through the device namespace; COM1 to COM9 open either way.
    return comName ? "\\\\.\\" + upper : device;
}

std::string Win32ErrorText(unsigned long error) {
    wchar_t *buffer = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                            FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, error, 0, reinterpret_cast<wchar_t *>(&buffer), 0, nullptr);
    if (length == 0 || buffer == nullptr) {
        return "system error " + std::to_string(error);
    }
    std::wstring wide(buffer, length);
    LocalFree(buffer);
    while (!wide.empty() &&
           (wide.back() == L'\n' || wide.back() == L'\r' || wide.back() == L' ' || wide.back() == L'.')) {
        wide.pop_back();
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size, nullptr,
                        nullptr);
    return text;
}

Win32SerialPort::~Win32SerialPort() {
    close();
}

std::optional<Fault> Win32SerialPort::open(int portNumber, const std::string &settings) {
    close();
    const std::string device = resolve_(portNumber);
    if (device.empty()) {
        return Fault{static_cast<int>(ERROR_FILE_NOT_FOUND),
                     "There is no serial port COM" + std::to_string(portNumber) +
                         ": no serial device stands for that number."};
    }
    const auto line = ParseLineSettings(settings);
    if (!line) {
        return Fault{8005, "Invalid port settings " + settings};
    }
    // Opened for this program alone, as serial devices must be, and without overlapped I/O: the
    // link runs on a thread of its own and waits through the read timeouts.
    HANDLE handle = CreateFileW(Wide(Win32DeviceName(device)).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return Fault{static_cast<int>(error), OpenAdvice(error, device), Win32ErrorText(error)};
    }
    if (!ApplyLineSettings(handle, *line)) {
        const DWORD error = GetLastError();
        CloseHandle(handle);
        return Fault{static_cast<int>(error),
                     "The serial port " + device + " refused the settings " + settings,
                     Win32ErrorText(error)};
    }
    PurgeComm(handle, PURGE_RXCLEAR | PURGE_TXCLEAR);
    handle_ = handle;
    device_ = device;
    settings_ = LineSettingsText(*line);
    mode_ = ReadMode::None;
    received_.clear();
    return std::nullopt;
}

void Win32SerialPort::close() {
    if (handle_ != nullptr) {
        CloseHandle(static_cast<HANDLE>(handle_));
        handle_ = nullptr;
    }
    received_.clear();
    mode_ = ReadMode::None;
}

void Win32SerialPort::throwFault(unsigned long error) {
    // The device went away under the program: a cable pulled out, an adapter gone.
    const Fault fault{static_cast<int>(error), "The serial port " + device_ + " stopped working (" +
                                                   Win32ErrorText(error) +
                                                   "): check that the cable is still plugged in."};
    close();
    throw PortFault{fault};
}

void Win32SerialPort::setReadMode(ReadMode mode, int milliseconds) {
    if (mode == mode_ && (mode != ReadMode::Waiting || milliseconds == waitingMs_)) {
        return;
    }
    // Immediate: a read returns at once with what the line holds. Waiting: it returns as soon as one
    // byte has come, or empty when the time is up.
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = MAXDWORD;
    if (mode == ReadMode::Waiting) {
        timeouts.ReadTotalTimeoutMultiplier = MAXDWORD;
        timeouts.ReadTotalTimeoutConstant = static_cast<DWORD>(milliseconds);
    }
    timeouts.WriteTotalTimeoutConstant = 5000;
    if (!SetCommTimeouts(static_cast<HANDLE>(handle_), &timeouts)) {
        throwFault(GetLastError());
    }
    mode_ = mode;
    waitingMs_ = milliseconds;
}

void Win32SerialPort::readInto(std::size_t most, int milliseconds) {
    setReadMode(milliseconds > 0 ? ReadMode::Waiting : ReadMode::Immediate, milliseconds);
    std::vector<std::uint8_t> buffer(std::max<std::size_t>(most, 1));
    DWORD got = 0;
    if (!ReadFile(static_cast<HANDLE>(handle_), buffer.data(), static_cast<DWORD>(buffer.size()), &got,
                  nullptr)) {
        throwFault(GetLastError());
    }
    received_.insert(received_.end(), buffer.begin(), buffer.begin() + got);
}

std::size_t Win32SerialPort::bytesWaiting() {
    if (handle_ == nullptr) {
        return received_.size();
    }
    DWORD errors = 0;
    COMSTAT status{};
    if (!ClearCommError(static_cast<HANDLE>(handle_), &errors, &status)) {
        throwFault(GetLastError());
    }
    if (status.cbInQue > 0) {
        readInto(status.cbInQue, 0);
    }
    return received_.size();
}

std::uint8_t Win32SerialPort::readByte() {
    if (received_.empty() && bytesWaiting() == 0) {
        return 0;
    }
    const std::uint8_t byte = received_.front();
    received_.pop_front();
    return byte;
}

void Win32SerialPort::write(std::span<const std::uint8_t> bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        DWORD written = 0;
        if (!WriteFile(static_cast<HANDLE>(handle_), bytes.data() + sent,
                       static_cast<DWORD>(bytes.size() - sent), &written, nullptr)) {
            throwFault(GetLastError());
        }
        if (written == 0) {
            throwFault(ERROR_TIMEOUT); // the line took nothing for the whole write timeout
        }
        sent += written;
    }
}

bool Win32SerialPort::waitForData(int milliseconds) {
    if (bytesWaiting() > 0) {
        return true;
    }
    if (milliseconds > 0) {
        readInto(1, milliseconds);
    }
    return !received_.empty();
}

} // namespace klt
