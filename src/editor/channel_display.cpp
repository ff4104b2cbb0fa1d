#include "editor/channel_display.h"

#include "model/freq_codec.h"
#include "model/option_texts.h"
#include "model/reference_tables.h"
#include "model/text_format.h"

#include <QtGlobal>

#include <cstdio>

namespace klt {

const char *const kGridEnableMark = QT_TRANSLATE_NOOP("klt::ChannelDisplay", "[Enable]");

namespace {

constexpr GridColumn kPlanColumns[] = {{QT_TRANSLATE_NOOP("klt::ChannelDisplay", "CH"), 8},
                                       {QT_TRANSLATE_NOOP("klt::ChannelDisplay", "RX[MHz]"), 10},
                                       {QT_TRANSLATE_NOOP("klt::ChannelDisplay", "TX[MHz]"), 10},
                                       {QT_TRANSLATE_NOOP("klt::ChannelDisplay", "TX"), 6},
                                       {QT_TRANSLATE_NOOP("klt::ChannelDisplay", "LOW"), 6},
                                       {QT_TRANSLATE_NOOP("klt::ChannelDisplay", "UP"), 6},
                                       {QT_TRANSLATE_NOOP("klt::ChannelDisplay", "DUP"), 6},
                                       {QT_TRANSLATE_NOOP("klt::ChannelDisplay", "MEM"), 6},
                                       {QT_TRANSLATE_NOOP("klt::ChannelDisplay", "VS"), 6},
                                       {QT_TRANSLATE_NOOP("klt::ChannelDisplay", "CH Name"), 20}};
constexpr GridColumn kExpansionColumns[] = {{QT_TRANSLATE_NOOP("klt::ChannelDisplay", "CH"), 8},
                                            {QT_TRANSLATE_NOOP("klt::ChannelDisplay", "ENABLE"), 10},
                                            {QT_TRANSLATE_NOOP("klt::ChannelDisplay", "DISP"), 8},
                                            {QT_TRANSLATE_NOOP("klt::ChannelDisplay", "RX[MHz]"), 10},
                                            {QT_TRANSLATE_NOOP("klt::ChannelDisplay", "TX[MHz]"), 10},
                                            {QT_TRANSLATE_NOOP("klt::ChannelDisplay", "LOW"), 6},
                                            {QT_TRANSLATE_NOOP("klt::ChannelDisplay", "UP"), 6},
                                            {QT_TRANSLATE_NOOP("klt::ChannelDisplay", "MEM"), 6},
                                            {QT_TRANSLATE_NOOP("klt::ChannelDisplay", "VS"), 6},
                                            {QT_TRANSLATE_NOOP("klt::ChannelDisplay", "CH Name"), 20}};
constexpr std::size_t kMaxSuffix = 10;

std::string NumberDisplay(int n) {
    char text[16];
    if (n < 100) {
        std::snprintf(text, sizeof text, "%02d", n);
    } else if (n < 110) {
        std::snprintf(text, sizeof text, "o%d", n - 100);
    } else {
        std::snprintf(text, sizeof text, "'%d", n - 110);
    }
    return text;
}

} // namespace

ChannelDisplay PlanChannelDisplay(const std::string &label) {
    const std::size_t a = ToUpper(label).find('A');
    const std::string number = a == std::string::npos ? label : label.substr(0, a);
    const std::string suffix = a == std::string::npos ? "" : label.substr(a, kMaxSuffix);
    return {NumberDisplay(static_cast<int>(LeadingNumber(number))), suffix};
}

std::string PlanChannelName(int position) {
    const auto &master = BuildMasterChannelList();
    return position >= 0 && position < kMasterChannelCount ? master[static_cast<std::size_t>(position)].Label
                                                           : std::string();
}

std::span<const GridColumn> PlanGridColumns() {
    return kPlanColumns;
}

std::span<const GridColumn> ExpansionGridColumns() {
    return kExpansionColumns;
}

std::vector<GridRow> PlanGridRows(const std::vector<ChannelRecord> &table, bool scrambler) {
    const auto &master = BuildMasterChannelList();
    std::vector<GridRow> rows;
    for (const ChannelRecord &record : table) {
        if (!record.Enable || record.Position < 0 || record.Position >= kMasterChannelCount) {
            continue;
        }
        const ListEntry &entry = master[static_cast<std::size_t>(record.Position)];
        rows.push_back({entry.Label, FreqText3(record.Duplex ? entry.DuplexRxFreq : entry.RxFreq),
                        FreqText3Unless(entry.TxFreq, record.RxOnly), TxMark(record.TxEnable),
                        LowMark(record.LowPower), PowUpMark(record.PowUp), DuplexMark(record.Duplex),
                        ScanMemoryMark(record.ScanMemory), scrambler ? ScrambleText(record.Scramble) : "",
                        record.ChTag});
    }
    return rows;
}

std::vector<GridRow> ExpansionGridRows(std::span<const ChannelRecord> channels, bool scrambler) {
    std::vector<GridRow> rows;
    int number = 1;
    for (const ChannelRecord &record : channels) {
        // The display texts snap a copy: showing a frequency never changes it.
        double rx = record.Rxfreq;
        double tx = record.Txfreq;
        rows.push_back({std::to_string(number++), record.Enable ? kGridEnableMark : "",
                        FixedWidth(record.CHDisplayL, 2) + record.CHDisplayR, FreqText4(rx), FreqText4(tx),
                        LowMark(record.LowPower), PowUpMark(record.PowUp), ScanMemoryMark(record.ScanMemory),
                        scrambler ? ScrambleText(record.Scramble) : "", record.ChTag});
    }
    return rows;
}

} // namespace klt
