#include "model/byte_bits.h"

namespace klt {

std::uint8_t ByteBitMask(int flag, int position) {
    if (flag == 0 || position < 1 || position > 8) {
        return 0;
    }
    return static_cast<std::uint8_t>(1u << (position - 1));
}

bool ByteTestBit(std::uint8_t byte, int position) {
    return ByteBitMask(1, position) & byte;
}

bool ImageReadBit(const RadioImage &image, Address address, int n) {
    return ByteTestBit(image.at(address), 8 - n);
}

int ByteGetBit(std::uint8_t byte, int k) {
    return (k >= 0 && k <= 7) ? (byte >> k) & 1 : 0;
}

std::uint8_t ByteSetBit(std::uint8_t byte, int value, int k) {
    if (k < 0 || k > 7) {
        return byte;
    }
    const auto mask = static_cast<std::uint8_t>(1u << k);
    return value == 1 ? static_cast<std::uint8_t>(byte | mask) : static_cast<std::uint8_t>(byte & ~mask);
}

int ByteGetField(std::uint8_t byte, int count, int top) {
    int value = 0;
    for (int j = 0; j < count; ++j) {
        value += ByteGetBit(byte, top - count + 1 + j) << j;
    }
    return value;
}

std::uint8_t ByteSetField(std::uint8_t byte, int count, int top, int value) {
    // Digit i (1-based, most significant first) of the count-digit binary value goes to bit top + 1 - i.
    for (int i = 1; i <= count; ++i) {
        const int digit = (value >> (count - i)) & 1;
        byte = ByteSetBit(byte, digit, top + 1 - i);
    }
    return byte;
}

bool BitmapEntry(const RadioImage &image, Address base, int n) {
    return ImageReadBit(image, base + static_cast<Address>(n / 8), n % 8);
}

std::string HexDigits(unsigned value, int width) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    if (width <= 0) {
        return {};
    }
    std::string text;
    do {
        text.insert(text.begin(), kDigits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    if (static_cast<int>(text.size()) < width) {
        text.insert(0, static_cast<std::size_t>(width) - text.size(), '0');
    }
    return text.substr(text.size() - static_cast<std::size_t>(width));
}

} // namespace klt
