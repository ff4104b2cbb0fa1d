#pragma once
// Moving radio memory block by block: "#CEPRD" reads and "#CEPWR" writes, each acknowledged,
// check-summed and retried, and the whole-memory read and write in their fixed order.

#include "link/line_messages.h"
#include "link/outcome.h"
#include "link/radio_link.h"
#include "model/radio_image.h"

#include <functional>
#include <span>
#include <string>

namespace klt {

// The bytes of one exchange of a whole read or write.
constexpr int kBlockLength = 64;

// buffer[address .. address + length - 1] from the radio.
Outcome ReadBlock(RadioLink &link, std::span<std::uint8_t> buffer, Address address, int length);
// image[address .. address + length - 1] to the radio.
Outcome WriteBlock(RadioLink &link, const RadioImage &image, Address address, int length);

// Single-byte writes of the range: every byte is attempted, and the run fails when any byte failed.
// It stops early when the user cancels, and when a byte met silence on all its attempts: the radio
// is gone, and every later byte would only wait out its retries.
Outcome WriteByteRun(RadioLink &link, const RadioImage &image, layout::Range bytes);

// The whole memory into the buffer; a cancelled read tells the radio to stop.
Outcome ReadData(RadioLink &link, std::span<std::uint8_t> buffer);
// The image's regions in the write order.
Outcome WriteData(RadioLink &link, const RadioImage &image);

// The end of every transfer procedure: the port closed, then "Communication Error!!" under
// errorTitle after a failure, or a pause after success. A cancelled change that reached the radio
// is told, since the radio may now hold part of it.
void FinishTransfer(RadioLink &link, Outcome outcome, const std::string &errorTitle,
                    RadioChange change = RadioChange::None);

// Takes a whole read into the image, except the areas the radio keeps for itself.
void MergeReadImage(RadioImage &image, std::span<const std::uint8_t> buffer);

// Runs a transfer procedure. A failure of the port itself is logged under source and shown, the
// port is closed, and the procedure ends with PortFailed.
Outcome GuardPortFaults(RadioLink &link, const std::string &source,
                        const std::function<Outcome()> &procedure);

} // namespace klt
