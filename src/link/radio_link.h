#pragma once
// The one serial line to the radio: the port's set-up for each phase of a connection, sends, and the
// receive primitives with their deadlines and their reaction to the user's Cancel.

#include "base/cancel_request.h"
#include "base/error_log.h"
#include "base/ui.h"
#include "link/link_clock.h"
#include "link/serial_port.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace klt {

enum class LinkResult : int { Ok = 0, Cancelled = 1, TimedOut = 3, RadioError = 8, BadLineEnd = -1 };

inline constexpr const char *kSlowSettings = "19200,N,8,1";
inline constexpr const char *kFastSettings = "57600,N,8,1";

// How the link is to work: the user's choices and the program's mode.
struct LinkSettings {
    int portNumber = 1;
    bool slowLink = false;  // the transfer speed stays at 19200 bit/s
    bool debugMode = false; // the monitor line, with a pause after each text
    int retryCount = 3;     // attempts of every exchange that retries
    // The port is known by its device alone (a fleet's rows name devices): messages name the device,
    // not a port number that stands for nothing.
    bool byDevice = false;
};

class RadioLink {
public:
    RadioLink(SerialPort &port, Ui &ui, LinkClock &clock, CancelRequest &cancel, ErrorLog log,
              LinkSettings settings)
        : port_(port), ui_(ui), clock_(clock), cancel_(cancel), log_(std::move(log)), settings_(settings) {}

    Ui &ui() { return ui_; }
    CancelRequest &cancel() { return cancel_; }
    const ErrorLog &log() const { return log_; }
    LinkSettings &settings() { return settings_; }
    const LinkSettings &settings() const { return settings_; }
    // The title of the link's messages: the caption of the operation running.
    const std::string &caption() const { return caption_; }
    void setCaption(std::string caption) { caption_ = std::move(caption); }
    // A line that follows "Complete!!" at the end of the run ("Verified: ...").
    const std::string &completionNote() const { return completionNote_; }
    void setCompletionNote(std::string note) { completionNote_ = std::move(note); }

    bool PortInit();   // 19200 bit/s for the wake-up and the speed command
    bool PortInitCP(); // the transfer speed: 57600 bit/s, 19200 in slow-link mode
    bool PortOpen();   // as PortInitCP, but an open port is kept as it is
    void ClosePort();
    void FlushInput();

    // Sends wait first; a Cancel during the wait sends nothing.
    void SendByte(std::uint8_t byte);
    void SendBytes(std::span<const std::uint8_t> bytes);
    // The abort a cancelled read owes the radio: sent whatever the Cancel.
    void SendAbort(std::uint8_t byte);
    void SendLine(std::string_view text);
    void SendShortCommand(std::string_view text); // exactly 8 characters, else nothing

    LinkResult WaitForByte(std::uint8_t byte, int seconds);
    LinkResult ReadLine(int seconds, std::string &text);
    LinkResult ReadChars(std::size_t count, int seconds, std::string &text);
    LinkResult ReadToLineEnd(int seconds, std::string &text);

    // In debug mode: the text on the monitor line, then a pause.
    void ShowMonitor(const std::string &text);

    // Whether the user has asked to stop.
    bool Cancelled() const { return cancel_.requested; }

    // The port as the user knows it: "COM1 (/dev/ttyUSB0)".
    std::string PortText() const;

    // How many sends have gone out on the line: a flow tells by it whether a change reached the radio.
    std::size_t Sends() const { return sends_; }

private:
    // Waits for the next byte under the deadline; the Cancel flag and the deadline end it.
    LinkResult NextByte(std::chrono::steady_clock::time_point deadline, std::uint8_t &byte);
    std::chrono::steady_clock::time_point Deadline(int seconds);
    std::string TransferSettings() const;

    SerialPort &port_;
    Ui &ui_;
    LinkClock &clock_;
    CancelRequest &cancel_;
    ErrorLog log_;
    LinkSettings settings_;
    std::string completionNote_;
    std::string caption_;
    std::size_t sends_ = 0;
};

} // namespace klt
