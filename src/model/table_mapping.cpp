// Channel tables in the radio image: enable and scan-memory bitmaps, names, flag pairs and the
// expansion-channel blocks.

#include "model/byte_bits.h"
#include "model/freq_codec.h"
#include "model/mapping_parts.h"
#include "model/record_views.h"
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

template <typename Records>
void DecodeNames(const RadioImage &image, const ChannelTable &table, Records &records) {
    for (std::size_t n = 0; n < records.size(); ++n) {
        records[n].ChTag = ChannelView(image, table, static_cast<int>(n)).name();
    }
}

template <typename Records>
void EncodeNames(RadioImage &image, const ChannelTable &table, const Records &records) {
    for (std::size_t n = 0; n < records.size(); ++n) {
        ChannelView(image, table, static_cast<int>(n)).setName(records[n].ChTag);
    }
}

// Enable and scan memory of a whole table.
template <typename Records>
void DecodeTableBits(const RadioImage &image, const ChannelTable &table, Records &records) {
    DecodeBitmap(image, table.enableBitmap, records, &ChannelRecord::Enable);
    DecodeBitmap(image, table.scanBitmap, records, &ChannelRecord::ScanMemory);
}

template <typename Records>
void EncodeTableBits(RadioImage &image, const ChannelTable &table, const Records &records) {
    EncodeBitmap(image, table.enableBitmap, records, &ChannelRecord::Enable);
    EncodeBitmap(image, table.scanBitmap, records, &ChannelRecord::ScanMemory);
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

void DecodeExpBlock(const RadioImage &image, int index, ChannelRecord &record) {
    const ExpansionBlockView block(image, index);
    const std::uint8_t groups = block.groups();
    for (std::size_t j = 0; j < ExpansionBlock::kGroupBits.size(); ++j) {
        record.ExpCB[j] = ByteGetBit(groups, ExpansionBlock::kGroupBits[j]) == 1;
    }
    const std::uint8_t flags = block.flags();
    DecodeChannelFlags(flags, record);
    record.Wide = ByteGetBit(flags, ExpansionBlock::kWideBit) == 1;
    record.CHDisplayL = block.displayL();
    record.CHDisplayR = block.displayR();
    record.Rxfreq = block.rxFreq();
    record.Txfreq = block.txFreq();
}

void EncodeExpBlock(RadioImage &image, int index, const ChannelRecord &record) {
    ExpansionBlockView block(image, index);
    std::uint8_t groups = block.groups();
    for (std::size_t j = 0; j < ExpansionBlock::kGroupBits.size(); ++j) {
        groups = ByteSetBit(groups, BoolToByte(record.ExpCB[j]), ExpansionBlock::kGroupBits[j]);
    }
    block.setGroups(groups);
    const std::uint8_t flags = EncodeChannelFlags(block.flags(), record);
    block.setFlags(ByteSetBit(flags, BoolToByte(record.Wide), ExpansionBlock::kWideBit));
    block.setDisplayL(record.CHDisplayL);
    block.setDisplayR(record.CHDisplayR);
    block.setRxFreq(record.Rxfreq);
    block.setTxFreq(record.Txfreq);
}

} // namespace

void DecodePlanTable(const RadioImage &image, std::vector<ChannelRecord> &table, int group) {
    const ChannelTable &place = kPlanTables[static_cast<std::size_t>(group)];
    DecodeTableBits(image, place, table);
    DecodeNames(image, place, table);
    for (std::size_t n = 0; n < table.size(); ++n) {
        const std::uint8_t byte = ChannelView(image, place, static_cast<int>(n)).flags();
        DecodeChannelFlags(byte, table[n]);
        table[n].Duplex = ByteGetBit(byte, kDuplexBit) == 1;
    }
}

void EncodePlanTable(RadioImage &image, const std::vector<ChannelRecord> &table, int group) {
    const ChannelTable &place = kPlanTables[static_cast<std::size_t>(group)];
    EncodeTableBits(image, place, table);
    EncodeNames(image, place, table);
    for (std::size_t n = 0; n < table.size(); ++n) {
        ChannelView channel(image, place, static_cast<int>(n));
        const auto &record = table[n];
        std::uint8_t byte = EncodeChannelFlags(channel.flags(), record);
        // A channel without a duplex pair is never written as duplex.
        byte = ByteSetBit(byte, BoolToByte(record.Duplex && record.DuplexAllowed), kDuplexBit);
        channel.setFlags(byte);
    }
}

void DecodeWeatherTable(const RadioImage &image, std::vector<ChannelRecord> &table) {
    DecodeTableBits(image, kWeatherTable, table);
    DecodeNames(image, kWeatherTable, table);
}

void EncodeWeatherTable(RadioImage &image, const std::vector<ChannelRecord> &table) {
    EncodeTableBits(image, kWeatherTable, table);
    EncodeNames(image, kWeatherTable, table);
}

void EncodeExpansionChannels(RadioImage &image, const Configuration &config) {
    EncodeTableBits(image, kExpTable, config.Expansion);
    EncodeNames(image, kExpTable, config.Expansion);
    for (std::size_t i = 0; i < config.Expansion.size(); ++i) {
        EncodeExpBlock(image, static_cast<int>(i), config.Expansion[i]);
    }
}

} // namespace klt::mapping

namespace klt {

void DecodeExpansionChannels(const RadioImage &image, Configuration &config) {
    using namespace layout;
    mapping::DecodeTableBits(image, kExpTable, config.Expansion);
    mapping::DecodeNames(image, kExpTable, config.Expansion);
    for (std::size_t i = 0; i < config.Expansion.size(); ++i) {
        config.Expansion[i].Position = static_cast<std::int16_t>(i + 1);
        mapping::DecodeExpBlock(image, static_cast<int>(i), config.Expansion[i]);
    }
}

} // namespace klt
