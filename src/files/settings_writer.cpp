#include "files/settings_writer.h"

#include "files/settings_file_format.h"

#include <cstdlib>

namespace klt {

namespace {

using namespace settings_file;

class Writer {
public:
    void section(std::string_view name) { text_ += "[" + std::string(name) + "]\r\n"; }
    void key(std::string_view name, std::string_view value) {
        text_ += std::string(name) + "=" + std::string(value) + "\r\n";
    }
    void flag(std::string_view name, bool value) { key(name, Flag(value)); }
    void number(std::string_view name, long value) { key(name, std::to_string(value)); }
    void hashText(std::string_view name, std::string_view value) { key(name, "#" + std::string(value)); }
    std::string take() { return std::move(text_); }

private:
    std::string text_;
};

void WriteMain(Writer &w, int model, const std::string &modelName) {
    w.section(kMain);
    w.hashText("MODEL", modelName);
    w.hashText("TYPE", "KLT");
    w.hashText("VERSION", "1.00");
    w.number("MODELTYPE", model);
}

void WriteGroups(Writer &w, const Configuration &config, int model) {
    w.section(kGroups);
    for (std::size_t g = 0; g < kGroupKeys.size(); ++g) {
        w.flag(kGroupKeys[g], config.Groups[g].Usable);
    }
    for (int g = 0; g < kGroupCount; ++g) {
        w.number(Indexed("Priority CH", g), std::labs(config.Groups[static_cast<std::size_t>(g)].PriorityCh));
    }
    if (model == 3) {
        for (int g = 0; g < kGroupCount; ++g) {
            w.number(Indexed("Second CH", g), std::labs(config.Groups[static_cast<std::size_t>(g)].SecondCh));
        }
    }
    for (int g = 0; g < kGroupCount; ++g) {
        w.key(Indexed("Status name", g), config.Groups[static_cast<std::size_t>(g)].StatusName);
    }
    for (int j = 0; j < 3; ++j) {
        w.key(Indexed("Exp Ch Group", j),
              TruthWord(config.Groups[kExpGroup].ExpChGroup[static_cast<std::size_t>(j)]));
    }
}

void WriteCommon(Writer &w, const CommonSetupRecord &c) {
    w.section(kCommon);
    w.number("TX Po Display", std::abs(c.TxPoDisplay));
    w.flag("SCAN", c.Scan);
    w.number("Resume Time", c.ResumeTime);
    w.flag("PTT SCAN Clear", c.PttScanClear);
    w.flag("Dual Watch", c.DualWatch);
    w.number("Offset Time", c.OffsetTime);
    w.flag("Time Display", c.TimeDisplay);
    w.flag("Format", c.Format);
    w.number("Weater", std::abs(c.Weater));
    w.number("SOG", std::abs(c.Sog));
    w.number("Distance", std::abs(c.Distance));
    w.number("Altitude", std::abs(c.Altitude));
}

void WriteDsc(Writer &w, const Configuration &config) {
    const auto &basic = config.DscBasic;
    w.section(kDscBasic);
    for (std::size_t g = 0; g < 3; ++g) {
        w.flag(kGroupKeys[g], basic.Group[g]);
    }
    w.hashText("User MMSI", basic.UserMmsi);
    for (std::size_t i = 0; i < 4; ++i) {
        w.flag("PosRequest" + std::to_string(i), basic.PosRequest[i]);
        w.flag("PosRequestTX" + std::to_string(i), basic.PosRequestTx[i]);
    }
    for (std::size_t i = 0; i < basic.BeepOut.size(); ++i) {
        w.flag("BeepOut" + std::to_string(i), basic.BeepOut[i]);
    }
    w.section(kDscAdvanced);
    for (std::size_t c = 0; c < kCallKinds.size(); ++c) {
        const auto &call = config.DscAdvanced.Calls[c];
        for (std::size_t i = 0; i < 4; ++i) {
            w.flag(std::string(kCallKinds[c]) + std::to_string(i), call.Value[i]);
            w.flag(std::string(kCallKinds[c]) + "TX" + std::to_string(i), call.Tx[i]);
        }
    }
    w.section(kDscDisplay);
    w.flag("Individual ACK Menu", config.DscDisplay.IndividualAckMenu);
    w.flag("Individual ACK Message Menu", config.DscDisplay.IndividualAckMessageMenu);
    w.flag("POS Request ACK Menu", config.DscDisplay.PosRequestAckMenu);
}

void WriteAtis(Writer &w, const Configuration &config) {
    w.section(kAtisCommon);
    for (std::size_t g = 0; g < 4; ++g) {
        w.flag("Usable ATIS CH Group" + std::to_string(g), config.Atis.UsableAtisChGroup[g]);
    }
    w.hashText("Atis Code", config.Atis.AtisCode);
    for (std::size_t g = 0; g < 4; ++g) {
        w.flag("Usable ATIS Kikker CH Group" + std::to_string(g), config.Atis.UsableAtisKikkerChGroup[g]);
    }
    w.section(kAtisCallSign);
    for (std::size_t i = 0; i < config.AtisCallSigns.size(); ++i) {
        w.key("MID" + std::to_string(i + 1), config.AtisCallSigns[i].Mid);
        w.key("DISP" + std::to_string(i + 1), config.AtisCallSigns[i].Disp);
    }
}

void WritePlanChannels(Writer &w, std::string_view section, const std::vector<ChannelRecord> &table) {
    for (std::size_t k = 0; k < table.size(); ++k) {
        const auto &r = table[k];
        w.section(std::string(section) + std::to_string(k));
        w.number("Position", r.Position);
        w.flag("Enable", r.Enable);
        w.flag("LowPower", r.LowPower);
        w.flag("PowUp", r.PowUp);
        w.flag("Duplex", r.Duplex);
        w.flag("TxEnable", r.TxEnable);
        w.flag("DispayA", r.DispayA);
        w.flag("ScanMemory", r.ScanMemory);
        w.number("Scramble", r.Scramble);
        w.hashText("ChTag", r.ChTag);
    }
}

void WriteWeather(Writer &w, const std::vector<ChannelRecord> &table) {
    for (std::size_t k = 0; k < table.size(); ++k) {
        w.section(std::string(kWeatherSection) + std::to_string(k));
        w.flag("Enable", table[k].Enable);
        w.flag("ScanMemory", table[k].ScanMemory);
        w.hashText("ChTag", table[k].ChTag);
    }
}

template <std::size_t N>
void WriteDirectory(Writer &w, std::string_view section, const std::array<DirectoryEntry, N> &directory) {
    for (std::size_t k = 1; k <= N; ++k) {
        const auto &entry = directory[k - 1];
        w.section(std::string(section) + std::to_string(k));
        w.flag("Enable", entry.Enable);
        w.hashText("TagName", entry.TagName);
        w.key("Mmsid", entry.Mmsid);
    }
}

void WriteExpansion(Writer &w, const Configuration &config) {
    for (std::size_t k = 1; k <= config.Expansion.size(); ++k) {
        const auto &r = config.Expansion[k - 1];
        w.section(std::string(kExpSection) + std::to_string(k));
        w.flag("Enable", r.Enable);
        w.key("CHDisplayL", r.CHDisplayL);
        w.key("CHDisplayR", r.CHDisplayR);
        w.key("Rxfreq", Real(r.Rxfreq));
        w.key("Txfreq", Real(r.Txfreq));
        w.flag("LowPower", r.LowPower);
        w.flag("PowUp", r.PowUp);
        w.flag("ScanMemory", r.ScanMemory);
        w.number("Scramble", r.Scramble);
        w.hashText("ChTag", r.ChTag);
        for (std::size_t i = 0; i < r.ExpCB.size(); ++i) {
            w.flag("ExpCB" + std::to_string(i + 1), r.ExpCB[i]);
        }
    }
}

} // namespace

std::string ComposeSettingsText(const Configuration &config, int model, const std::string &modelName,
                                bool atis) {
    Writer w;
    WriteMain(w, model, modelName);
    WriteGroups(w, config, model);
    WriteCommon(w, config.Common);
    WriteDsc(w, config);
    if (atis) {
        WriteAtis(w, config);
    }
    for (int g = 0; g < kPlanGroupCount; ++g) {
        WritePlanChannels(w, kPlanSections[static_cast<std::size_t>(g)], PlanTable(config, g));
    }
    WriteWeather(w, config.Weather);
    WriteDirectory(w, kIndividualSection, config.Individual);
    WriteDirectory(w, kGroupDirectorySection, config.GroupDirectory);
    WriteExpansion(w, config);
    return w.take();
}

} // namespace klt
