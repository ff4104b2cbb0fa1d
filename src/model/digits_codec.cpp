#include "model/digits_codec.h"

#include "model/text_format.h"

namespace klt {

namespace {

std::uint8_t DigitNibble(char c) {
    return (c >= '0' && c <= '9') ? static_cast<std::uint8_t>(c - '0') : std::uint8_t{0xF};
}

} // namespace

void DigitsToBcd5(RadioImage &image, Address address, std::string_view digits, bool clearLastNibble) {
    if (Trim(digits).empty()) {
        for (Address i = 0; i < layout::kBcd5Length; ++i) {
            image.set(address + i, 0xFF);
        }
        return;
    }
    std::string padded(digits);
    padded.append(10, ' ');
    for (Address n = 0; n < layout::kBcd5Length; ++n) {
        const auto high = DigitNibble(padded[2 * n]);
        const auto low = DigitNibble(padded[2 * n + 1]);
        image.set(address + n, static_cast<std::uint8_t>(high << 4 | low));
    }
    if (clearLastNibble) {
        const Address last = address + layout::kBcd5Length - 1;
        image.set(last, image.at(last) & 0xF0);
    }
}

std::string Bcd5ToDigits(const RadioImage &image, Address address) {
    std::string digits;
    for (Address n = 0; n < layout::kBcd5Length; ++n) {
        const std::uint8_t byte = image.at(address + n);
        for (const int nibble : {byte >> 4, byte & 0xF}) {
            if (nibble > 9) {
                return digits;
            }
            digits.push_back(static_cast<char>('0' + nibble));
        }
    }
    return digits;
}

} // namespace klt
