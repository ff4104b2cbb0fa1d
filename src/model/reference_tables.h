#pragma once
// Fixed marine-band knowledge: the master channel list, the three channel plans, the weather channels
// and the CTCSS and DCS lists.

#include "model/records.h"

#include <array>
#include <string>
#include <vector>

namespace klt {

// One entry of a channel list. The master list leaves the last two fields unused.
struct ListEntry {
    bool Used = true;
    std::string Label;
    double TxFreq = 0.0;
    double RxFreq = 0.0;
    double DuplexRxFreq = 0.0;
    bool DuplexCapable = false;
    bool LowPower = false;
    std::string ShortLabel;
};

constexpr int kMasterChannelCount = layout::kPlanChannelCount;

// Index 2n is channel n, 2n + 1 channel nA, for n = 0 to 119.
const std::array<ListEntry, kMasterChannelCount> &BuildMasterChannelList();

// The master index of a label such as "16" or "20A"; -1 when there is none.
int MasterIndexOf(const std::string &label);

std::vector<ChannelRecord> BuildPlanUSA();
std::vector<ChannelRecord> BuildPlanInternational();
std::vector<ChannelRecord> BuildPlanCanada();
// The plan of group 0, 1 or 2.
std::vector<ChannelRecord> BuildPlan(int group);

// Entries 1 to 10 (element 0 is entry 1).
const std::vector<ListEntry> &BuildWeatherList();

// One record per used list entry, numbered from 1.
std::vector<ChannelRecord> BuildTableFromList(const std::vector<ListEntry> &list, bool clearDuplex);

std::vector<std::string> BuildToneList(); // "Off", then 50 CTCSS tones
std::vector<std::string> BuildCodeList(); // "Off", then 104 DCS codes

} // namespace klt
