#pragma once
// What the user is told when the line to the radio fails: the port by its number and device, and
// what to check.

#include "link/outcome.h"

#include <string>
#include <vector>

namespace klt {

// What a failed transfer may have left in the radio.
enum class RadioChange {
    None,       // nothing was sent to the radio's memory
    Programmed, // part of a write went through
    Cleared,    // part of a clear went through
};

// "COM1 (/dev/ttyUSB0)", or "COM1" when the device is not known.
std::string PortText(int portNumber, const std::string &device);

// The connection could not be made: no answer, or garbled answers.
std::string NoConnectionText(const std::string &port, Outcome outcome);

// "Communication Error!!", then why and what to check, and what the radio may now hold.
std::string CommunicationErrorText(const std::string &port, Outcome outcome, RadioChange change);

// A change that stopped early, cancelled or by a fault of the port, after part of it reached the radio.
std::string InterruptedChangeText(Outcome outcome, RadioChange change);

// A verified write that all went through.
inline constexpr const char *kVerifiedNote = "Verified: the radio holds every byte that was written.";
// A write the radio acknowledged but does not hold: the settings that differ ("[Section] Key: written
// -> held"), and what the radio may now hold.
std::string VerifyErrorText(const std::vector<std::string> &differences);

} // namespace klt
