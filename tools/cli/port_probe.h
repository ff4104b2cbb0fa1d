#pragma once
// Whether a radio answers the wake-up on a device: the doctor's --probe.

#include <string>

namespace klt::cli {

// Wakes the radio as a transfer does and lets it go again at once; says what came of it.
std::string ProbeForRadio(const std::string &device);

} // namespace klt::cli
