// Channel tables in the radio image: enable and scan-memory bitmaps, names, flag pairs and the
// expansion-channel blocks.

#include "model/byte_bits.h"
#include "model/freq_codec.h"
#include "model/mapping_parts.h"
#include "model/name_codec.h"
#include "model/value_codecs.h"

#include <functional>

namespace klt::mapping {

namespace {

using namespace layout;
using RecordFlag = bool ChannelRecord::*;

template <typename Records>
void DecodeBitmap(const RadioImage &image, Address base, Records &records, RecordFlag flag) {
    for (std::size_t n = 0; n < records.size(); ++n) {
        records[n].*flag = BitmapEntry(image, base, static_cast<int>(n));
    }
}

// Each byte holds eight records, most significant bit first; a last, partial byte has its remaining
// bits clear.
template <typename Records>
void EncodeBitmap(RadioImage &image, Address base, const Records &records, RecordFlag flag) {
    for (std::size_t first = 0; first < records.size(); first += 8) {
        std::uint8_t byte = 0;
        for (std::size_t bit = 0; bit < 8 && first + bit < records.size(); ++bit) {
            if (records[first + bit].*flag) {
                byte = static_cast<std::uint8_t>(byte | (0x80u >> bit));
            }
        }
        image.set(base + static_cast<Address>(first / 8), byte);
    }
}

template <typename Records> void DecodeNames(const RadioImage &image, Address base, Records &records) {
    for (std::size_t n = 0; n < records.size(); ++n) {
        records[n].ChTag =
            ImageReadName(image, base + kChannelNameLength * static_cast<Address>(n), kChannelNameLength);
    }
}

template <typename Records> void EncodeNames(RadioImage &image, Address base, const Records &records) {
    for (std::size_t n = 0; n < records.size(); ++n) {
        ImageWriteText(image, base + kChannelNameLength * static_cast<Address>(n), records[n].ChTag,
                       kChannelNameLength);
    }
}

// Transmit mode: 0 off, 1 low power, 3 normal power; 2 reads as off.
void DecodeTxMode(std::uint8_t byte, ChannelRecord &record) {
    const int mode = ByteGetField(byte, kTxModeBits, kTxModeTop);
    record.TxEnable = mode == 1 || mode == 3;
    record.LowPower = mode == 1;
}

int TxMode(const ChannelRecord &record) {
    if (!record.TxEnable) {
        return 0;
    }
    return record.LowPower ? 1 : 3;
}

// Transmit mode, power up and scrambler share one layout in flag pairs and expansion blocks.
void DecodeChannelFlags(std::uint8_t byte, ChannelRecord &record) {
    DecodeTxMode(byte, record);
    record.PowUp = ByteGetBit(byte, kPowUpBit) == 1;
    record.Scramble = static_cast<std::int16_t>(ByteGetField(byte, kScrambleBits, kScrambleTop));
}

std::uint8_t EncodeChannelFlags(std::uint8_t byte, const ChannelRecord &record) {
    byte = ByteSetField(byte, kTxModeBits, kTxModeTop, TxMode(record));
    byte = ByteSetBit(byte, BoolToByte(record.PowUp), kPowUpBit);
    return ByteSetField(byte, kScrambleBits, kScrambleTop, record.Scramble);
}

Address ExpBlock(std::size_t index) {
    return kExpBlocks + kExpBlockStride * static_cast<Address>(index);
}

void DecodeExpBlock(const RadioImage &image, Address block, ChannelRecord &record) {
    const std::uint8_t groups = image.at(block + kExpGroupsOffset);
    for (std::size_t j = 0; j < kExpGroupBits.size(); ++j) {
        record.ExpCB[j] = ByteGetBit(groups, kExpGroupBits[j]) == 1;
    }
    const std::uint8_t flags = image.at(block + kExpFlagsOffset);
    DecodeChannelFlags(flags, record);
    record.Wide = ByteGetBit(flags, kExpWideBit) == 1;
    record.CHDisplayL = ImageReadChars(image, block + kExpDisplayLOffset, 2);
    record.CHDisplayR = ImageReadChars(image, block + kExpDisplayROffset, 1);
    record.Rxfreq = BcdToFreq(image, block + kExpRxFreqOffset);
    record.Txfreq = BcdToFreq(image, block + kExpTxFreqOffset);
}

void EncodeExpBlock(RadioImage &image, Address block, const ChannelRecord &record) {
    std::uint8_t groups = image.at(block + kExpGroupsOffset);
    for (std::size_t j = 0; j < kExpGroupBits.size(); ++j) {
        groups = ByteSetBit(groups, BoolToByte(record.ExpCB[j]), kExpGroupBits[j]);
    }
    image.set(block + kExpGroupsOffset, groups);
    std::uint8_t flags = EncodeChannelFlags(image.at(block + kExpFlagsOffset), record);
    image.set(block + kExpFlagsOffset, ByteSetBit(flags, BoolToByte(record.Wide), kExpWideBit));

    const std::string &left = record.CHDisplayL;
    const Address displayL = block + kExpDisplayLOffset;
    image.set(displayL, left.size() == 1 || left.size() == 2 ? NameCharToByte(left[0]) : std::uint8_t{255});
    image.set(displayL + 1, left.size() == 2 ? NameCharToByte(left[1]) : std::uint8_t{255});
    const std::string &right = record.CHDisplayR;
    image.set(block + kExpDisplayROffset, right.size() == 1 ? NameCharToByte(right[0]) : std::uint8_t{255});

    ImageWriteFreq(image, block + kExpRxFreqOffset, record.Rxfreq);
    ImageWriteFreq(image, block + kExpTxFreqOffset, record.Txfreq);
}

} // namespace

void DecodePlanTable(const RadioImage &image, std::vector<ChannelRecord> &table, int group) {
    const auto g = static_cast<std::size_t>(group);
    DecodeBitmap(image, kPlanEnableBitmap[g], table, &ChannelRecord::Enable);
    DecodeBitmap(image, kPlanScanBitmap[g], table, &ChannelRecord::ScanMemory);
    DecodeNames(image, kPlanNames[g], table);
    for (std::size_t n = 0; n < table.size(); ++n) {
        const std::uint8_t byte = image.at(kPlanFlagPairs[g] + kFlagPairStride * static_cast<Address>(n));
        DecodeChannelFlags(byte, table[n]);
        table[n].Duplex = ByteGetBit(byte, kDuplexBit) == 1;
    }
}

void EncodePlanTable(RadioImage &image, const std::vector<ChannelRecord> &table, int group) {
    const auto g = static_cast<std::size_t>(group);
    EncodeBitmap(image, kPlanEnableBitmap[g], table, &ChannelRecord::Enable);
    EncodeBitmap(image, kPlanScanBitmap[g], table, &ChannelRecord::ScanMemory);
    EncodeNames(image, kPlanNames[g], table);
    for (std::size_t n = 0; n < table.size(); ++n) {
        const Address address = kPlanFlagPairs[g] + kFlagPairStride * static_cast<Address>(n);
        const auto &record = table[n];
        std::uint8_t byte = EncodeChannelFlags(image.at(address), record);
        // A channel without a duplex pair is never written as duplex.
        byte = ByteSetBit(byte, BoolToByte(record.Duplex && record.DuplexAllowed), kDuplexBit);
        image.set(address, byte);
    }
}

void DecodeWeatherTable(const RadioImage &image, std::vector<ChannelRecord> &table) {
    DecodeBitmap(image, kWeatherEnableBitmap, table, &ChannelRecord::Enable);
    DecodeBitmap(image, kWeatherScanBitmap, table, &ChannelRecord::ScanMemory);
    DecodeNames(image, kWeatherNames, table);
}

void EncodeWeatherTable(RadioImage &image, const std::vector<ChannelRecord> &table) {
    EncodeBitmap(image, kWeatherEnableBitmap, table, &ChannelRecord::Enable);
    EncodeBitmap(image, kWeatherScanBitmap, table, &ChannelRecord::ScanMemory);
    EncodeNames(image, kWeatherNames, table);
}

void EncodeExpansionChannels(RadioImage &image, const Configuration &config) {
    EncodeBitmap(image, kExpEnableBitmap, config.Expansion, &ChannelRecord::Enable);
    EncodeBitmap(image, kExpScanBitmap, config.Expansion, &ChannelRecord::ScanMemory);
    EncodeNames(image, kExpNames, config.Expansion);
    for (std::size_t i = 0; i < config.Expansion.size(); ++i) {
        EncodeExpBlock(image, ExpBlock(i), config.Expansion[i]);
    }
}

} // namespace klt::mapping

namespace klt {

void DecodeExpansionChannels(const RadioImage &image, Configuration &config) {
    using namespace layout;
    mapping::DecodeBitmap(image, kExpEnableBitmap, config.Expansion, &ChannelRecord::Enable);
    mapping::DecodeBitmap(image, kExpScanBitmap, config.Expansion, &ChannelRecord::ScanMemory);
    mapping::DecodeNames(image, kExpNames, config.Expansion);
    for (std::size_t i = 0; i < config.Expansion.size(); ++i) {
        config.Expansion[i].Position = static_cast<std::int16_t>(i + 1);
        mapping::DecodeExpBlock(image, mapping::ExpBlock(i), config.Expansion[i]);
    }
}

} // namespace klt
