#pragma once
// The radio's memory map: every address, record offset and bit position the program knows, in
// address order. Repeated records are described once, by their base, stride and field offsets; the
// record views read and write them by these names. Nothing outside this header spells an address.

#include <array>
#include <cstdint>

namespace klt::layout {

using Address = std::uint32_t;

// An inclusive range of addresses.
struct Range {
    Address first;
    Address last;
};

constexpr bool Contains(Range range, Address address) {
    return address >= range.first && address <= range.last;
}

template <std::size_t N> constexpr bool Contains(const std::array<Range, N> &ranges, Address address) {
    for (const auto &range : ranges) {
        if (Contains(range, address)) {
            return true;
        }
    }
    return false;
}

constexpr Address kImageSize = 0x8000;
constexpr Address kImageEnd = kImageSize - 1;

// Identity: the model code, big-endian, at both ends of the memory.
constexpr Address kModelCodeHead = 0x0000;
constexpr Address kModelCodeTail = kImageEnd - 1; // 0x7FFE

// Bytes a new memory holds that the program does not interpret; the factory sets them.
constexpr Range kFactoryHead = {2, 3};              // zero
constexpr Address kFactoryAfterPowerDisplay = 41;   // zero
constexpr Range kFactoryBetweenUnits = {47, 48};    // zero
constexpr Range kFactoryAfterResumeTime = {58, 59}; // zero
constexpr Address kFactoryBeforeChecksum = 65;      // 0xFF

// What the radio was doing when it was last used.
constexpr Address kCurrentGroup = 33;         // 0 Group1, 1 Group2, 2 Group3
constexpr Address kCurrentMode = 34;          // 0 channel, 1 weather
constexpr Address kCurrentChannel = 35;       // BE16 channel reference
constexpr Address kSecondCurrentChannel = 37; // BE16 channel reference
constexpr Address kCurrentWeather = 39;       // weather channel 0 to 9

// Common setup.
constexpr Address kTxPowerDisplay = 40;
constexpr Address kTimeBits = 43; // bit 7 time display, bit 6 format, bits 5..0 offset
constexpr int kTimeDisplayBit = 7;
constexpr int kTimeFormatBit = 6;
constexpr int kTimeOffsetTop = 5;
constexpr int kTimeOffsetBits = 6;
constexpr Address kSpeedUnit = 44;
constexpr Address kDistanceUnit = 45;
constexpr Address kDualWatch = 53;
constexpr Address kScan = 54;
constexpr Address kPttScanClear = 56;
constexpr Address kResumeTime = 57;
constexpr Address kWeatherAlert = 60;
constexpr Address kAltitudeUnit = 62;

// Radio data covered by the checksum; the program never maps it.
constexpr Address kChecksumStart = 66;
constexpr Address kChecksumCount = 29;
constexpr Address kChecksum = 95;

// The priority channels of plan group g: one record per group, interleaved with the others.
struct PriorityRecord {
    static constexpr Address kBase = 96;
    static constexpr Address kStride = 2;
    static constexpr Address kPriority = 0; // BE16 channel reference
    static constexpr Address kSecond = 6;   // BE16 channel reference; the TQ-500 uses it
    static constexpr Address At(int group) { return kBase + kStride * static_cast<Address>(group); }
};

// One 16-byte block per group 0 to 3 (Group1, Group2, Group3, Exp CH).
struct GroupBlock {
    static constexpr Address kBase = 192;
    static constexpr Address kStride = 16;
    static constexpr Address kUsable = 0;
    static constexpr Address kDsc = 1;
    static constexpr Address kStatusName = 2;
    static constexpr Address kStatusNameLength = 4;
    static constexpr Address kFactoryWord = 6; // a word the factory writes in groups 0 to 2
    static constexpr Address kAtis = 15;
    static constexpr Address At(int group) { return kBase + kStride * static_cast<Address>(group); }
};
// The expansion group's usable byte: bit 0 tells whether expansion channels may be used.
constexpr Address kExpGroupUsable = GroupBlock::At(3) + GroupBlock::kUsable; // 240
constexpr int kExpGroupUsableBit = 0;

// Channel references the radio keeps per plan group: eight BE16 slots each.
struct RadioChannelSlots {
    static constexpr Address kBase = 256;
    static constexpr Address kStride = 32;
    static constexpr Address kSlotStride = 2;
    static constexpr int kSlotCount = 8;
    static constexpr Address At(int group, int slot) {
        return kBase + kStride * static_cast<Address>(group) + kSlotStride * static_cast<Address>(slot);
    }
};

// DSC identity and ATIS code (five packed-decimal bytes each).
constexpr Address kBcd5Length = 5;
constexpr Address kUserMmsi = 416;
constexpr Address kUserMmsiPresent = 421;
constexpr Address kAtisCode = 422;
constexpr Address kAtisCodePresent = 427;

// One byte per DSC call category: bits 7..4 its entries 0..3, bits 3..0 their TX entries.
struct CallCategoryBits {
    static constexpr Address kBase = 432;
    static constexpr Address kStride = 1;
    static constexpr int kEntries = 4;
    static constexpr int kFirstValueBit = 7;
    static constexpr int kFirstTxBit = 3;
    static constexpr Address At(int category) { return kBase + kStride * static_cast<Address>(category); }
};
constexpr Address kDscMenuBits = 437;
constexpr int kBeepOutFirstBit = 7;
constexpr int kPosRequestFirstBit = 4;
constexpr int kIndividualAckMenuBit = 2;
constexpr int kIndividualAckMessageMenuBit = 1;
constexpr int kPosRequestAckMenuBit = 0;
// "BeepOut" entries 1 to 6, in entry order (the radio keeps entry 4 after entry 6).
constexpr std::array<Address, 6> kBeepOutBytes = {438, 439, 440, 443, 441, 442};

// Automatic position reporting.
constexpr Address kAutoPosEnable = 464;
constexpr Address kAutoPosChannel = 465; // 15-bit big-endian: the high byte keeps these bits
constexpr std::uint8_t kAutoPosChannelHighBits = 0x7F;
constexpr Address kAutoPosInterval = 467;
constexpr Address kAutoPosMmsi = 469;
constexpr Address kAutoPosMarineEnable = 479;
constexpr Address kAutoPosSelectCall = 490;
constexpr Address kAutoPosLastIndividual = 491;
constexpr Address kAutoPosLastGroup = 492;

// Channel tables: enable and scan-memory bitmaps (MSB first), 16-byte names, and for the plan
// tables a flag pair per channel (only its first byte is used).
constexpr Address kChannelNameLength = 16;
constexpr Address kFlagPairStride = 2;

struct ChannelTable {
    Address enableBitmap;
    Address scanBitmap;
    Address names;
    Address flagPairs; // the plan tables only
    int count;

