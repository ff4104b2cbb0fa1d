#pragma once
// Moving radio memory block by block: "#CEPRD" reads and "#CEPWR" writes, each acknowledged,
// check-summed and retried, and the whole-memory read and write in their fixed order.

#include "link/radio_link.h"

#include <functional>
#include <span>
#include <string>

namespace klt {

// buffer[address .. address + length - 1] from the radio; the outcome is in the Link error and
// Cancel flags.
void ReadBlock(RadioLink &link, std::span<std::uint8_t> buffer, Address address, int length);
// image[address .. address + length - 1] to the radio.
void WriteBlock(RadioLink &link, const RadioImage &image, Address address, int length);

// Single-byte writes of first..last: every byte is attempted, and the run fails when any byte
// failed. Stops early only when the user cancels.
void WriteByteRun(RadioLink &link, const RadioImage &image, Address first, Address last);

void ReadData(RadioLink &link, std::span<std::uint8_t> buffer);
void WriteData(RadioLink &link);

// The end of every transfer procedure: the port closed, then "Communication Error!!" under errorTitle
// when it failed, or a pause when it succeeded; nothing when the user cancelled.
void FinishTransfer(RadioLink &link, const std::string &errorTitle);

// Takes a whole read into the image, except the areas the radio keeps for itself.
void MergeReadImage(RadioImage &image, std::span<const std::uint8_t> buffer);

// Runs a transfer procedure; a failure of the port itself is logged under source, shown, sets the
// Cancel flag and closes the port.
void GuardPortFaults(RadioLink &link, const std::string &source, const std::function<void()> &procedure);

} // namespace klt
