#pragma once
// A write that proves itself: every block the write touched is read back with the protocol's own
// block reads, and each byte that was sent is compared with the byte the radio now holds.

#include "link/outcome.h"
#include "link/radio_link.h"
#include "model/image_layout.h"
#include "model/radio_image.h"

#include <optional>
#include <string>
#include <vector>

namespace klt {

// The bytes a write sends, in its order: the single-byte runs and the whole blocks.
std::vector<layout::Range> WrittenRanges();

// The user MMSI the radio holds now (its nine digits; empty when it has none), read with one block
// read. Nothing when the read did not complete.
std::optional<std::string> ReadRadioMmsi(RadioLink &link, Outcome &outcome);

// The question before a write that would change the radio's identity; nothing when it would not
// (the radio has none, or the configuration keeps it).
std::optional<std::string> IdentityQuestion(const std::string &radioMmsi, const std::string &configuredMmsi);

// Reads the blocks that hold the ranges into held. A cancelled read tells the radio to stop, as a
// cancelled read does.
Outcome ReadRanges(RadioLink &link, const std::vector<layout::Range> &ranges, RadioImage &held);

// Reads back the blocks that hold the ranges into held (which starts as a copy of what was sent) and
// lists the addresses of the ranges whose byte differs.
Outcome VerifyRanges(RadioLink &link, const std::vector<layout::Range> &ranges, const RadioImage &sent,
                     RadioImage &held, std::vector<Address> &differing);

// VerifyRanges over what the write sends.
Outcome VerifyWrite(RadioLink &link, const RadioImage &sent, RadioImage &held,
                    std::vector<Address> &differing);

} // namespace klt
