#pragma once
// The settings records: the editable form of one radio configuration. Field names follow the keys the
// settings file stores them under. Texts hold one byte per character (Windows-1252).

#include "model/image_layout.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace klt {

struct ChannelRecord {
    std::int16_t Position = 0;
    bool Enable = false;
    bool LowPower = false;
    bool PowUp = false;
    bool Duplex = false;
    bool DuplexAllowed = false; // from the channel plan; Duplex only counts where this is set
    bool TxEnable = false;
    bool DispayA = false;
    bool ScanMemory = false;
    std::string ChTag;
    std::int16_t Scramble = 0; // 0 off, 4 to 7 scrambler codes 0 to 3
    bool RxOnly = false;       // from the channel plan
    bool Wide = false;
    // Tone and compander settings: carried, never used by the radio memory or the files.
    std::int16_t RxCtcss = 0;
    std::int16_t TxCtcss = 0;
    std::int16_t RxDcs = 0;
    std::int16_t TxDcs = 0;
    std::int16_t Compander = 0;
    // Expansion channels only.
    std::string CHDisplayL;
    std::string CHDisplayR;
    double Txfreq = 0.0;
    double Rxfreq = 0.0;
    std::array<bool, 3> ExpCB{}; // member of the USA, International, Canada groups

    bool operator==(const ChannelRecord &) const = default;
};

// Groups 0 to 3: Group1 (USA), Group2 (International), Group3 (Canada), Exp CH.
constexpr int kGroupCount = 4;
constexpr int kPlanGroupCount = 3;
constexpr int kExpGroup = 3;

struct GroupSetupRecord {
    bool Usable = false;
    std::int32_t PriorityCh = 0;
    std::int32_t SecondCh = 0; // used by the TQ-500 only
    std::string StatusName;
    std::array<bool, 3> ExpChGroup{}; // entry 3 only: which plan groups the expansion group covers

    bool operator==(const GroupSetupRecord &) const = default;
};

struct CommonSetupRecord {
    std::int16_t TxPoDisplay = 0;
    bool Scan = false;
    bool TimeDisplay = false;
    bool Format = false;
    std::int16_t ResumeTime = 0;
    bool PttScanClear = false;
    bool DualWatch = false;
    std::int16_t OffsetTime = 0; // half hours, -24 to +24
    std::int16_t Unused1 = 0;
    std::int16_t Weater = 0;
    std::int16_t Unused2 = 0;
    std::int16_t Sog = 0;
    std::int16_t Distance = 0;
    std::int16_t Altitude = 0;

    bool operator==(const CommonSetupRecord &) const = default;
};

struct DscBasicRecord {
    std::array<bool, 4> Group{}; // DSC usable in Group1, Group2, Group3, Exp CH
    std::string UserMmsi;
    std::array<bool, 4> PosRequest{};
    std::array<bool, 4> PosRequestTx{};
    std::array<bool, 8> BeepOut{};

    bool operator==(const DscBasicRecord &) const = default;
};

// "All Ships Call", "Group Call", "Individual Call", "PositionRequest Call", "PositionReport Call".
constexpr int kDscCallCategoryCount = 5;

struct DscCallCategory {
    std::array<bool, 4> Value{}; // Distress, Urgency, Safety, Routine
    std::array<bool, 4> Tx{};

    bool operator==(const DscCallCategory &) const = default;
};

struct DscAdvancedRecord {
    std::array<DscCallCategory, kDscCallCategoryCount> Calls{};

    bool operator==(const DscAdvancedRecord &) const = default;
};

struct DscDisplayRecord {
    bool IndividualAckMenu = false;
    bool IndividualAckMessageMenu = false;
    bool PosRequestAckMenu = false;

    bool operator==(const DscDisplayRecord &) const = default;
};

struct AutoPosEntry {
    std::int16_t Enable = 0; // 0 or 1
    std::int16_t MarineEnable = 0;
    std::string Channel;  // decimal text
    std::string Interval; // decimal text
    std::int16_t SelectCall = 0;
    std::int32_t LastAddress = 0;
    std::int16_t RcEnable = 0;
    std::string Mmsi;

    bool operator==(const AutoPosEntry &) const = default;
};

// Entry 0 is the position request, entry 1 the position report; the radio memory holds entry 0.
struct AutoPosRecord {
    std::int16_t MenuDisplay = 0;
    std::array<AutoPosEntry, 2> Entries{};

    bool operator==(const AutoPosRecord &) const = default;
};

struct AtisCommonRecord {
    std::array<bool, 4> UsableAtisChGroup{};
    std::string AtisCode;
    std::array<bool, 4> UsableAtisKikkerChGroup{};

    bool operator==(const AtisCommonRecord &) const = default;
};

struct AtisCallSignEntry {
    std::string Mid;
    std::string Disp;

    bool operator==(const AtisCallSignEntry &) const = default;
};

struct DirectoryEntry {
    bool Enable = false;
    std::string TagName;
    std::string Mmsid;
    std::array<bool, layout::kIndividualDirectoryCount> Members{}; // individual entries 1 to 80

    bool operator==(const DirectoryEntry &) const = default;
};

constexpr int kAtisCallSignCount = 32;

// One whole configuration. Arrays the settings file numbers from 1 (expansion channels, directories,
// ATIS call signs) are held from index 0 here: entry k is element k - 1.
struct Configuration {
    std::vector<ChannelRecord> Usa;
    std::vector<ChannelRecord> International;
    std::vector<ChannelRecord> Canada;
    std::vector<ChannelRecord> Weather;
    std::array<ChannelRecord, layout::kExpChannelCount> Expansion{};
    std::array<GroupSetupRecord, kGroupCount> Groups{};
    CommonSetupRecord Common;
    DscBasicRecord DscBasic;
    DscAdvancedRecord DscAdvanced;
    DscDisplayRecord DscDisplay;
    AutoPosRecord AutoPos;
    AtisCommonRecord Atis;
    std::array<AtisCallSignEntry, kAtisCallSignCount> AtisCallSigns{};
    std::array<DirectoryEntry, layout::kIndividualDirectoryCount> Individual{};
    std::array<DirectoryEntry, layout::kGroupDirectoryCount> GroupDirectory{};

    bool operator==(const Configuration &) const = default;
};

// The channel table of plan group 0, 1 or 2.
std::vector<ChannelRecord> &PlanTable(Configuration &config, int group);
const std::vector<ChannelRecord> &PlanTable(const Configuration &config, int group);

// Every entry disabled, nameless, numberless, with no members.
template <std::size_t N> void ClearDirectory(std::array<DirectoryEntry, N> &directory) {
    directory.fill(DirectoryEntry{});
}

} // namespace klt
