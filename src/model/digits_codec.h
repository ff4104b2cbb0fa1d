#pragma once
// MMSI, ATIS code and directory numbers: ten packed-decimal nibbles in five bytes, high nibble first.

#include "model/radio_image.h"

#include <string>
#include <string_view>

namespace klt {

// An empty (blank) text writes five 0xFF bytes. Otherwise each character "0" to "9" gives its digit
// and anything else 0xF. With clearLastNibble (MMSI fields) the tenth nibble is forced to 0.
void DigitsToBcd5(RadioImage &image, Address address, std::string_view digits, bool clearLastNibble);

// The digits up to the first nibble above 9.
std::string Bcd5ToDigits(const RadioImage &image, Address address);

} // namespace klt
