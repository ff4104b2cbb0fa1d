#include "files/settings_reader.h"

#include "files/profile_reader.h"
#include "files/settings_file_format.h"
#include "model/text_format.h"

namespace klt {

namespace {

using namespace settings_file;

// Look-ups in one section, each converted by its encoding into a field it may leave alone.
class SectionReader {
public:
    SectionReader(const SectionTable &table, std::string section)
        : table_(table), section_(std::move(section)) {}

    void flag(std::string_view key, bool &field) const { Set(ToBool(value(key)), field); }
    void int16(std::string_view key, std::int16_t &field) const { Set(ToInt16(value(key)), field); }
    void int32(std::string_view key, std::int32_t &field) const { Set(ToInt32(value(key)), field); }
    void real(std::string_view key, double &field) const { Set(ToReal(value(key)), field); }
    void text(std::string_view key, std::string &field) const { field = value(key); }
    std::string value(std::string_view key) const { return table_.lookUp(section_, key); }

private:
    template <typename T> static void Set(const std::optional<T> &converted, T &field) {
        if (converted) {
            field = *converted;
        }
    }

    const SectionTable &table_;
    std::string section_;
};

void ApplyGroups(const SectionTable &table, Configuration &config, int model) {
    const SectionReader s(table, std::string(kGroups));
    for (std::size_t g = 0; g < kGroupKeys.size(); ++g) {
        auto &group = config.Groups[g];
        const int i = static_cast<int>(g);
        s.flag(kGroupKeys[g], group.Usable);
        s.int32(Indexed("Priority CH", i), group.PriorityCh);
        if (model == 3) {
            s.int32(Indexed("Second CH", i), group.SecondCh);
        }
        s.text(Indexed("Status name", i), group.StatusName);
    }
    for (std::size_t j = 0; j < 3; ++j) {
        s.flag(Indexed("Exp Ch Group", static_cast<int>(j)), config.Groups[kExpGroup].ExpChGroup[j]);
    }
}

void ApplyCommon(const SectionTable &table, CommonSetupRecord &c) {
    const SectionReader s(table, std::string(kCommon));
    s.int16("TX Po Display", c.TxPoDisplay);
    s.flag("SCAN", c.Scan);
    s.int16("Resume Time", c.ResumeTime);
    s.flag("PTT SCAN Clear", c.PttScanClear);
    s.flag("Dual Watch", c.DualWatch);
    s.int16("Offset Time", c.OffsetTime);
    s.flag("Time Display", c.TimeDisplay);
    s.flag("Format", c.Format);
    s.int16("Weater", c.Weater);
    s.int16("SOG", c.Sog);
    s.int16("Distance", c.Distance);
    s.int16("Altitude", c.Altitude);
}

void ApplyDsc(const SectionTable &table, Configuration &config) {
    auto &basic = config.DscBasic;
    const SectionReader b(table, std::string(kDscBasic));
    for (std::size_t g = 0; g < 3; ++g) {
        b.flag(kGroupKeys[g], basic.Group[g]);
    }
    b.text("User MMSI", basic.UserMmsi);
    for (std::size_t i = 0; i < 4; ++i) {
        b.flag("PosRequest" + std::to_string(i), basic.PosRequest[i]);
        b.flag("PosRequestTX" + std::to_string(i), basic.PosRequestTx[i]);
    }
    for (std::size_t i = 0; i < basic.BeepOut.size(); ++i) {
        b.flag("BeepOut" + std::to_string(i), basic.BeepOut[i]);
    }
    const SectionReader a(table, std::string(kDscAdvanced));
    for (std::size_t c = 0; c < kCallKinds.size(); ++c) {
        auto &call = config.DscAdvanced.Calls[c];
        for (std::size_t i = 0; i < 4; ++i) {
            a.flag(std::string(kCallKinds[c]) + std::to_string(i), call.Value[i]);
            a.flag(std::string(kCallKinds[c]) + "TX" + std::to_string(i), call.Tx[i]);
        }
    }
    const SectionReader d(table, std::string(kDscDisplay));
    d.flag("Individual ACK Menu", config.DscDisplay.IndividualAckMenu);
    d.flag("Individual ACK Message Menu", config.DscDisplay.IndividualAckMessageMenu);
    d.flag("POS Request ACK Menu", config.DscDisplay.PosRequestAckMenu);
}

void ApplyAtis(const SectionTable &table, Configuration &config) {
    const SectionReader s(table, std::string(kAtisCommon));
    for (std::size_t g = 0; g < 4; ++g) {
        s.flag("Usable ATIS CH Group" + std::to_string(g), config.Atis.UsableAtisChGroup[g]);
        s.flag("Usable ATIS Kikker CH Group" + std::to_string(g), config.Atis.UsableAtisKikkerChGroup[g]);
    }
    s.text("Atis Code", config.Atis.AtisCode);
    const SectionReader c(table, std::string(kAtisCallSign));
    for (std::size_t i = 0; i < config.AtisCallSigns.size(); ++i) {
        c.text("MID" + std::to_string(i + 1), config.AtisCallSigns[i].Mid);
        c.text("DISP" + std::to_string(i + 1), config.AtisCallSigns[i].Disp);
    }
}

// Sections k = 0, 1, ... until one has no Position; each fills the record its Position names, so a
// later section with the same Position wins.
void ApplyPlanChannels(const SectionTable &table, std::string_view prefix,
                       std::vector<ChannelRecord> &records, Ui &ui) {
    for (int k = 0;; ++k) {
        const SectionReader s(table, std::string(prefix) + std::to_string(k));
        const std::string position = s.value("Position");
        if (position.empty()) {
            return;
        }
        const auto index = ToInt16(position);
        if (index && *index >= 0 && static_cast<std::size_t>(*index) < records.size()) {
            auto &r = records[static_cast<std::size_t>(*index)];
            s.flag("Enable", r.Enable);
            s.flag("LowPower", r.LowPower);
            s.flag("PowUp", r.PowUp);
            s.flag("Duplex", r.Duplex);
            s.flag("TxEnable", r.TxEnable);
            s.flag("DispayA", r.DispayA);
            s.flag("ScanMemory", r.ScanMemory);
            // The plan decides what a channel can do: no duplex without a duplex pair, no transmit on
            // a receive-only channel.
            r.Duplex = r.Duplex && r.DuplexAllowed;
            r.TxEnable = r.TxEnable && !r.RxOnly;
            s.int16("Scramble", r.Scramble);
            s.text("ChTag", r.ChTag);
        }
        ui.processEvents();
    }
}

void ApplyWeather(const SectionTable &table, std::vector<ChannelRecord> &records) {
    for (std::size_t k = 0; k < records.size(); ++k) {
        const std::string name = std::string(kWeatherSection) + std::to_string(k);
        if (!table.hasSection(name)) {
            continue;
        }
        const SectionReader s(table, name);
        s.flag("Enable", records[k].Enable);
        s.flag("ScanMemory", records[k].ScanMemory);
        s.text("ChTag", records[k].ChTag);
    }
}

template <std::size_t N>
void ApplyDirectory(const SectionTable &table, std::string_view prefix,
                    std::array<DirectoryEntry, N> &directory) {
    for (std::size_t k = 1; k <= N; ++k) {
        const std::string name = std::string(prefix) + std::to_string(k);
        if (!table.hasSection(name)) {
            continue;
        }
        const SectionReader s(table, name);
        s.flag("Enable", directory[k - 1].Enable);
        s.text("TagName", directory[k - 1].TagName);
        s.text("Mmsid", directory[k - 1].Mmsid);
    }
}

void ApplyExpansion(const SectionTable &table, Configuration &config) {
    for (std::size_t k = 1; k <= config.Expansion.size(); ++k) {
        const std::string name = std::string(kExpSection) + std::to_string(k);
        if (!table.hasSection(name)) {
            continue;
        }
        const SectionReader s(table, name);
        auto &r = config.Expansion[k - 1];
        s.flag("Enable", r.Enable);
        s.text("CHDisplayL", r.CHDisplayL);
        s.text("CHDisplayR", r.CHDisplayR);
        s.real("Rxfreq", r.Rxfreq);
        s.real("Txfreq", r.Txfreq);
        s.flag("LowPower", r.LowPower);
        s.flag("PowUp", r.PowUp);
        s.flag("ScanMemory", r.ScanMemory);
        s.int16("Scramble", r.Scramble);
        s.text("ChTag", r.ChTag);
        for (std::size_t i = 0; i < r.ExpCB.size(); ++i) {
            s.flag("ExpCB" + std::to_string(i + 1), r.ExpCB[i]);
        }
    }
}

} // namespace

void ApplySettingsTable(const SectionTable &table, Configuration &config, int model, bool atis, Ui &ui) {
    ApplyGroups(table, config, model);
    ApplyCommon(table, config.Common);
    ApplyDsc(table, config);
    if (atis) {
        ApplyAtis(table, config);
    }
    for (int g = 0; g < kPlanGroupCount; ++g) {
        ApplyPlanChannels(table, kPlanSections[static_cast<std::size_t>(g)], PlanTable(config, g), ui);
    }
    ApplyWeather(table, config.Weather);
    ApplyDirectory(table, kIndividualSection, config.Individual);
    ApplyDirectory(table, kGroupDirectorySection, config.GroupDirectory);
    ApplyExpansion(table, config);
}

double SettingsFileModel(const std::filesystem::path &path) {
    return LeadingNumber(ReadProfileString(path, std::string(kMain), "MODELTYPE"));
}

} // namespace klt
