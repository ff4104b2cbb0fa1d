#pragma once
// The radio's memory map: every address and bit position the program knows, in address order.
// The mapping, the link's regions and the clear areas use these names, never bare numbers.

#include <array>
#include <cstdint>

namespace klt::layout {

using Address = std::uint32_t;

constexpr Address kImageSize = 0x8000;
constexpr Address kImageEnd = kImageSize - 1;

// Identity: the model code, big-endian, at both ends of the memory.
constexpr Address kModelCodeHead = 0x0000;
constexpr Address kModelCodeTail = kImageEnd - 1; // 0x7FFE

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

// Priority channels of groups 0 to 2 (BE16 each).
constexpr Address kPriorityChannel = 96;
constexpr Address kSecondPriorityChannel = 102;
constexpr Address kPriorityStride = 2;

// One 16-byte block per group 0 to 3 (Group1, Group2, Group3, Exp CH).
constexpr Address kGroupBlock = 192;
constexpr Address kGroupStride = 16;
constexpr Address kGroupUsableOffset = 0;
constexpr Address kGroupDscOffset = 1;
constexpr Address kGroupStatusNameOffset = 2;
constexpr Address kGroupStatusNameLength = 4;
constexpr Address kGroupAtisOffset = 15;
constexpr Address kExpGroupUsable = kGroupBlock + 3 * kGroupStride; // 240
constexpr int kExpGroupUsableBit = 0;

// Channel references the radio keeps per group 0 to 2, eight slots each.
constexpr Address kRadioChannelRefs = 256;
constexpr Address kRadioChannelRefGroupStride = 32;
constexpr int kRadioChannelRefSlots = 8;

// DSC identity and ATIS code (five packed-decimal bytes each).
constexpr Address kUserMmsi = 416;
constexpr Address kUserMmsiPresent = 421;
constexpr Address kAtisCode = 422;
constexpr Address kAtisCodePresent = 427;
constexpr Address kBcd5Length = 5;

// DSC call categories: high nibble bits 7..4 entries 0..3, low nibble bits 3..0 their TX entries.
constexpr Address kDscCallCategories = 432;
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
constexpr Address kAutoPosChannel = 465; // 15-bit big-endian
constexpr Address kAutoPosInterval = 467;
constexpr Address kAutoPosMmsi = 469;
constexpr Address kAutoPosMarineEnable = 479;
constexpr Address kAutoPosSelectCall = 490;
constexpr Address kAutoPosLastIndividual = 491;
constexpr Address kAutoPosLastGroup = 492;

// Channel tables: enable and scan-memory bitmaps (MSB first), flag pairs, names.
constexpr std::array<Address, 3> kPlanEnableBitmap = {0x500, 0x530, 0x560};
constexpr Address kWeatherEnableBitmap = 0x590;
constexpr Address kExpEnableBitmap = 0x594;
constexpr std::array<Address, 3> kPlanScanBitmap = {0x600, 0x630, 0x660};
constexpr Address kWeatherScanBitmap = 0x690;
constexpr Address kExpScanBitmap = 0x694;

constexpr std::array<Address, 3> kPlanFlagPairs = {0x800, 0xA00, 0xC00};
constexpr Address kFlagPairStride = 2;
constexpr int kTxModeTop = 7; // two bits: 0 off, 1 low power, 3 normal power
constexpr int kTxModeBits = 2;
constexpr int kDuplexBit = 5;
constexpr int kPowUpBit = 4;
constexpr int kScrambleTop = 3; // three bits
constexpr int kScrambleBits = 3;

constexpr Address kExpBlocks = 0xE00;
constexpr Address kExpBlockStride = 16;
constexpr Address kExpGroupsOffset = 0; // bits 3, 2, 1: ExpCB 0, 1, 2
constexpr std::array<int, 3> kExpGroupBits = {3, 2, 1};
constexpr Address kExpFlagsOffset = 1; // transmit mode, power up, scramble as a flag pair; bit 0 wide
constexpr int kExpWideBit = 0;
constexpr Address kExpDisplayLOffset = 2;
constexpr Address kExpDisplayROffset = 4;
constexpr Address kExpRxFreqOffset = 5;
constexpr Address kExpTxFreqOffset = 8;

constexpr std::array<Address, 3> kPlanNames = {0x1300, 0x2200, 0x3100};
constexpr Address kWeatherNames = 0x4000;
constexpr Address kExpNames = 0x4100;
constexpr Address kChannelNameLength = 16;

// Station directories, 16 bytes an entry.
constexpr Address kIndividualDirectory = 0x4700;
constexpr Address kGroupDirectory = 0x4F00;
constexpr Address kDirectoryStride = 16;
constexpr Address kDirectoryMmsiOffset = 0;
constexpr Address kDirectoryNameOffset = 5;
constexpr Address kDirectoryNameLength = 11;

// Sizes of the tables the memory holds.
constexpr int kPlanChannelCount = 240;
constexpr int kWeatherChannelCount = 10;
constexpr int kExpChannelCount = 64;
constexpr int kIndividualDirectoryCount = 80;
constexpr int kGroupDirectoryCount = 32;

// What the radio link treats apart.
struct Range {
    Address first;
    Address last; // inclusive
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

// A write sends these one byte per exchange ...
constexpr Range kSettingsBytes = {0x0021, 0x006F};
constexpr Range kRadioStateBytes = {0x0160, 0x017F};
// ... and never sends the product code area, the reserved area, or anything from the waypoint
// directory on.
constexpr Range kProductCodeArea = {0x0070, 0x007F};
constexpr Range kReservedArea = {0x0700, 0x07FF};
constexpr Address kWriteEnd = 0x5100;

// What the program keeps of its own image when it takes over a read.
constexpr std::array<Range, 4> kKeptOnRead = {
    {{0x0002, 0x0020}, {0x0100, 0x019F}, {0x0700, 0x07FF}, {0x5100, 0x7FFD}}};

// The identity the radio carries: six characters, then a byte the check reads but does not compare.
constexpr Address kProductCode = 0x0070;
constexpr int kProductCodeReadLength = 7;
inline constexpr char kExpectedProductCode[] = "QZ071R";

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
