#include "model/value_codecs.h"

#include <algorithm>
#include <cstdlib>

namespace klt {

namespace {

constexpr int kMaxHalfHours = 24;

} // namespace

std::array<std::uint8_t, 2> ChannelRefToBytes(std::int32_t reference) {
    if (reference < 0) {
        return {0xFF, 0xFF};
    }
    return {static_cast<std::uint8_t>((reference >> 8) & 0xFF), static_cast<std::uint8_t>(reference & 0xFF)};
}

std::uint8_t OffsetToByte(int halfHours) {
    const int clamped = std::clamp(halfHours, -kMaxHalfHours, kMaxHalfHours);
    const int byte = std::abs(clamped) + (clamped >= 0 ? 0x20 : 0);
    return static_cast<std::uint8_t>(byte & 0x7F);
}

int ByteToOffset(std::uint8_t byte) {
    const int magnitude = byte & 0x1F;
    return (byte & 0x20) ? magnitude : -magnitude;
}

const std::array<std::string, 49> &OffsetTexts() {
    static const std::array<std::string, 49> kTexts = [] {
        std::array<std::string, 49> texts;
        for (int count = -kMaxHalfHours; count <= kMaxHalfHours; ++count) {
            const int magnitude = std::abs(count);
            std::string text;
            if (count == 0) {
                text = " 0";
            } else {
                text =
                    (count < 0 ? "-" : "+") + std::to_string(magnitude / 2) + (magnitude % 2 ? ":30" : ":00");
            }
            texts[static_cast<std::size_t>(count + kMaxHalfHours)] = text;
        }
        return texts;
    }();
    return kTexts;
}

std::string OffsetText(int halfHours) {
    if (halfHours < -kMaxHalfHours || halfHours > kMaxHalfHours) {
        return {};
    }
    return OffsetTexts()[static_cast<std::size_t>(halfHours + kMaxHalfHours)];
}

} // namespace klt
