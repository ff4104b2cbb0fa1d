#pragma once
// Decimal rounding and fixed-point formatting that agree with what a person reads: values are taken
// to 15 significant digits first, then rounded half away from zero, so 156.0125 shows as 156.013.

#include <cstdint>
#include <string>

namespace klt {

// value x 10^decimals, rounded half away from zero.
std::int64_t ScaledRound(double value, int decimals);

// At least intDigits integer digits (zero-padded), exactly decimals decimals, "." as separator.
std::string FormatFixed(double value, int intDigits, int decimals);

} // namespace klt
