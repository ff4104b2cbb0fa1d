// The radio's own channel references: which channel it was on, and the slots it keeps per group.
// They must point at channels the written configuration still offers, or the radio starts on a
// channel that no longer exists.

#include "model/byte_bits.h"
#include "model/image_mapping.h"
#include "model/text_format.h"

#include <optional>

namespace klt {

namespace {

using namespace layout;

constexpr std::int64_t kFirstExpReference = 240; // expansion channel k is 239 + k
constexpr std::int64_t kLastExpReference = kFirstExpReference + kExpChannelCount - 1;

bool GroupUsable(const RadioImage &image, int group) {
    return image.at(kGroupBlock + kGroupStride * static_cast<Address>(group) + kGroupUsableOffset) != 0;
}

int RepairCurrentGroup(RadioImage &image) {
    int group = image.at(kCurrentGroup);
    if (group > 2 || GroupUsable(image, group)) {
        return group;
    }
    for (const int candidate : {(group + 1) % 3, (group + 2) % 3}) {
        if (GroupUsable(image, candidate)) {
            image.set(kCurrentGroup, static_cast<std::uint8_t>(candidate));
            return candidate;
        }
    }
    return group;
}

std::optional<std::int64_t> FirstEnabledChannel(const Configuration &config, int group) {
    for (const auto &record : PlanTable(config, group)) {
        if (record.Enable) {
            return record.Position;
        }
    }
    for (std::size_t i = 0; i < config.Expansion.size(); ++i) {
        if (config.Expansion[i].Enable) {
            return kFirstExpReference + static_cast<std::int64_t>(i);
        }
    }
    return std::nullopt;
}

void RepairCurrentChannel(RadioImage &image, const Configuration &config) {
    const int group = RepairCurrentGroup(image);
    if (group > 2) {
        return;
    }
    const std::int64_t current = image.be16(kCurrentChannel);
    const auto result =
        ChannelUsable(image, current, group) ? std::optional(current) : FirstEnabledChannel(config, group);
    if (result) {
        image.setBe16(kCurrentChannel, static_cast<std::uint16_t>(*result));
        image.setBe16(kSecondCurrentChannel, static_cast<std::uint16_t>(*result));
    }
}

void RepairCurrentWeather(RadioImage &image) {
    const int current = image.at(kCurrentWeather);
    std::optional<int> result;
    if (current >= kWeatherChannelCount || BitmapEntry(image, kWeatherEnableBitmap, current)) {
        result = current;
    } else {
        for (int w = 0; w < kWeatherChannelCount && !result; ++w) {
            if (BitmapEntry(image, kWeatherEnableBitmap, w)) {
                result = w;
            }
        }
    }
    if (result) {
        image.set(kCurrentWeather, static_cast<std::uint8_t>(*result));
        image.setBe16(kCurrentChannel, static_cast<std::uint16_t>(*result));
    }
}

} // namespace

bool ChannelUsable(const RadioImage &image, std::int64_t reference, int group) {
    if (reference >= 0 && reference < kPlanChannelCount) {
        return group >= 0 && group <= 2 && GroupUsable(image, group) &&
               BitmapEntry(image, kPlanEnableBitmap[static_cast<std::size_t>(group)],
                           static_cast<int>(reference));
    }
    if (reference >= kFirstExpReference && reference <= kLastExpReference) {
        return ByteGetBit(image.at(kExpGroupUsable), kExpGroupUsableBit) == 1 &&
               BitmapEntry(image, kExpEnableBitmap, static_cast<int>(reference - kFirstExpReference));
    }
    return false;
}

void CheckChannelRefs(RadioImage &image, const Configuration &config) {
    const int mode = image.at(kCurrentMode);
    if (mode == 0) {
        RepairCurrentChannel(image, config);
    } else if (mode == 1) {
        RepairCurrentWeather(image);
    }
    for (int g = 0; g < 3; ++g) {
        for (int s = 0; s < kRadioChannelRefSlots; ++s) {
            const Address slot = kRadioChannelRefs + kRadioChannelRefGroupStride * static_cast<Address>(g) +
                                 2 * static_cast<Address>(s);
            if (!ChannelUsable(image, image.be16(slot), g)) {
                image.setBe16(slot, 0xFFFF);
            }
        }
    }
    image.set(kUserMmsiPresent, Trim(config.DscBasic.UserMmsi).empty() ? 0 : 1);
}

} // namespace klt
