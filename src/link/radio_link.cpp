#include "link/radio_link.h"

#include "link/line_messages.h"
#include "model/text_format.h"

#include <algorithm>

namespace klt {

namespace {

constexpr int kSendDelayMs = 10;
constexpr int kMonitorPauseMs = 500;
// Each turn of a receive loop blocks on the port at most this long, so a transfer costs little CPU
// while the Cancel button stays live.
constexpr int kPollMs = 5;

} // namespace

std::string RadioLink::PortText() const {
    std::string device = port_.device(settings_.portNumber); // returned as it is: moved, not copied
    if (settings_.byDevice && !device.empty()) {
        return device;
    }
    return klt::PortText(settings_.portNumber, device);
}

std::string RadioLink::TransferSettings() const {
    return settings_.slowLink ? kSlowSettings : kFastSettings;
}

bool RadioLink::PortInit() {
    ClosePort();
    if (const auto fault = port_.open(settings_.portNumber, kSlowSettings)) {
        ui_.message(MessageIcon::Error, fault->description, "Port Inicialize Error!!");
        log_.append("frmRadio.PortInit", *fault);
        return false;
    }
    ShowMonitor(port_.settings());
    return true;
}

bool RadioLink::PortInitCP() {
    ClosePort();
    if (const auto fault = port_.open(settings_.portNumber, TransferSettings())) {
        log_.append("frmRadio.PortInitCP", *fault);
        return false;
    }
    ShowMonitor(port_.settings());
    return true;
}

bool RadioLink::PortOpen() {
    if (port_.isOpen()) {
        return true;
    }
    if (const auto fault = port_.open(settings_.portNumber, TransferSettings())) {
        log_.append("frmRadio.PortOpen", *fault);
        return false;
    }
    return true;
}

void RadioLink::ClosePort() {
    if (port_.isOpen()) {
        port_.close();
    }
}

void RadioLink::FlushInput() {
    while (port_.bytesWaiting() > 0) {
        port_.readByte();
    }
}

void RadioLink::SendByte(std::uint8_t byte) {
    FlushInput();
    SendBytes(std::span(&byte, 1));
}

void RadioLink::SendBytes(std::span<const std::uint8_t> bytes) {
    ui_.sleep(kSendDelayMs);
    // A Cancel during the wait stops the send: nothing goes to the radio after the user's Cancel.
    if (Cancelled()) {
        return;
    }
    port_.write(bytes);
    ++sends_;
}

void RadioLink::SendAbort(std::uint8_t byte) {
    FlushInput();
    ui_.sleep(kSendDelayMs);
    port_.write(std::span(&byte, 1));
}

void RadioLink::SendLine(std::string_view text) {
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0x0D);
    bytes.push_back(0x0A);
    SendBytes(bytes);
}

void RadioLink::SendShortCommand(std::string_view text) {
    if (text.size() == 8) {
        SendLine(text);
    }
}

std::chrono::steady_clock::time_point RadioLink::Deadline(int seconds) {
    return clock_.now() + std::chrono::seconds(seconds);
}

LinkResult RadioLink::NextByte(std::chrono::steady_clock::time_point deadline, std::uint8_t &byte) {
    for (;;) {
        // The link runs beside the user interface, never inside it: a Cancel is seen after every byte
        // and every short wait on the line.
        if (port_.bytesWaiting() == 0) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - clock_.now()).count();
            port_.waitForData(static_cast<int>(std::clamp<long long>(left, 0, kPollMs)));
        }
        const bool got = port_.bytesWaiting() > 0;
        if (got) {
            byte = port_.readByte();
        }
        if (cancel_.requested) {
            return LinkResult::Cancelled;
        }
        if (clock_.now() > deadline) {
            return LinkResult::TimedOut;
        }
        if (got) {
            return LinkResult::Ok;
        }
    }
}

LinkResult RadioLink::WaitForByte(std::uint8_t expected, int seconds) {
    const auto deadline = Deadline(seconds);
    for (;;) {
        std::uint8_t byte = 0;
        if (const auto result = NextByte(deadline, byte); result != LinkResult::Ok) {
            return result;
        }
        if (byte == expected) {
            return LinkResult::Ok;
        }
    }
}

LinkResult RadioLink::ReadLine(int seconds, std::string &text) {
    text.clear();
    const auto deadline = Deadline(seconds);
    for (;;) {
        std::uint8_t byte = 0;
        if (const auto result = NextByte(deadline, byte); result != LinkResult::Ok) {
            return result;
        }
        if (byte == 0x0D) {
            if (const auto result = NextByte(deadline, byte); result != LinkResult::Ok) {
                return result;
            }
            return byte == 0x0A ? LinkResult::Ok : LinkResult::BadLineEnd;
        }
        text.push_back(static_cast<char>(byte));
    }
}

LinkResult RadioLink::ReadChars(std::size_t count, int seconds, std::string &text) {
    text.clear();
    const auto deadline = Deadline(seconds);
    while (text.size() < count) {
        std::uint8_t byte = 0;
        if (const auto result = NextByte(deadline, byte); result != LinkResult::Ok) {
            return result;
        }
        text.push_back(static_cast<char>(byte));
        if (EqualsIgnoreCase(text, "ERROR")) {
            return LinkResult::RadioError;
        }
    }
    return LinkResult::Ok;
}

LinkResult RadioLink::ReadToLineEnd(int seconds, std::string &text) {
    text.clear();
    const auto deadline = Deadline(seconds);
    std::uint8_t byte = 0;
    for (;;) {
        if (const auto result = NextByte(deadline, byte); result != LinkResult::Ok) {
            return result;
        }
        if (byte == 0x0D) {
            break;
        }
        text.push_back(static_cast<char>(byte));
    }
    do {
        if (const auto result = NextByte(deadline, byte); result != LinkResult::Ok) {
            return result;
        }
    } while (byte != 0x0A);
    return LinkResult::Ok;
}

void RadioLink::ShowMonitor(const std::string &text) {
    if (settings_.debugMode) {
        ui_.monitor(text);
        ui_.pause(kMonitorPauseMs);
    }
}

} // namespace klt
