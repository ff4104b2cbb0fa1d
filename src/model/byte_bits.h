#pragma once
// Bit and bit-field primitives on single bytes. None reports an error: positions out of range give 0
// or false, or leave the byte unchanged.

#include "model/radio_image.h"

#include <cstdint>
#include <string>

namespace klt {

// Position 1 to 8 gives mask 1 << (position - 1) when flag is non-zero, 0 when it is zero.
std::uint8_t ByteBitMask(int flag, int position);

// Position 1 to 8 tests mask 1 << (position - 1).
bool ByteTestBit(std::uint8_t byte, int position);

// Entry n (0 to 7) of the byte at address in MSB-first order.
bool ImageReadBit(const RadioImage &image, Address address, int n);

// 1 when bit k (0 to 7) is set, else 0.
int ByteGetBit(std::uint8_t byte, int k);

// Sets bit k when value is exactly 1, clears it for any other value; k outside 0 to 7 changes nothing.
std::uint8_t ByteSetBit(std::uint8_t byte, int value, int k);

// The count-bit field whose most significant bit is top.
int ByteGetField(std::uint8_t byte, int count, int top);
std::uint8_t ByteSetField(std::uint8_t byte, int count, int top, int value);

// Entry n of an MSB-first bitmap that starts at base.
bool BitmapEntry(const RadioImage &image, Address base, int n);

// Upper-case hexadecimal text of value, zero-padded and cut to its rightmost width characters.
std::string HexDigits(unsigned value, int width);

} // namespace klt
