#pragma once
// Frequencies: three packed-decimal bytes of (MHz - 100) at 100 Hz resolution, and their display texts.
// A frequency of 0 means no frequency.

#include "model/radio_image.h"

#include <array>
#include <cstdint>
#include <string>

namespace klt {

using FreqBytes = std::array<std::uint8_t, 3>;

// 156.800 gives 56 80 00. Frequencies of 100 MHz or less, and those of 200 MHz or more that three
// bytes cannot hold, give 00 00 00 (no frequency).
FreqBytes FreqToBcd(double mhz);
void ImageWriteFreq(RadioImage &image, Address address, double mhz);

// 0 for no frequency: all zero, all 0xFF, or any nibble that is not a decimal digit.
double BcdToFreq(const RadioImage &image, Address address);
double BcdToFreq(const FreqBytes &bytes);

// Off the 5 kHz and 12.5 kHz rasters, the frequency drops to the 5 kHz step below it.
void FreqSnap(double &mhz);
bool FreqIs25k(double mhz);

std::string FreqText3(double mhz);                      // "156.800" or "---.---"
std::string FreqText3Unless(double mhz, bool suppress); // "---.---" also when suppressed
std::string FreqText4(double &mhz);                     // snaps, then "156.8000" or "---.----"

} // namespace klt
