#include "model/reference_tables.h"

#include <cstdio>
#include <initializer_list>
#include <string_view>

namespace klt {

namespace {

struct NamedChannels {
    std::string_view name;
    std::initializer_list<std::string_view> channels;
};

struct PlanDefinition {
    std::initializer_list<NamedChannels> rows;
    std::initializer_list<std::string_view> lowPower;
    std::initializer_list<std::string_view> duplex;
    std::initializer_list<std::string_view> receiveOnly;
};

const PlanDefinition kUsaPlan = {
    {
        {"VTS", {"01A", "05A", "11", "12", "14", "63A"}},
        {"SAFTY", {"06"}},
        {"COMMERCIAL", {"07A", "08", "10", "15", "18A", "19A", "87A", "88A"}},
        {"CALLING", {"09"}},
        {"BRG/BRG", {"13", "67"}},
        {"DISTRESS", {"16"}},
        {"SAR", {"17"}},
        {"PORT OPR", {"20", "20A", "65A", "66A", "73", "74", "75", "76", "77"}},
        {"CCG", {"21A", "81A", "82A"}},
        {"USCG", {"22A", "23A", "83A"}},
        {"TELEPHONE", {"24", "25", "26", "27", "28", "84", "85", "86"}},
        {"SHIP-SHIP", {"68", "72", "78A", "79A", "80A"}},
        {"PLEASURE", {"69", "71"}},
        {"DSC", {"70"}},
    },
    {"13", "17", "67", "75", "76", "77"},
    {"20", "24", "25", "26", "27", "28", "84", "85", "86"},
    {"15", "70"},
};

const PlanDefinition kInternationalPlan = {
    {
        {"TELEPHONE", {"01", "02", "03", "24", "25", "26", "27", "28", "60", "64", "84", "85", "86"}},
        {"INTL",
         {"04", "05", "07", "18", "19", "21", "22", "23", "61", "62", "63", "65", "66", "78", "79", "80",
          "81", "82", "83"}},
        {"SAFTY", {"06"}},
        {"COMMERCIAL", {"08", "10", "15"}},
        {"CALLING", {"09"}},
        {"VTS", {"11", "12", "14"}},
        {"BRG/BRG", {"13", "67"}},
        {"DISTRESS", {"16"}},
        {"SAR", {"17"}},
        {"PORT OPR", {"20", "73", "74", "75", "76", "77", "87", "88"}},
        {"SHIP-SHIP", {"68", "72"}},
        {"PLEASURE", {"69", "71"}},
        {"DSC", {"70"}},
    },
    {"15", "17", "75", "76"},
    {"01", "02", "03", "04", "05", "07", "18", "19", "20", "21", "22", "23", "24", "25", "26", "27", "28",
     "60", "61", "62", "63", "64", "65", "66", "78", "79", "80", "81", "82", "83", "84", "85", "86"},
    {"70"},
};

const PlanDefinition kCanadaPlan = {
    {
        {"TELEPHONE", {"01", "02", "03", "24", "25", "26", "27", "28", "60", "64", "84", "85", "86"}},
        {"CCG", {"04A", "21A", "61A", "62A", "81A", "82A", "83", "83A"}},
        {"VTS", {"05A", "11", "12", "14"}},
        {"SAFETY", {"06"}},
        {"COMMERCIAL", {"07A", "08", "10", "15", "18A", "19A", "64A"}},
        {"CALLING", {"09"}},
        {"BRG/BRG", {"13", "67"}},
        {"DISTRESS", {"16"}},
        {"SAR", {"17"}},
        {"PORT OPR", {"20", "65A", "66A", "73", "74", "75", "76", "77", "87", "88"}},
        {"USCG", {"22A"}},
        {"INTL", {"23"}},
        {"SHIP-SHIP", {"63A", "68", "72", "78A", "79A", "80A"}},
        {"PLEASURE", {"69", "71"}},
        {"DSC", {"70"}},
    },
    {"13", "15", "17", "20", "66A", "75", "76", "77"},
    {"01", "02", "03", "20", "23", "24", "25", "26", "27", "28", "60", "64", "83", "84", "85", "86"},
    {"70"},
};

// kHz steps keep the frequencies exact to the nearest double.
double Mhz(int kHz) {
    return kHz / 1000.0;
}

std::string TwoDigits(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

bool Listed(std::initializer_list<std::string_view> labels, std::string_view label) {
    for (const auto candidate : labels) {
        if (candidate == label) {
            return true;
        }
    }
    return false;
}

std::vector<ChannelRecord> BuildPlanFrom(const PlanDefinition &plan) {
    const auto &master = BuildMasterChannelList();
    std::vector<ChannelRecord> table(kMasterChannelCount);
    for (int i = 0; i < kMasterChannelCount; ++i) {
        auto &record = table[static_cast<std::size_t>(i)];
        record.Position = static_cast<std::int16_t>(i);
        record.DuplexAllowed = master[static_cast<std::size_t>(i)].DuplexCapable;
        record.TxEnable = true;
    }
    for (const auto &row : plan.rows) {
        for (const auto label : row.channels) {
            auto &record = table[static_cast<std::size_t>(MasterIndexOf(std::string(label)))];
            record.Enable = true;
            record.ChTag = std::string(row.name);
            record.RxOnly = Listed(plan.receiveOnly, label);
            if (record.RxOnly) {
                record.DuplexAllowed = false;
            }
            record.TxEnable = !record.RxOnly;
            record.Duplex = Listed(plan.duplex, label);
            record.LowPower = Listed(plan.lowPower, label);
        }
    }
    return table;
}

} // namespace

const std::array<ListEntry, kMasterChannelCount> &BuildMasterChannelList() {
    static const std::array<ListEntry, kMasterChannelCount> kMaster = [] {
        std::array<ListEntry, kMasterChannelCount> master;
        for (int n = 0; n < kMasterChannelCount / 2; ++n) {
            const int kHz = n < 60 ? 156000 + 50 * n : 156025 + 50 * (n - 60);
            ListEntry plain{true, TwoDigits(n), Mhz(kHz), Mhz(kHz), Mhz(kHz + 4600), true, false, {}};
            ListEntry suffixA{true, TwoDigits(n) + "A", Mhz(kHz), Mhz(kHz), 0.0, false, false, {}};
            master[static_cast<std::size_t>(2 * n)] = plain;
            master[static_cast<std::size_t>(2 * n + 1)] = suffixA;
        }
        return master;
    }();
    return kMaster;
}

int MasterIndexOf(const std::string &label) {
    const auto &master = BuildMasterChannelList();
    for (int i = 0; i < kMasterChannelCount; ++i) {
        if (master[static_cast<std::size_t>(i)].Label == label) {
            return i;
        }
    }
    return -1;
}

std::vector<ChannelRecord> BuildPlanUSA() {
    return BuildPlanFrom(kUsaPlan);
}

std::vector<ChannelRecord> BuildPlanInternational() {
    return BuildPlanFrom(kInternationalPlan);
}

std::vector<ChannelRecord> BuildPlanCanada() {
    return BuildPlanFrom(kCanadaPlan);
}

std::vector<ChannelRecord> BuildPlan(int group) {
    switch (group) {
    case 0:
        return BuildPlanUSA();
    case 1:
        return BuildPlanInternational();
    default:
        return BuildPlanCanada();
    }
}

const std::vector<ListEntry> &BuildWeatherList() {
    static const std::vector<ListEntry> kWeather = [] {
        static constexpr int kKhz[] = {162550, 162400, 162475, 162425, 162450,
                                       162500, 162525, 161650, 161775, 163275};
        std::vector<ListEntry> list;
        for (int i = 0; i < layout::kWeatherChannelCount; ++i) {
            const std::string mhz = std::to_string(kKhz[i] / 1000) + "." + std::to_string(kKhz[i] % 1000);
            const double freq = Mhz(kKhz[i]);
            list.push_back({true, "WX" + TwoDigits(i + 1) + "[" + mhz + "MHz]", 0.0, freq, freq, true, false,
                            mhz + "MHZ"});
        }
        return list;
    }();
    return kWeather;
}

std::vector<ChannelRecord> BuildTableFromList(const std::vector<ListEntry> &list, bool clearDuplex) {
    std::vector<ChannelRecord> table;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const auto &entry = list[i];
        if (!entry.Used) {
            continue;
        }
        ChannelRecord record;
        record.Position = static_cast<std::int16_t>(i + 1);
        record.Enable = true;
        record.LowPower = entry.LowPower;
        record.Duplex = entry.DuplexCapable;
        record.DuplexAllowed = entry.DuplexCapable && !clearDuplex;
        record.TxEnable = entry.TxFreq > 0.0;
        record.DispayA = !entry.Label.empty() && entry.Label.back() == 'A';
        record.ChTag = entry.ShortLabel;
        table.push_back(record);
    }
    return table;
}

std::vector<std::string> BuildToneList() {
    static constexpr std::string_view kTones[] = {
        "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
        "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
        "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
        "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
        "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};
    std::vector<std::string> list{"Off"};
    for (const auto tone : kTones) {
        list.push_back(std::string(tone) + "Hz");
    }
    return list;
}

std::vector<std::string> BuildCodeList() {
    static constexpr std::string_view kCodes =
        "023 025 026 031 032 036 043 047 051 053 054 065 071 072 073 074 114 115 116 122 125 131 132 134 "
        "143 145 152 155 156 162 165 172 174 205 212 223 225 226 243 244 245 246 251 252 255 261 263 265 "
        "266 271 274 306 311 315 325 331 332 343 346 351 356 364 365 371 411 412 413 423 431 432 445 446 "
        "452 454 455 462 464 465 466 503 506 516 523 526 532 546 565 606 612 624 627 631 632 654 662 664 "
        "703 712 723 731 732 734 743 754";
    std::vector<std::string> list{"Off"};
    for (std::size_t i = 0; i < kCodes.size(); i += 4) {
        list.emplace_back(kCodes.substr(i, 3));
    }
    return list;
}

} // namespace klt
