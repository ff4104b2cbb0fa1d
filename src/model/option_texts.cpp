#include "model/option_texts.h"

#include "model/reference_tables.h"
#include "model/text_format.h"
#include "model/value_codecs.h"

#include <cstdlib>
#include <initializer_list>
#include <string_view>

namespace klt {

namespace {

// The text of entry value of a short table; empty for any other value.
std::string Pick(int value, std::initializer_list<std::string_view> texts) {
    if (value < 0 || value >= static_cast<int>(texts.size())) {
        return {};
    }
    return std::string(*(texts.begin() + value));
}

std::string Mark(bool flag, std::string_view set, std::string_view clear) {
    return std::string(flag ? set : clear);
}

constexpr std::int64_t kLastExpReference = kFirstExpReference + layout::kExpChannelCount - 1;
constexpr std::int64_t kAutoPosExpBase = 4096;

} // namespace

std::string TxPowerDisplayText(int value) {
    return Pick(value, {"Lo Po Only", "Lo Po on Changing CH", "Last TX Po"});
}

std::string OnOffText(bool flag) {
    return flag ? "On" : "Off";
}

std::string ResumeTimeText(int value) {
    return Pick(value, {"--", "1Sec", "2Sec", "3Sec"});
}

std::string TimeDisplayText(int value) {
    return Pick(std::abs(value), {"UTC", "Local"});
}

std::string TimeFormatText(int value) {
    return Pick(std::abs(value), {"12H", "24H"});
}

std::string WeatherAlertText(int value) {
    return value == 0 ? "OFF" : value == 3 ? "ON" : "";
}

std::string SpeedUnitText(int value) {
    return Pick(value, {"KTS", "MPH", "KMH"});
}

std::string DistanceUnitText(int value) {
    return Pick(value, {"Nm", "Sm", "Km"});
}

std::string AltitudeUnitText(int value) {
    return Pick(value, {"feet", "m"});
}

std::string IntervalText(int value) {
    return Pick(value, {"OFF", "15 sec", "30 sec", "1 min", "2 min", "5 min", "10 min", "20 min", "30 min",
                        "40 min"});
}

std::string SelectCallText(int value, bool groupFlag) {
    if (value == 0) {
        return "Individual";
    }
    if (value == 1) {
        return groupFlag ? "Group" : "Multi-st";
    }
    return {};
}

std::string BracketedStatusName(const Configuration &config, int group) {
    if (group < 1 || group > kGroupCount) {
        return {};
    }
    const std::string &name = config.Groups[static_cast<std::size_t>(group - 1)].StatusName;
    return name.empty() ? std::string() : "[" + name + "]";
}

std::string GroupChoiceText(const Configuration &config, int value) {
    if (value < 1 || value > 3) {
        return "No";
    }
    return "Group" + std::to_string(value) + BracketedStatusName(config, value);
}

std::string DirectoryNameText(const Configuration &config, std::int64_t entryNumber, int selectCall,
                              int mode) {
    if (mode != 1 || entryNumber < 1) {
        return {};
    }
    const auto index = static_cast<std::size_t>(entryNumber - 1);
    if (selectCall == 0 && index < config.Individual.size()) {
        return config.Individual[index].TagName;
    }
    if (selectCall == 1 && index < config.GroupDirectory.size()) {
        return config.GroupDirectory[index].TagName;
    }
    return {};
}

// Expansion channels 1 to 64 are references 240 to 303.
std::string ChannelRefText(std::int64_t reference) {
    if (reference >= 0 && reference < kMasterChannelCount) {
        return BuildMasterChannelList()[static_cast<std::size_t>(reference)].Label;
    }
    if (reference >= kFirstExpReference && reference <= kLastExpReference) {
        return ExpText() + std::to_string(reference - (kFirstExpReference - 1));
    }
    return "Off";
}

std::string ExpText() {
    return "EXP";
}

std::string AutoPosChannelText(const Configuration &config, std::int64_t value) {
    for (const auto &record : config.Usa) {
        if (record.Enable && record.Position == value && value >= 0 && value < kMasterChannelCount) {
            return BuildMasterChannelList()[static_cast<std::size_t>(value)].Label;
        }
    }
    const std::int64_t k = value - kAutoPosExpBase;
    if (k >= 1 && k <= layout::kExpChannelCount) {
        const auto &record = config.Expansion[static_cast<std::size_t>(k - 1)];
        if (record.Enable) {
            return record.CHDisplayL + record.CHDisplayR;
        }
    }
    return {};
}

std::string EnableMark(bool flag) {
    return Mark(flag, "ENABLE", "------");
}

std::string TxMark(bool flag) {
    return Mark(flag, "TX", "--");
}

std::string LowMark(bool flag) {
    return Mark(flag, "LOW", "---");
}

std::string PowUpMark(bool flag) {
    return Mark(flag, "UP", "--");
}

std::string DuplexMark(bool flag) {
    return Mark(flag, "DUP", "---");
}

std::string ScanMemoryMark(bool flag) {
    return Mark(flag, "MEM", "---");
}

std::string HiLowText(bool flag) {
    return Mark(flag, "Hi", "Low");
}

std::string ScrambleText(int value) {
    return (value & 4) ? std::to_string(value & 3) : "--";
}

int DirectoryMemberCount(const Configuration &config, const DirectoryEntry &entry) {
    if (entry.TagName.empty()) {
        return 0;
    }
    int count = 0;
    for (std::size_t i = 0; i < entry.Members.size(); ++i) {
        count += entry.Members[i] && !config.Individual[i].Mmsid.empty() ? 1 : 0;
    }
    return count;
}

std::string NameOrDashes(const std::string &name) {
    return Trim(name).empty() ? "----" : name;
}

std::string ToneText(const ChannelRecord &record, bool transmit) {
    static const std::vector<std::string> kTones = BuildToneList();
    static const std::vector<std::string> kCodes = BuildCodeList();
    const int ctcss = transmit ? record.TxCtcss : record.RxCtcss;
    const int dcs = transmit ? record.TxDcs : record.RxDcs;
    const int lastCode = static_cast<int>(kCodes.size()) - 1;
    if (ctcss >= 1) {
        return ctcss < static_cast<int>(kTones.size()) ? kTones[static_cast<std::size_t>(ctcss)]
                                                       : std::string();
    }
    if (dcs >= 1 && dcs <= lastCode) {
        return "N" + kCodes[static_cast<std::size_t>(dcs)];
    }
    if (dcs > lastCode) {
        return dcs - lastCode <= lastCode ? "I" + kCodes[static_cast<std::size_t>(dcs - lastCode)]
                                          : std::string();
    }
    return "-------";
}

} // namespace klt
