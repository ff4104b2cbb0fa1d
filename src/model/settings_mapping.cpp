// Groups, common setup, DSC, automatic position and ATIS settings in the radio image.

#include "model/byte_bits.h"
#include "model/digits_codec.h"
#include "model/mapping_parts.h"
#include "model/model_catalogue.h"
#include "model/record_views.h"
#include "model/text_format.h"
#include "model/value_codecs.h"

namespace klt::mapping {

namespace {

using namespace layout;

bool FlagAt(const RadioImage &image, Address address) {
    return image.at(address) != 0;
}

void SetFlag(RadioImage &image, Address address, bool flag) {
    image.set(address, BoolToByte(flag));
}

void SetByte(RadioImage &image, Address address, int value) {
    image.set(address, static_cast<std::uint8_t>(value & 0xFF));
}

bool Bit(std::uint8_t byte, int k) {
    return ByteGetBit(byte, k) == 1;
}

long NumberOf(const std::string &text) {
    long value = 0;
    return ParseLeadingInt(text, value) ? value : 0;
}

} // namespace

void DecodeGroups(const RadioImage &image, Configuration &config, Model model) {
    for (int g = 0; g < kGroupCount; ++g) {
        auto &group = config.Groups[static_cast<std::size_t>(g)];
        const GroupBlockView block(image, g);
        group.Usable = block.usable();
        group.StatusName = block.statusName();
    }
    for (int g = 0; g < kPlanGroupCount; ++g) {
        auto &group = config.Groups[static_cast<std::size_t>(g)];
        const PriorityView priority(image, g);
        group.PriorityCh = priority.priority();
        if (HasSecondPriorityChannel(model)) {
            group.SecondCh = priority.second();
        }
    }
}

void EncodeGroups(RadioImage &image, const Configuration &config) {
    for (int g = 0; g < kGroupCount; ++g) {
        const auto &group = config.Groups[static_cast<std::size_t>(g)];
        GroupBlockView block(image, g);
        block.setUsable(group.Usable);
        block.setStatusName(group.StatusName);
    }
    for (int g = 0; g < kPlanGroupCount; ++g) {
        const auto &group = config.Groups[static_cast<std::size_t>(g)];
        PriorityView priority(image, g);
        priority.setPriority(group.PriorityCh);
        priority.setSecond(group.SecondCh);
    }
}

void DecodeCommon(const RadioImage &image, CommonSetupRecord &common) {
    const std::uint8_t time = image.at(kTimeBits);
    common.TxPoDisplay = image.at(kTxPowerDisplay);
    common.TimeDisplay = Bit(time, kTimeDisplayBit);
    common.Format = Bit(time, kTimeFormatBit);
    common.OffsetTime = static_cast<std::int16_t>(ByteToOffset(time));
    common.Sog = image.at(kSpeedUnit);
    common.Distance = image.at(kDistanceUnit);
    common.DualWatch = FlagAt(image, kDualWatch);
    common.Scan = FlagAt(image, kScan);
    common.PttScanClear = FlagAt(image, kPttScanClear);
    common.ResumeTime = image.at(kResumeTime);
    common.Weater = image.at(kWeatherAlert);
    common.Altitude = image.at(kAltitudeUnit);
}

void EncodeCommon(RadioImage &image, const CommonSetupRecord &common) {
    SetByte(image, kTxPowerDisplay, common.TxPoDisplay);
    // The offset fills its six bits and clears the format bit; the format is written after it.
    std::uint8_t time = ByteSetBit(image.at(kTimeBits), BoolToByte(common.TimeDisplay), kTimeDisplayBit);
    time = ByteSetField(time, kTimeOffsetBits, kTimeOffsetTop, OffsetToByte(common.OffsetTime));
    time = ByteSetBit(time, 0, kTimeFormatBit);
    time = ByteSetBit(time, BoolToByte(common.Format), kTimeFormatBit);
    image.set(kTimeBits, time);
    SetByte(image, kSpeedUnit, common.Sog);
    SetByte(image, kDistanceUnit, common.Distance);
    SetFlag(image, kDualWatch, common.DualWatch);
    SetFlag(image, kScan, common.Scan);
    SetFlag(image, kPttScanClear, common.PttScanClear);
    SetByte(image, kResumeTime, common.ResumeTime);
    SetByte(image, kWeatherAlert, common.Weater);
    SetByte(image, kAltitudeUnit, common.Altitude);
}

void DecodeDsc(const RadioImage &image, Configuration &config) {
    auto &basic = config.DscBasic;
    for (int g = 0; g < kGroupCount; ++g) {
        basic.Group[static_cast<std::size_t>(g)] = GroupBlockView(image, g).dsc();
    }
    basic.UserMmsi = Bcd5ToDigits(image, kUserMmsi);
    for (int c = 0; c < kDscCallCategoryCount; ++c) {
        const DscCallCategoryView view(image, c);
        auto &category = config.DscAdvanced.Calls[static_cast<std::size_t>(c)];
        for (int e = 0; e < CallCategoryBits::kEntries; ++e) {
            category.Value[static_cast<std::size_t>(e)] = view.value(e);
            category.Tx[static_cast<std::size_t>(e)] = view.tx(e);
        }
    }
    const std::uint8_t menus = image.at(kDscMenuBits);
    basic.BeepOut[0] = Bit(menus, kBeepOutFirstBit);
    basic.PosRequest[0] = Bit(menus, kPosRequestFirstBit);
    config.DscDisplay.IndividualAckMenu = Bit(menus, kIndividualAckMenuBit);
    config.DscDisplay.IndividualAckMessageMenu = Bit(menus, kIndividualAckMessageMenuBit);
    config.DscDisplay.PosRequestAckMenu = Bit(menus, kPosRequestAckMenuBit);
    for (std::size_t i = 0; i < kBeepOutBytes.size(); ++i) {
        basic.BeepOut[i + 1] = FlagAt(image, kBeepOutBytes[i]);
    }
}

void EncodeDsc(RadioImage &image, const Configuration &config) {
    const auto &basic = config.DscBasic;
    for (int g = 0; g < kGroupCount; ++g) {
        GroupBlockView(image, g).setDsc(basic.Group[static_cast<std::size_t>(g)]);
    }
    DigitsToBcd5(image, kUserMmsi, basic.UserMmsi, true);
    for (int c = 0; c < kDscCallCategoryCount; ++c) {
        const auto &category = config.DscAdvanced.Calls[static_cast<std::size_t>(c)];
        DscCallCategoryView(image, c).set(category.Value, category.Tx);
    }
    std::uint8_t menus = image.at(kDscMenuBits);
    menus = ByteSetBit(menus, BoolToByte(basic.BeepOut[0]), kBeepOutFirstBit);
    menus = ByteSetBit(menus, BoolToByte(basic.PosRequest[0]), kPosRequestFirstBit);
    menus = ByteSetBit(menus, BoolToByte(config.DscDisplay.IndividualAckMenu), kIndividualAckMenuBit);
    menus = ByteSetBit(menus, BoolToByte(config.DscDisplay.IndividualAckMessageMenu),
                       kIndividualAckMessageMenuBit);
    menus = ByteSetBit(menus, BoolToByte(config.DscDisplay.PosRequestAckMenu), kPosRequestAckMenuBit);
    image.set(kDscMenuBits, menus);
    for (std::size_t i = 0; i < kBeepOutBytes.size(); ++i) {
        SetFlag(image, kBeepOutBytes[i], basic.BeepOut[i + 1]);
    }
}

void DecodeAutoPos(const RadioImage &image, AutoPosRecord &autoPos) {
    auto &entry = autoPos.Entries[0];
    entry.Enable = FlagAt(image, kAutoPosEnable) ? 1 : 0;
    entry.Channel = std::to_string((image.at(kAutoPosChannel) & kAutoPosChannelHighBits) * 256 +
                                   image.at(kAutoPosChannel + 1));
    entry.Interval = std::to_string(image.at(kAutoPosInterval));
    entry.Mmsi = Bcd5ToDigits(image, kAutoPosMmsi);
    entry.MarineEnable = image.at(kAutoPosMarineEnable);
    entry.SelectCall = image.at(kAutoPosSelectCall);
    if (entry.SelectCall == 0) {
        entry.LastAddress = image.at(kAutoPosLastIndividual);
    } else if (entry.SelectCall == 1) {
        entry.LastAddress = image.at(kAutoPosLastGroup);
    }
}

void EncodeAutoPos(RadioImage &image, const AutoPosRecord &autoPos) {
    const auto &entry = autoPos.Entries[0];
    SetFlag(image, kAutoPosEnable, entry.Enable != 0);
    const long channel = NumberOf(entry.Channel);
    SetByte(image, kAutoPosChannel, static_cast<int>((channel >> 8) & kAutoPosChannelHighBits));
    SetByte(image, kAutoPosChannel + 1, static_cast<int>(channel & 0xFF));
    SetByte(image, kAutoPosInterval, static_cast<int>(NumberOf(entry.Interval)));
    DigitsToBcd5(image, kAutoPosMmsi, entry.Mmsi, true);
    SetByte(image, kAutoPosMarineEnable, entry.MarineEnable);
    SetByte(image, kAutoPosSelectCall, entry.SelectCall);
    if (entry.SelectCall == 0) {
        SetByte(image, kAutoPosLastIndividual, entry.LastAddress);
    } else if (entry.SelectCall == 1) {
        SetByte(image, kAutoPosLastGroup, entry.LastAddress);
    }
}

void DecodeAtis(const RadioImage &image, AtisCommonRecord &atis) {
    for (int g = 0; g < kGroupCount; ++g) {
        atis.UsableAtisChGroup[static_cast<std::size_t>(g)] = GroupBlockView(image, g).atis();
    }
    atis.AtisCode = Bcd5ToDigits(image, kAtisCode);
}

void EncodeAtis(RadioImage &image, const AtisCommonRecord &atis) {
    for (int g = 0; g < kGroupCount; ++g) {
        GroupBlockView(image, g).setAtis(atis.UsableAtisChGroup[static_cast<std::size_t>(g)]);
    }
    DigitsToBcd5(image, kAtisCode, atis.AtisCode, false);
}

} // namespace klt::mapping
