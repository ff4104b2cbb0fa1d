#include "support/random_config.h"

#include "model/image_mapping.h"
#include "model/model_catalogue.h"
#include "model/reference_tables.h"
#include "support/test_support.h"

#include <sstream>

namespace klt::test {

Configuration FactoryConfiguration(Model model) {
    RadioImage image;
    Configuration config;
    ImageNewDefaults(image, config, model);
    for (int group = 0; group < kPlanGroupCount; ++group) {
        PlanTable(config, group) = BuildPlan(group);
    }
    return config;
}

namespace {

class Draw {
public:
    explicit Draw(std::mt19937 &random) : random_(random) {}
    int number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    bool flag() { return number(0, 1) == 1; }
    std::string name(int maxLength) {
        static const std::string kChars = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcxyz-+().*/, ";
        std::string text;
        const int length = number(0, maxLength);
        for (int i = 0; i < length; ++i) {
            text.push_back(kChars[static_cast<std::size_t>(number(0, static_cast<int>(kChars.size()) - 1))]);
        }
        while (!text.empty() && text.back() == ' ') {
            text.pop_back();
        }
        return text;
    }
    std::string digits(int count) {
        std::string text;
        for (int i = 0; i < count; ++i) {
            text.push_back(static_cast<char>('0' + number(0, 9)));
        }
        return text;
    }
    std::string mmsi() { return flag() ? std::string() : digits(9) + "0"; }
    double frequency() { return flag() ? 0.0 : (1000000 + number(1, 999999)) / 10000.0; }
    template <std::size_t N> std::array<bool, N> flags() {
        std::array<bool, N> values{};
        for (auto &value : values) {
            value = flag();
        }
        return values;
    }

private:
    std::mt19937 &random_;
};

void RandomChannel(Draw &draw, ChannelRecord &record) {
    record.Enable = draw.flag();
    record.ScanMemory = draw.flag();
    record.ChTag = draw.name(16);
    record.TxEnable = !record.RxOnly && draw.flag();
    record.LowPower = record.TxEnable && draw.flag();
    record.PowUp = draw.flag();
    record.Duplex = record.DuplexAllowed && draw.flag();
    record.Scramble = static_cast<std::int16_t>(draw.number(0, 7));
    record.DispayA = draw.flag();
    record.RxCtcss = static_cast<std::int16_t>(draw.number(0, 50));
}

void RandomExpansion(Draw &draw, ChannelRecord &record, int k) {
    RandomChannel(draw, record);
    record.Position = static_cast<std::int16_t>(k);
    record.Wide = draw.flag();
    record.ExpCB = draw.flags<3>();
    record.CHDisplayL = draw.name(2);
    record.CHDisplayR = draw.name(1);
    record.Rxfreq = draw.frequency();
    record.Txfreq = draw.frequency();
}

void RandomSettings(Draw &draw, Configuration &config) {
    for (auto &group : config.Groups) {
        group.Usable = draw.flag();
        group.StatusName = draw.name(4);
        group.PriorityCh = draw.number(0, 65535);
        group.SecondCh = draw.number(0, 65535);
        group.ExpChGroup = draw.flags<3>();
    }
    auto &common = config.Common;
    common.TxPoDisplay = static_cast<std::int16_t>(draw.number(0, 255));
    common.Scan = draw.flag();
    common.TimeDisplay = draw.flag();
    common.Format = draw.flag();
    common.ResumeTime = static_cast<std::int16_t>(draw.number(0, 255));
    common.PttScanClear = draw.flag();
    common.DualWatch = draw.flag();
    common.OffsetTime = static_cast<std::int16_t>(draw.number(-24, 24));
    common.Weater = static_cast<std::int16_t>(draw.number(0, 255));
    common.Sog = static_cast<std::int16_t>(draw.number(0, 255));
    common.Distance = static_cast<std::int16_t>(draw.number(0, 255));
    common.Altitude = static_cast<std::int16_t>(draw.number(0, 255));

    config.DscBasic = {draw.flags<4>(), draw.mmsi(), draw.flags<4>(), draw.flags<4>(), draw.flags<8>()};
    for (auto &call : config.DscAdvanced.Calls) {
        call = {draw.flags<4>(), draw.flags<4>()};
    }
    config.DscDisplay = {draw.flag(), draw.flag(), draw.flag()};
    config.AutoPos.MenuDisplay = static_cast<std::int16_t>(draw.number(0, 3));
    for (auto &entry : config.AutoPos.Entries) {
        entry.Enable = static_cast<std::int16_t>(draw.number(0, 1));
        entry.MarineEnable = static_cast<std::int16_t>(draw.number(0, 255));
        entry.Channel = std::to_string(draw.number(0, 32767));
        entry.Interval = std::to_string(draw.number(0, 255));
        entry.SelectCall = static_cast<std::int16_t>(draw.number(0, 3));
        entry.LastAddress = draw.number(0, 255);
        entry.RcEnable = static_cast<std::int16_t>(draw.number(0, 1));
        entry.Mmsi = draw.mmsi();
    }
    config.Atis = {draw.flags<4>(), draw.flag() ? std::string() : draw.digits(draw.number(1, 10)),
                   draw.flags<4>()};
    for (auto &sign : config.AtisCallSigns) {
        sign = {draw.digits(3), draw.name(6)};
    }
}

template <std::size_t N> void RandomDirectory(Draw &draw, std::array<DirectoryEntry, N> &directory) {
    const int used = draw.number(0, static_cast<int>(N));
    for (int i = 0; i < static_cast<int>(N); ++i) {
        auto &entry = directory[static_cast<std::size_t>(i)];
        entry = {};
        if (i < used) {
            entry = {true, draw.name(11), draw.digits(9) + "0", {}};
        }
        entry.Members = draw.flags<80>();
    }
}

template <typename Records>
void Describe(std::ostringstream &out, const std::string &table, const Records &records, bool plan) {
    for (std::size_t n = 0; n < records.size(); ++n) {
        const auto &r = records[n];
        out << table << n << " enable=" << r.Enable << " scan=" << r.ScanMemory << " tag=" << r.ChTag;
        if (plan) {
            out << " tx=" << r.TxEnable << " low=" << r.LowPower << " up=" << r.PowUp << " dup=" << r.Duplex
                << " scr=" << r.Scramble;
        }
        out << '\n';
    }
}

} // namespace

Configuration RandomConfiguration(std::mt19937 &random, int model) {
    Draw draw(random);
    Configuration config;
    for (int g = 0; g < kPlanGroupCount; ++g) {
        PlanTable(config, g) = BuildPlan(g);
        for (auto &record : PlanTable(config, g)) {
            RandomChannel(draw, record);
        }
    }
    config.Weather = BuildTableFromList(BuildWeatherList(), false);
    for (auto &record : config.Weather) {
        record.Enable = draw.flag();
        record.ScanMemory = draw.flag();
        record.ChTag = draw.name(16);
    }
    for (int k = 1; k <= layout::kExpChannelCount; ++k) {
        RandomExpansion(draw, config.Expansion[static_cast<std::size_t>(k - 1)], k);
    }
    RandomSettings(draw, config);
    if (!HasSecondPriorityChannel(ModelNo(model))) {
        for (auto &group : config.Groups) {
            group.SecondCh = 0;
        }
    }
    RandomDirectory(draw, config.Individual);
    RandomDirectory(draw, config.GroupDirectory);
    return config;
}

std::vector<std::string> MappedFields(const Configuration &config, int model) {
    std::ostringstream out;
    Describe(out, "usa", config.Usa, true);
    Describe(out, "intl", config.International, true);
    Describe(out, "can", config.Canada, true);
    Describe(out, "wx", config.Weather, false);
    Describe(out, "exp", config.Expansion, true);
    for (const auto &r : config.Expansion) {
        out << "expblock pos=" << r.Position << " wide=" << r.Wide << " cb=" << r.ExpCB[0] << r.ExpCB[1]
            << r.ExpCB[2] << " disp=" << r.CHDisplayL << "|" << r.CHDisplayR << " rx=" << r.Rxfreq
            << " tx=" << r.Txfreq << '\n';
    }
    for (std::size_t g = 0; g < config.Groups.size(); ++g) {
        const auto &group = config.Groups[g];
        out << "group" << g << " usable=" << group.Usable << " status=" << group.StatusName;
        if (g < 3) {
            out << " pri=" << group.PriorityCh
                << (HasSecondPriorityChannel(ModelNo(model)) ? " sec=" + std::to_string(group.SecondCh) : "");
        }
        out << " dsc=" << config.DscBasic.Group[g] << " atis=" << config.Atis.UsableAtisChGroup[g] << '\n';
    }
    const auto &c = config.Common;
    out << "common " << c.TxPoDisplay << ' ' << c.Scan << ' ' << c.TimeDisplay << ' ' << c.Format << ' '
        << c.ResumeTime << ' ' << c.PttScanClear << ' ' << c.DualWatch << ' ' << c.OffsetTime << ' '
        << c.Weater << ' ' << c.Sog << ' ' << c.Distance << ' ' << c.Altitude << '\n';
    out << "mmsi=" << config.DscBasic.UserMmsi << " posreq0=" << config.DscBasic.PosRequest[0] << " beep=";
    for (int i = 0; i < 7; ++i) {
        out << config.DscBasic.BeepOut[static_cast<std::size_t>(i)];
    }
    out << '\n';
    for (const auto &call : config.DscAdvanced.Calls) {
        out << "call";
        for (int e = 0; e < 4; ++e) {
            out << ' ' << call.Value[static_cast<std::size_t>(e)] << call.Tx[static_cast<std::size_t>(e)];
        }
        out << '\n';
    }
    const auto &d = config.DscDisplay;
    out << "menus " << d.IndividualAckMenu << d.IndividualAckMessageMenu << d.PosRequestAckMenu << '\n';
    const auto &a = config.AutoPos.Entries[0];
    out << "autopos " << a.Enable << ' ' << a.Channel << ' ' << a.Interval << ' ' << a.Mmsi << ' '
        << a.MarineEnable << ' ' << a.SelectCall << ' '
        << (a.SelectCall <= 1 ? std::to_string(a.LastAddress) : "-") << '\n';
    out << "atis=" << config.Atis.AtisCode << '\n';
    for (const auto *directory : {&config.Individual}) {
        for (const auto &e : *directory) {
            out << "ind " << e.Enable << ' ' << e.TagName << ' ' << e.Mmsid << '\n';
        }
    }
    for (const auto &e : config.GroupDirectory) {
        out << "grp " << e.Enable << ' ' << e.TagName << ' ' << e.Mmsid << '\n';
    }
    std::vector<std::string> lines;
    std::istringstream in(out.str());
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

} // namespace klt::test
