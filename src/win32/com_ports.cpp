#include "win32/com_ports.h"

#include "win32/win32_serial_port.h"

#include <windows.h>

#include <algorithm>
#include <cwctype>
#include <string_view>

namespace klt {

namespace {

std::string Narrow(const std::wstring &wide) {
    std::string text;
    for (const wchar_t c : wide) {
        text.push_back(c < 0x80 ? static_cast<char>(c) : '?'); // port names are ASCII
    }
    return text;
}

// The values of HKLM\HARDWARE\DEVICEMAP\SERIALCOMM: one per port a serial driver serves.
std::vector<std::string> RegisteredPorts() {
    std::vector<std::string> ports;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) !=
        ERROR_SUCCESS) {
        return ports;
    }
    for (DWORD index = 0;; ++index) {
        wchar_t name[256];
        DWORD nameLength = 256;
        wchar_t data[64];
        DWORD dataBytes = sizeof data;
        DWORD type = 0;
        const LONG result = RegEnumValueW(key, index, name, &nameLength, nullptr, &type,
                                          reinterpret_cast<BYTE *>(data), &dataBytes);
        if (result == ERROR_NO_MORE_ITEMS) {
            break;
        }
        if (result == ERROR_SUCCESS && type == REG_SZ) {
            ports.push_back(Narrow(std::wstring(data, wcsnlen(data, dataBytes / sizeof(wchar_t)))));
        }
    }
    RegCloseKey(key);
    return ports;
}

// The system's device names that are COM ports.
std::vector<std::string> DefinedPorts() {
    std::vector<std::string> ports;
    std::wstring names(65536, L'\0');
    const DWORD length = QueryDosDeviceW(nullptr, names.data(), static_cast<DWORD>(names.size()));
    for (std::size_t start = 0; start < length && names[start] != L'\0';) {
        const std::wstring_view name(names.data() + start, wcsnlen(names.data() + start, length - start));
        const bool com =
            name.size() > 3 && name.substr(0, 3) == L"COM" &&
            std::all_of(name.begin() + 3, name.end(), [](wchar_t c) { return std::iswdigit(c); });
        if (com) {
            ports.push_back(Narrow(std::wstring(name)));
        }
        start += name.size() + 1;
    }
    return ports;
}

int PortNumber(const std::string &name) {
    return std::atoi(name.c_str() + 3);
}

} // namespace

std::vector<std::string> ListComPorts() {
    std::vector<std::string> ports = RegisteredPorts();
    if (ports.empty()) {
        ports = DefinedPorts();
    }
    std::sort(ports.begin(), ports.end(),
              [](const std::string &a, const std::string &b) { return PortNumber(a) < PortNumber(b); });
    ports.erase(std::unique(ports.begin(), ports.end()), ports.end());
    return ports;
}

ComPortCheck CheckComPort(const std::string &device) {
    const std::wstring path = [&] {
        const std::string name = Win32DeviceName(device);
        return std::wstring(name.begin(), name.end());
    }();
    HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
        CloseHandle(handle);
        return {ComPortState::Usable, {}};
    }
    const DWORD error = GetLastError();
    const ComPortState state =
        error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND     ? ComPortState::Missing
        : error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION ? ComPortState::InUse
                                                                           : ComPortState::Refused;
    return {state, Win32ErrorText(error)};
}

} // namespace klt
