#include "report/report_text.h"

#include "model/freq_codec.h"
#include "model/image_layout.h"
#include "model/model_catalogue.h"
#include "model/number_rules.h"
#include "model/option_texts.h"
#include "model/reference_tables.h"
#include "model/text_format.h"
#include "model/value_codecs.h"

namespace klt {

namespace {

constexpr int kLabelWidth = 35;
constexpr int kColumnWidth = 18;

std::string Row(std::string_view label, const std::vector<std::string> &values, int width = kColumnWidth) {
    std::string row = FixedWidth(label, kLabelWidth);
    for (const auto &value : values) {
        row += FixedWidth(value, width);
    }
    return row;
}

std::string Setting(std::string_view label, const std::string &value, int width = kColumnWidth) {
    return Row(label, {value}, width);
}

// Each part builds the lines of one section for one rendering.
class Composer {
public:
    Composer(const ReportInput &input, ReportRendering rendering)
        : in_(input), printed_(rendering == ReportRendering::Printed) {}

    std::vector<std::string> groups() const;
    std::vector<std::string> common() const;
    std::vector<std::string> dscBasic() const;
    std::vector<std::string> dscAdvanced() const;
    std::vector<std::string> dscDisplay() const;
    std::vector<std::string> atis() const;
    std::vector<std::string> planTable(int group) const;
    std::vector<std::string> weather() const;
    template <std::size_t N>
    std::vector<std::string> directory(const std::array<DirectoryEntry, N> &entries, bool individual) const;
    std::vector<std::string> expansion() const;

private:
    const Configuration &config() const { return in_.config; }

