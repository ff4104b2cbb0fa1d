#pragma once
// Channel references, the time offset and flags as the radio stores them.

#include <array>
#include <cstdint>
#include <string>

namespace klt {

// Expansion channel k (1 to 64) is channel reference 239 + k.
constexpr std::int64_t kFirstExpReference = 240;
// The reference of no channel, as the image holds it.
constexpr std::uint16_t kNoChannelReference = 0xFFFF;

// Big-endian; a negative reference (none) gives 0xFF 0xFF.
std::array<std::uint8_t, 2> ChannelRefToBytes(std::int32_t reference);

// Half-hour count, clamped to -24..+24: bits 0-4 magnitude, bit 5 set for zero or positive.
std::uint8_t OffsetToByte(int halfHours);
int ByteToOffset(std::uint8_t byte);

// The 49 texts from "-12:00" (index 0) to "+12:00"; index 24 is " 0".
const std::array<std::string, 49> &OffsetTexts();
// Empty outside -24..+24.
std::string OffsetText(int halfHours);

inline std::uint8_t BoolToByte(bool flag) {
    return flag ? 1 : 0;
}

} // namespace klt
