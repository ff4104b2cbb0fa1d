// The radio's own channel references: which channel it was on, and the slots it keeps per group.
// They must point at channels the written configuration still offers, or the radio starts on a
// channel that no longer exists.

#include "model/byte_bits.h"
#include "model/image_mapping.h"
#include "model/record_views.h"
#include "model/text_format.h"

#include <optional>

namespace klt {

namespace {

using namespace layout;

constexpr std::int64_t kLastExpReference = kFirstExpReference + kExpChannelCount - 1;

bool GroupUsable(const RadioImage &image, int group) {
    return GroupBlockView(image, group).usable();
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
    if (current >= kWeatherChannelCount || ChannelView(image, kWeatherTable, current).enabled()) {
        result = current;
    } else {
        for (int w = 0; w < kWeatherChannelCount && !result; ++w) {
            if (ChannelView(image, kWeatherTable, w).enabled()) {
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
        return group >= 0 && group < kPlanGroupCount && GroupUsable(image, group) &&
               ChannelView(image, kPlanTables[static_cast<std::size_t>(group)], static_cast<int>(reference))
                   .enabled();
    }
    if (reference >= kFirstExpReference && reference <= kLastExpReference) {
        return ByteGetBit(image.at(kExpGroupUsable), kExpGroupUsableBit) == 1 &&
               ChannelView(image, kExpTable, static_cast<int>(reference - kFirstExpReference)).enabled();
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
    for (int g = 0; g < kPlanGroupCount; ++g) {
        RadioChannelSlotsView slots(image, g);
        for (int s = 0; s < RadioChannelSlots::kSlotCount; ++s) {
            if (!ChannelUsable(image, slots.slot(s), g)) {
                slots.setSlot(s, kNoChannelReference);
            }
        }
    }
    image.set(kUserMmsiPresent, Trim(config.DscBasic.UserMmsi).empty() ? 0 : 1);
}

} // namespace klt