    const ReportInput &in_;
    bool printed_;
};

std::vector<std::string> Composer::groups() const {
    const auto &g = config().Groups;
    std::vector<std::string> lines = {"##### Usable CH Group Setup #####",
                                      Row("", {"Group1", "Group2", "Group3", "EXP CH"})};
    lines.push_back(Row("Enable", {OnOffText(g[0].Usable), OnOffText(g[1].Usable), OnOffText(g[2].Usable),
                                   OnOffText(g[3].Usable)}));
    lines.push_back(Row("Priority CH", {ChannelRefText(g[0].PriorityCh), ChannelRefText(g[1].PriorityCh),
                                        ChannelRefText(g[2].PriorityCh)}));
    if (HasSecondPriorityChannel(in_.model)) {
        lines.push_back(Row("Second CH", {ChannelRefText(g[0].SecondCh), ChannelRefText(g[1].SecondCh),
                                          ChannelRefText(g[2].SecondCh)}));
    }
    lines.push_back(Row(printed_ ? "Status name" : "Status Name",
                        {NameOrDashes(g[0].StatusName), NameOrDashes(g[1].StatusName),
                         NameOrDashes(g[2].StatusName), NameOrDashes(g[3].StatusName)}));
    std::vector<std::string> exp;
    for (const bool member : g[kExpGroup].ExpChGroup) {
        exp.push_back(g[kExpGroup].Usable ? OnOffText(member) : "---");
    }
    lines.push_back(Row("EXP CH", exp));
    return lines;
}

std::vector<std::string> Composer::common() const {
    const auto &c = config().Common;
    return {"##### Common Setup #####",
            "[Starting TX Mode]",
            Setting("TX Po Display:", TxPowerDisplayText(c.TxPoDisplay), 35),
            "",
            "[Scanning Function]",
            Setting("SCAN:", OnOffText(c.Scan)),
            Setting("Resume Time:", ResumeTimeText(c.ResumeTime)),
            Setting("PTT SCAN Clear:", OnOffText(c.PttScanClear)),
            Setting("Dual Watch:", OnOffText(c.DualWatch)),
            "",
            "[Time Setup]",
            Setting("Time Display:", TimeDisplayText(c.TimeDisplay ? -1 : 0)),
            Setting("Offset Time:", OffsetText(c.OffsetTime)),
            Setting("Format:", TimeFormatText(c.Format ? -1 : 0)),
            "",
            "[Weather CH Function]",
            Setting("Weather Alert:", WeatherAlertText(c.Weater), 35),
            "",
            "[Units of Measure]",
            Setting("SOG:", SpeedUnitText(c.Sog), 35),
            Setting("Distance:", DistanceUnitText(c.Distance), 35),
            Setting("Altitude:", AltitudeUnitText(c.Altitude), 35)};
}

std::vector<std::string> Composer::dscBasic() const {
    const auto &basic = config().DscBasic;
    std::vector<std::string> lines = {"##### DSC Setup (Basic Setup) #####", "[Usable DSC CH Group]"};
    for (std::size_t g = 0; g < 3; ++g) {
        lines.push_back(Setting(config().Groups[g].StatusName + ":", OnOffText(basic.Group[g]), 20));
    }
    lines.push_back("");
    lines.push_back(FixedWidth("User MMSI:", kLabelWidth) + FixedWidth(MmsiForPeople(basic.UserMmsi), 12) + "----- " +
                    LabelColon("Count", 7) + std::to_string(in_.image.at(layout::kUserMmsiPresent)));
    const std::vector<std::string> posRequest =
        SplitList("Distress Cancel Call:, Stanby Mode:, POS Request:, POS Reporting:");
    for (std::size_t i = 0; i < (printed_ ? posRequest.size() : 1); ++i) {
        lines.push_back(Setting(posRequest[i], OnOffText(basic.PosRequest[i])));
    }
    lines.push_back("");
    lines.push_back("[DSC Beep Output]");
    const std::vector<std::string> beeps = {"Send Distress Alert:",
                                            "Received All Ships:",
                                            "Received Individual:",
                                            "Received Group:",
                                            printed_ ? "Received Geographic:" : "Received Geografic:",
                                            "Received POS Request:",
                                            "Received POS Reporting:"};
    for (std::size_t i = 0; i < beeps.size(); ++i) {
        lines.push_back(Setting(beeps[i], OnOffText(basic.BeepOut[i])));
    }
    return lines;
}

std::vector<std::string> Composer::dscAdvanced() const {
    static constexpr std::string_view kKinds[] = {"[All Ships Call]", "[Group Call]", "[Individual Call]",
                                                  "[PositionRequest Call]", "[PositionReport Call]"};
    static constexpr std::string_view kEntries[] = {"Distress:", "Urgency:", "Safty:", "Routine:"};
    std::vector<std::string> lines = {"##### DSC Setup (Advanced Setup) #####"};
    for (std::size_t c = 0; c < std::size(kKinds); ++c) {
        if (c > 0) {
            lines.push_back("");
        }
        lines.emplace_back(kKinds[c]);
        const auto &call = config().DscAdvanced.Calls[c];
        for (std::size_t e = 0; e < std::size(kEntries); ++e) {
            lines.push_back(Row(kEntries[e], {OnOffText(call.Value[e]), HiLowText(call.Tx[e])}));
        }
    }
    return lines;
}

std::vector<std::string> Composer::dscDisplay() const {
    const auto &d = config().DscDisplay;
    return {"##### DSC Setup (Display Setup) #####",
            Setting("Individual ACK Menu:", OnOffText(d.IndividualAckMenu)),
            Setting("Individual ACK Message Menu:", OnOffText(d.IndividualAckMessageMenu)),
            Setting("POS Request ACK Menu:", OnOffText(d.PosRequestAckMenu))};
}

std::vector<std::string> Composer::atis() const {
    const auto &g = config().Groups;
    const auto &usable = config().Atis.UsableAtisChGroup;
    return {"##### ATIS Setup (Common) #####",
            Row("", {g[0].StatusName, g[1].StatusName, g[2].StatusName, g[3].StatusName}),
            Row("Usable ATIS CH Group:",
                {OnOffText(usable[0]), OnOffText(usable[1]), OnOffText(usable[2]), OnOffText(usable[3])}),
            Setting("ATIS Code:", config().Atis.AtisCode)};
}

std::vector<std::string> Composer::planTable(int group) const {
    static constexpr std::string_view kHeadings[] = {"##### Programable USA Channel #####",
                                                     "##### Programable International Channel #####",
                                                     "##### Programable Canada Channel #####"};
    std::vector<std::string> lines = {std::string(kHeadings[group]),
                                      "CH   RX(MHz)  TX(MHz)  TX  LOW  UP  DUP  MEM  VS  CH Name",
                                      "---  -------  -------  --  ---  --  ---  ---  --  ------------"};
    const auto &master = BuildMasterChannelList();
    for (const auto &r : PlanTable(config(), group)) {
        if (!r.Enable || r.Position < 0 || r.Position >= kMasterChannelCount) {
            continue;
        }
        const auto &entry = master[static_cast<std::size_t>(r.Position)];
        lines.push_back(FixedWidth(entry.Label, 5) +
                        FixedWidth(FreqText3(r.Duplex ? entry.DuplexRxFreq : entry.RxFreq), 9) +
                        FixedWidth(FreqText3Unless(entry.TxFreq, r.RxOnly), 9) +
                        FixedWidth(TxMark(r.TxEnable), 4) + FixedWidth(LowMark(r.LowPower), 5) +
                        FixedWidth(PowUpMark(r.PowUp), 4) + FixedWidth(DuplexMark(r.Duplex), 5) +
                        FixedWidth(ScanMemoryMark(r.ScanMemory), 5) +
                        FixedWidth(ScrambleText(r.Scramble), 4) + FixedWidth(r.ChTag, 12));
    }
    return lines;
}

std::vector<std::string> Composer::weather() const {
    std::vector<std::string> lines = {printed_ ? "##### Programable WX Channel #####"
                                               : "##### Programable Wx Channel #####",
                                      "CH  ENABLE  MEM  CH Name", "--  ------  ---  ------------"};
    for (std::size_t n = 0; n < config().Weather.size(); ++n) {
        const auto &r = config().Weather[n];
        lines.push_back(FixedWidth(std::to_string(n + 1), 4) + FixedWidth(EnableMark(r.Enable), 8) +
                        FixedWidth(ScanMemoryMark(r.ScanMemory), 5) + FixedWidth(r.ChTag, 12));
    }
    return lines;
}

template <std::size_t N>
std::vector<std::string> Composer::directory(const std::array<DirectoryEntry, N> &entries,
                                             bool individual) const {
    std::vector<std::string> lines;
    if (individual) {
        lines = {printed_ ? "##### Memory ID #####" : "##### Memory ID Setting #####",
                 "No.  Station Name  MMSI"};
    } else {
        lines = {printed_ ? "##### Group ID #####" : "##### Group ID Setting #####",
                 "No.  Group Name    MMSI"};
    }
    lines.push_back("---  ------------  ---------");
    for (std::size_t k = 1; k <= N; ++k) {
        const auto &entry = entries[k - 1];
        lines.push_back(FixedWidth(std::to_string(k), 5) + FixedWidth(DashField(entry.TagName, 12), 14) +
                        DashField(entry.Mmsid, 9));
    }
    return lines;
}

std::vector<std::string> Composer::expansion() const {
    std::vector<std::string> lines = {printed_ ? "##### Programable EXP Channel #####"
                                               : "##### Programable Exp Channel #####",
                                      "CH  CHD  ENABLE  RX(MHz)   TX(MHz)   LOW  UP  MEM  VS  CH Name",
                                      "--  ---  ------  --------  --------  ---  --  ---  --  ------------"};
    for (std::size_t k = 1; k <= config().Expansion.size(); ++k) {
        const auto &r = config().Expansion[k - 1];
        const std::string display =
            FixedWidth(r.CHDisplayL, 2) +
            (r.CHDisplayR.empty() ? " " : r.CHDisplayR.substr(r.CHDisplayR.size() - 1));
        // The display snaps frequencies for showing them; the records keep what they hold.
        double rx = r.Rxfreq;
        double tx = r.Txfreq;
        lines.push_back(FixedWidth(std::to_string(k), 4) + FixedWidth(display, 5) +
                        FixedWidth(EnableMark(r.Enable), 8) + FixedWidth(FreqText4(rx), 10) +
                        FixedWidth(FreqText4(tx), 10) + FixedWidth(LowMark(r.LowPower), 5) +
                        FixedWidth(PowUpMark(r.PowUp), 4) + FixedWidth(ScanMemoryMark(r.ScanMemory), 5) +
                        FixedWidth(ScrambleText(r.Scramble), 4) + DashField(r.ChTag, 12));
    }
    return lines;
}

} // namespace

std::vector<ReportSection> ReportSections(const ReportInput &input, ReportRendering rendering) {
    const Composer composer(input, rendering);
    std::vector<ReportSection> sections = {{composer.groups()},
                                           {composer.common()},
                                           {composer.dscBasic()},
                                           {composer.dscAdvanced()},
                                           {composer.dscDisplay()}};
    if (input.atis) {
        sections.push_back({composer.atis(), true, false});
    }
    for (int g = 0; g < kPlanGroupCount; ++g) {
        sections.push_back({composer.planTable(g), true, true});
    }
    sections.push_back({composer.weather(), true, true});
    sections.push_back({composer.directory(input.config.Individual, true), true, true});
    sections.push_back({composer.directory(input.config.GroupDirectory, false), true, true});
    sections.push_back({composer.expansion(), true, true});
    return sections;
}

std::string ComposeReportText(const ReportInput &input) {
    std::string text;
    bool first = true;
    for (const auto &section : ReportSections(input, ReportRendering::Text)) {
        if (!first) {
            text += "\r\n"; // the empty line before a heading
        }
        for (const auto &line : section.lines) {
            text += (first ? "" : "\r\n") + line;
            first = false;
        }
    }
    return text;
}

} // namespace klt
