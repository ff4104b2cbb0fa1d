#pragma once
// What the transfer dialog's OK button runs: the connection start, then the read, write or clear
// flow of the operation code. Success sets the Transfer done flag.

#include "link/radio_link.h"

namespace klt {

void RunTransfer(RadioLink &link, int operation);

// The image as it goes to the radio: encoded, channel references repaired, checksum, and the ATIS
// code marked present when the memory holds one.
void PrepareImageForWrite(RadioImage &image, const Configuration &config);

} // namespace klt