    constexpr Address Name(int n) const { return names + kChannelNameLength * static_cast<Address>(n); }
    constexpr Address FlagPair(int n) const { return flagPairs + kFlagPairStride * static_cast<Address>(n); }
};

constexpr int kPlanChannelCount = 240;
constexpr int kWeatherChannelCount = 10;
constexpr int kExpChannelCount = 64;

// Group1 (USA), Group2 (International), Group3 (Canada).
constexpr std::array<ChannelTable, 3> kPlanTables = {{
    {0x0500, 0x0600, 0x1300, 0x0800, kPlanChannelCount},
    {0x0530, 0x0630, 0x2200, 0x0A00, kPlanChannelCount},
    {0x0560, 0x0660, 0x3100, 0x0C00, kPlanChannelCount},
}};
constexpr ChannelTable kWeatherTable = {0x0590, 0x0690, 0x4000, 0, kWeatherChannelCount};
constexpr ChannelTable kExpTable = {0x0594, 0x0694, 0x4100, 0, kExpChannelCount};
constexpr Address kExpBitmapLength = kExpChannelCount / 8;

// The first byte of a flag pair; an expansion block's flags byte shares its transmit, power-up and
// scrambler fields.
constexpr int kTxModeTop = 7; // two bits: 0 off, 1 low power, 3 normal power
constexpr int kTxModeBits = 2;
constexpr int kDuplexBit = 5;
constexpr int kPowUpBit = 4;
constexpr int kScrambleTop = 3; // three bits
constexpr int kScrambleBits = 3;

// One 16-byte block per expansion channel 1 to 64.
struct ExpansionBlock {
    static constexpr Address kBase = 0x0E00;
    static constexpr Address kStride = 16;
    static constexpr Address kGroups = 0; // bits 3, 2, 1: member of plan groups 0, 1, 2
    static constexpr std::array<int, 3> kGroupBits = {3, 2, 1};
    static constexpr Address kFlags = 1; // as a flag pair's first byte; bit 0 wide
    static constexpr int kWideBit = 0;
    static constexpr Address kDisplayL = 2;
    static constexpr Address kDisplayLLength = 2;
    static constexpr Address kDisplayR = 4;
    static constexpr Address kRxFreq = 5;
    static constexpr Address kTxFreq = 8;
    static constexpr Address At(int index) { return kBase + kStride * static_cast<Address>(index); }
};

// Station directories: 16 bytes an entry.
struct Directory {
    Address base;
    int count;
};
struct DirectoryRecord {
    static constexpr Address kStride = 16;
    static constexpr Address kMmsi = 0;
    static constexpr Address kName = 5;
    static constexpr Address kNameLength = 11;
    static constexpr Address At(Directory directory, int index) {
        return directory.base + kStride * static_cast<Address>(index);
    }
};
constexpr int kIndividualDirectoryCount = 80;
constexpr int kGroupDirectoryCount = 32;
constexpr Directory kIndividualDirectory = {0x4700, kIndividualDirectoryCount};
constexpr Directory kGroupDirectory = {0x4F00, kGroupDirectoryCount};

// What the radio link treats apart. A write walks the memory in 64-byte steps up to kWriteEnd; the
// settings and the radio's state go one byte per exchange, at the steps that cover them.
struct ByteRunStep {
    Address step;
    Range bytes;
};
constexpr Range kRadioStateBytes = {0x0160, 0x017F};
constexpr std::array<ByteRunStep, 3> kWriteByteRuns = {{
    {0x0000, {0x0021, 0x003F}},
    {0x0040, {0x0040, 0x006F}},
    {0x0140, kRadioStateBytes},
}};
// The write never sends the product code area, the reserved area, or anything from the waypoint
// directory on; the steps of these areas only pause, so the progress moves evenly.
constexpr Range kProductCodeArea = {0x0070, 0x007F};
constexpr Range kReservedArea = {0x0700, 0x07FF};
constexpr Address kWriteEnd = 0x5100;
constexpr std::array<Range, 3> kWritePausedSteps = {
    {{0x0100, 0x0100}, kReservedArea, {kWriteEnd, kWriteEnd}}};

// What the program keeps of its own image when it takes over a read.
constexpr std::array<Range, 4> kKeptOnRead = {
    {{0x0002, 0x0020}, {0x0100, 0x019F}, {0x0700, 0x07FF}, {0x5100, 0x7FFD}}};

// The identity the radio carries: six characters, then a byte the check reads but does not compare.
constexpr Address kProductCode = 0x0070;
constexpr int kProductCodeReadLength = 7;
inline constexpr char kExpectedProductCode[] = "QZ071R";
constexpr Address kProductCodeEnd = kProductCode + sizeof kExpectedProductCode - 1; // 0x76

// The areas the clear operations erase.
constexpr Range kMmsiClearBytes = {kUserMmsi, kUserMmsiPresent};
constexpr Range kAtisClearBytes = {kAtisCode, kAtisCodePresent};
constexpr Range kDscLog = {0x6900, 0x78FF};
constexpr Range kDistressLog = {0x7900, 0x7FBF};
constexpr Range kIndividualDirectoryArea = {0x4700, 0x4BFF};
constexpr Range kGroupDirectoryArea = {0x4F00, 0x50FF};
constexpr Range kWaypointDirectory = {0x5100, 0x5E7F};
constexpr Range kWaypointDirectoryZeroed = {0x5100, 0x5163};
constexpr Range kDscTxLog = {0x6300, 0x68FF};
// "Clear All Data" writes from the individual directory to the distress log, except the gap after it.
constexpr Range kClearAllSkipped = {0x4C00, 0x4EFF};
constexpr Address kClearAllLastBlock = 0x7F80;

} // namespace klt::layout
