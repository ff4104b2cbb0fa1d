#include "model/configuration_check.h"

#include "model/channel_rules.h"
#include "model/decimal_format.h"
#include "model/directory_rules.h"
#include "model/maritime_identity.h"
#include "model/number_rules.h"
#include "model/reference_tables.h"
#include "model/text_format.h"

#include <algorithm>
#include <array>

namespace klt {

namespace {

constexpr std::array<const char *, kGroupCount> kGroupCaptions = {"Group1", "Group2", "Group3", "EXP CH"};

using Problems = std::vector<std::string>;

std::string FormatMhz(double mhz) {
    return FormatFixed(mhz, 3, 4);
}

std::string NameProblem(const std::string &name, std::size_t length) {
    if (NameTooLong(name, length)) {
        return "longer than " + std::to_string(length) + " characters";
    }
    if (const auto c = UnshowableNameCharacter(name)) {
        return "holds \"" + Utf8FromLatin1(std::string(1, *c)) + "\", which the radio cannot show";
    }
    return {};
}

std::string Label(int position) {
    const auto &master = BuildMasterChannelList();
    return position >= 0 && position < kMasterChannelCount ? master[static_cast<std::size_t>(position)].Label
                                                           : std::to_string(position);
}

bool EnabledIn(const std::vector<ChannelRecord> &table, int position) {
    return std::any_of(table.begin(), table.end(),
                       [position](const ChannelRecord &r) { return r.Enable && r.Position == position; });
}

void CheckGroups(const Configuration &config, Model model, Problems &problems) {
    for (int g = 0; g < kGroupCount; ++g) {
        const GroupSetupRecord &group = config.Groups[static_cast<std::size_t>(g)];
        const std::string where =
            std::string("Usable CH Group Setup, ") + kGroupCaptions[static_cast<std::size_t>(g)];
        if (NameTooLong(group.StatusName, kStatusNameLength)) {
            problems.push_back(where + ": the status name is longer than " +
                               std::to_string(kStatusNameLength) + " characters");
        }
        if (!group.Usable || g >= kPlanGroupCount) {
            continue;
        }
        const auto &table = PlanTable(config, g);
        if (!EnabledIn(table, group.PriorityCh)) {
            problems.push_back(where + ": the priority channel " + Label(group.PriorityCh) +
                               " is not an enabled channel of the group");
        }
        if (HasSecondPriorityChannel(model) && !EnabledIn(table, group.SecondCh)) {
            problems.push_back(where + ": the second priority channel " + Label(group.SecondCh) +
                               " is not an enabled channel of the group");
        }
    }
}

void CheckPlanChannels(const Configuration &config, Problems &problems) {
    const char *const tables[] = {"USA", "International", "Canada"};
    for (int g = 0; g < kPlanGroupCount; ++g) {
        for (const ChannelRecord &r : PlanTable(config, g)) {
            const std::string where =
                std::string("Programable Channel, ") + tables[g] + " " + Label(r.Position);
            if (const auto problem = NameProblem(r.ChTag, kChannelNameLength); !problem.empty()) {
                problems.push_back(where + ": the name " + problem);
            }
            for (const PlanFeature feature : ForbiddenFeatures(r)) {
                problems.push_back(where + ": " + WhyNot(feature));
            }
            // The distress channel of a group the radio uses must be there to call on.
            if (r.Position == kDistressPosition && config.Groups[static_cast<std::size_t>(g)].Usable) {
                if (!r.Enable) {
                    problems.push_back(where + ": the distress channel is disabled");
                } else if (r.Duplex || !r.TxEnable) {
                    problems.push_back(where + (r.Duplex ? ": the distress channel is set to duplex"
                                                         : ": the distress channel is set to receive only"));
                }
            }
        }
    }
}

void CheckExpansionAndWeather(const Configuration &config, Problems &problems) {
    for (std::size_t i = 0; i < config.Weather.size(); ++i) {
        if (const auto problem = NameProblem(config.Weather[i].ChTag, kChannelNameLength); !problem.empty()) {
            problems.push_back("Weather, channel " + std::to_string(i + 1) + ": the name " + problem);
        }
    }
    for (std::size_t i = 0; i < config.Expansion.size(); ++i) {
        const ChannelRecord &r = config.Expansion[i];
        const std::string where = "EXP Channel " + std::to_string(i + 1) + ": ";
        if (const auto problem = NameProblem(r.ChTag, kChannelNameLength); !problem.empty()) {
            problems.push_back(where + "the name " + problem);
        }
        if (!r.Enable) {
            continue;
        }
        if (LacksReceiveFrequency(r)) {
            problems.push_back(where + "enabled without a receive frequency");
        }
        for (const double mhz : {r.Rxfreq, r.Txfreq}) {
            if (!FrequencyAllowed(mhz)) {
                problems.push_back(where + "the frequency " + FormatMhz(mhz) +
                                   " MHz is not on the 25 kHz raster from 137 to 174 MHz");
            }
        }
        if (LacksDisplayFigures(r)) {
            problems.push_back(where + "enabled without its two display figures");
        }
        if (r.Scramble != 0) {
            // New expansion channels start with the factory's scrambler value: say so, it is seldom meant.
            problems.push_back(where + "the scrambler is on");
        }
    }
}

template <std::size_t N>
void CheckDirectory(const std::array<DirectoryEntry, N> &entries, bool group, Problems &problems) {
    const std::string title = group ? "Group Directory" : "Individual Directory";
    const auto used = static_cast<std::size_t>(UsedCount(entries));
    for (std::size_t i = 0; i < N; ++i) {
        const DirectoryEntry &entry = entries[i];
        const std::string where = title + ", entry " + std::to_string(i + 1) + ": ";
        if (!entry.Enable) {
            continue;
        }
        if (i >= used) {
            problems.push_back(where + "in use after an empty entry");
        }
        const NumberKind kind = group ? NumberKind::GroupMmsi : NumberKind::Mmsi;
        if (entry.Mmsid.empty()) {
            problems.push_back(where + "in use without an MMSI: the radio would not get this station");
        } else if (!StoredNumberValid(entry.Mmsid, kind)) {
            problems.push_back(where + "the MMSI is not " + std::to_string(DigitCount(kind)) + " digits");
        } else if (const auto warning = group ? GroupMmsiWarning(MmsiFieldText(entry.Mmsid, true))
                                              : IndividualMmsiWarning(MmsiForPeople(entry.Mmsid))) {
            problems.push_back(where + *warning);
        }
        if (const auto problem = NameProblem(entry.TagName, kDirectoryNameLength); !problem.empty()) {
            problems.push_back(where + "the name " + problem);
        }
    }
}

void CheckDscAndAtis(const Configuration &config, bool atis, Problems &problems) {
    const std::string &user = config.DscBasic.UserMmsi;
    if (!StoredNumberValid(user, NumberKind::Mmsi)) {
        problems.push_back("DSC Setup: the user MMSI is not " + std::to_string(kMmsiDigits) + " digits");
    } else if (const auto warning = user.empty() ? std::nullopt : UserMmsiWarning(MmsiForPeople(user))) {
        problems.push_back("DSC Setup: the user MMSI " + *warning);
    }
    if (!atis) {
        return;
    }
    const std::string &code = config.Atis.AtisCode;
    if (!StoredNumberValid(code, NumberKind::AtisCode)) {
        problems.push_back("ATIS Setup: the ATIS code is not " + std::to_string(kAtisCodeDigits) + " digits");
    } else if (const auto warning = code.empty() ? std::nullopt : AtisCodeWarning(code)) {
        problems.push_back("ATIS Setup: the ATIS code " + *warning);
    }
    bool sent = false;
    for (std::size_t g = 0; g < kGroupCount; ++g) {
        sent = sent || (config.Groups[g].Usable && config.Atis.UsableAtisChGroup[g]);
    }
    if (!code.empty() && !sent) {
        problems.push_back("ATIS Setup: an ATIS code is set, but no usable channel group sends ATIS");
    }
}

} // namespace

std::vector<std::string> CheckConfiguration(const Configuration &config, Model model, bool atis) {
    Problems problems;
    CheckGroups(config, model, problems);
    CheckPlanChannels(config, problems);
    CheckExpansionAndWeather(config, problems);
    CheckDirectory(config.Individual, false, problems);
    CheckDirectory(config.GroupDirectory, true, problems);
    CheckDscAndAtis(config, atis, problems);
    return problems;
}

} // namespace klt
