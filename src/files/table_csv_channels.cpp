#include "files/table_csv_columns.h"

#include "files/csv_cells.h"
#include "model/channel_rules.h"
#include "model/reference_tables.h"

#include <array>
#include <span>

namespace klt::csv_table {

namespace {

constexpr std::array<const char *, kPlanGroupCount> kGroupNames = {"USA", "INT", "CAN"};

using ChannelColumn = Column<ChannelRow>;

// Columns every channel table has.

ChannelColumn FlagColumn(std::string name, bool ChannelRecord::*flag) {
    return {
        std::move(name), [flag](const ChannelRow &row) { return FlagCell(row.channel.*flag); },
        [flag](ChannelRow &row, const std::string &text) { return ReadFlagCell(text, row.channel.*flag); }};
}

ChannelColumn NameColumn() {
    return {"CH Name", [](const ChannelRow &row) { return NameCell(row.channel.ChTag); },
            [](ChannelRow &row, const std::string &text) {
                return ReadNameCell(text, kChannelNameLength, row.channel.ChTag);
            }};
}

std::vector<ChannelRow> Rows(std::span<const ChannelRecord> records, int group = 0) {
    std::vector<ChannelRow> rows;
    for (std::size_t i = 0; i < records.size(); ++i) {
        rows.push_back({group, i, records[i]});
    }
    return rows;
}

Target<ChannelRow> Found(std::span<const ChannelRecord> records, std::size_t index, std::size_t slot,
                         int group = 0) {
    return {ChannelRow{group, index, records[index]}, slot, std::nullopt};
}

Target<ChannelRow> NotFound(std::size_t column, std::string reason) {
    return {std::nullopt, 0, Refusal{column, std::move(reason)}};
}

// Weather channels, named as the page labels them.

std::string WeatherLabel(std::size_t index) {
    const auto &list = BuildWeatherList();
    return index < list.size() ? list[index].Label : std::to_string(index + 1);
}

Table<ChannelRow> BuildWeather() {
    Table<ChannelRow> table;
    table.columns = {
        {"Weather CH", [](const ChannelRow &row) { return WeatherLabel(row.index); }, {}},
        FlagColumn("Enable", &ChannelRecord::Enable),
        FlagColumn("Scan Memory", &ChannelRecord::ScanMemory),
        NameColumn(),
    };
    table.rows = [](const Configuration &config) { return Rows(config.Weather); };
    table.locate = [](const Configuration &config, const Fields &fields, std::size_t) {
        for (std::size_t i = 0; i < config.Weather.size(); ++i) {
            if (WeatherLabel(i) == fields[0]) {
                return Found(config.Weather, i, i);
            }
        }
        return NotFound(0, "no such weather channel");
    };
    table.store = [](Configuration &config, const ChannelRow &row) {
        config.Weather[row.index] = row.channel;
    };
    return table;
}

// Expansion channels 1 to 64. A cell that shows the stored value keeps it: a frequency as written,
// a scrambler value the list does not hold.

ChannelColumn DisplayColumn() {
    return {"DISP", [](const ChannelRow &row) { return row.channel.CHDisplayL; },
            [](ChannelRow &row, const std::string &text) -> CellRefusal {
                if (auto refusal = DisplayCellRefusal(text)) {
                    return refusal;
                }
                row.channel.CHDisplayL = text;
                if (text.size() > kDisplayFigures || LacksDisplayFigures(row.channel)) {
                    return "two display figures expected";
                }
                return std::nullopt;
            }};
}

ChannelColumn DisplaySuffixColumn() {
    return {"DISP suffix", [](const ChannelRow &row) { return row.channel.CHDisplayR; },
            [](ChannelRow &row, const std::string &text) -> CellRefusal {
                if (auto refusal = DisplayCellRefusal(text)) {
                    return refusal;
                }
                row.channel.CHDisplayR = text;
                if (text.size() > kDisplaySuffixFigures) {
                    return "one display figure at most";
                }
                return std::nullopt;
            }};
}

ChannelColumn FrequencyColumn(std::string name, double ChannelRecord::*mhz) {
    return {std::move(name), [mhz](const ChannelRow &row) { return FrequencyCell(row.channel.*mhz); },
            [mhz](ChannelRow &row, const std::string &text) -> CellRefusal {
                if (text == FrequencyCell(row.channel.*mhz)) {
                    return std::nullopt;
                }
                return ReadFrequencyCell(text, row.channel.*mhz);
            }};
}

ChannelColumn ReceiveColumn() {
    ChannelColumn column = FrequencyColumn("RX[MHz]", &ChannelRecord::Rxfreq);
    column.read = [read = column.read](ChannelRow &row, const std::string &text) -> CellRefusal {
        if (auto refusal = read(row, text)) {
            return refusal;
        }
        if (LacksReceiveFrequency(row.channel)) {
            return "an enabled channel needs its receive frequency";
        }
        return std::nullopt;
    };
    return column;
}

ChannelColumn ExpansionScramblerColumn() {
    return {"VS", [](const ChannelRow &row) { return ScramblerCell(row.channel.Scramble); },
            [](ChannelRow &row, const std::string &text) -> CellRefusal {
                if (text == ScramblerCell(row.channel.Scramble)) {
                    return std::nullopt;
                }
                int code = 0;
                auto refusal = ReadScramblerCell(text, code);
                row.channel.Scramble = static_cast<std::int16_t>(code);
                return refusal;
            }};
}

ChannelColumn MemberColumn(std::size_t group) {
    return {"Group" + std::to_string(group + 1),
            [group](const ChannelRow &row) { return FlagCell(row.channel.ExpCB[group]); },
            [group](ChannelRow &row, const std::string &text) {
                return ReadFlagCell(text, row.channel.ExpCB[group]);
            }};
}

Target<ChannelRow> LocateExpansion(const Configuration &config, const std::string &ch) {
    const std::size_t count = config.Expansion.size();
    const bool digits =
        !ch.empty() && ch.size() <= 2 && ch.find_first_not_of("0123456789") == std::string::npos;
    const std::size_t number = digits ? static_cast<std::size_t>(std::stoi(ch)) : 0;
    if (number < 1 || number > count) {
        return NotFound(0, "1 to " + std::to_string(count) + " expected");
    }
    return Found(config.Expansion, number - 1, number - 1);
}

Table<ChannelRow> BuildExpansion() {
    Table<ChannelRow> table;
    table.columns = {
        {"CH", [](const ChannelRow &row) { return std::to_string(row.index + 1); }, {}},
        FlagColumn("ENABLE", &ChannelRecord::Enable),
        DisplayColumn(),
        DisplaySuffixColumn(),
        ReceiveColumn(),
        FrequencyColumn("TX[MHz]", &ChannelRecord::Txfreq),
        FlagColumn("LOW", &ChannelRecord::LowPower),
        FlagColumn("UP", &ChannelRecord::PowUp),
        FlagColumn("MEM", &ChannelRecord::ScanMemory),
        ExpansionScramblerColumn(),
        NameColumn(),
        MemberColumn(0),
        MemberColumn(1),
        MemberColumn(2),
    };
    table.rows = [](const Configuration &config) { return Rows(config.Expansion); };
    table.locate = [](const Configuration &config, const Fields &fields, std::size_t) {
        return LocateExpansion(config, fields[0]);
    };
    table.store = [](Configuration &config, const ChannelRow &row) {
        config.Expansion[row.index] = row.channel;
    };
    return table;
}

// Plan channels by group and label. The boxes the page greys where a channel may not have them show
// what the channel does; a cell that shows that keeps the record's own bit.

std::string ChannelLabel(const ChannelRecord &record) {
    const auto &master = BuildMasterChannelList();
    return record.Position >= 0 && record.Position < kMasterChannelCount
               ? master[static_cast<std::size_t>(record.Position)].Label
               : std::string();
}

ChannelColumn LimitedColumn(std::string name, bool ChannelRecord::*flag, PlanFeature feature) {
    return {std::move(name),
            [flag](const ChannelRow &row) { return FlagCell(ShownPlanChannel(row.channel).*flag); },
            [flag, feature](ChannelRow &row, const std::string &text) -> CellRefusal {
                bool on = false;
                if (auto refusal = ReadFlagCell(text, on)) {
                    return refusal;
                }
                if (on != ShownPlanChannel(row.channel).*flag) {
                    row.channel.*flag = on;
                    if (on && !PlanChannelMay(row.channel, feature)) {
                        return WhyNot(feature);
                    }
                }
                return std::nullopt;
            }};
}

// The code the scrambler cell shows: a value the list does not hold shows as off.
int ShownScramble(const ChannelRecord &record) {
    const int code = ShownPlanChannel(record).Scramble;
    return ScramblerPosition(code) < 0 ? 0 : code;
}

ChannelColumn PlanScramblerColumn() {
    return {"VS", [](const ChannelRow &row) { return ScramblerCell(ShownScramble(row.channel)); },
            [](ChannelRow &row, const std::string &text) -> CellRefusal {
                int code = 0;
                if (auto refusal = ReadScramblerCell(text, code)) {
                    return refusal;
                }
                if (code != ShownScramble(row.channel)) {
                    row.channel.Scramble = static_cast<std::int16_t>(code);
                    if (code != 0 && !MayScramble(row.channel)) {
                        return WhyNot(PlanFeature::Scrambler);
                    }
                }
                return std::nullopt;
            }};
}

Target<ChannelRow> LocatePlanChannel(const Configuration &config, const Fields &fields) {
    std::size_t group = 0;
    while (group < kGroupNames.size() && fields[0] != kGroupNames[group]) {
        ++group;
    }
    if (group == kGroupNames.size()) {
        return NotFound(0, "USA, INT or CAN expected");
    }
    const auto &table = PlanTable(config, static_cast<int>(group));
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (ChannelLabel(table[i]) == fields[1]) {
            return Found(table, i, group * table.size() + i, static_cast<int>(group));
        }
    }
    return NotFound(1, "no such channel in the group");
}

Table<ChannelRow> BuildPlanChannels() {
    Table<ChannelRow> table;
    table.columns = {
        {"Group", [](const ChannelRow &row) { return kGroupNames[static_cast<std::size_t>(row.group)]; }, {}},
        {"CH", [](const ChannelRow &row) { return ChannelLabel(row.channel); }, {}},
        FlagColumn("ENABLE", &ChannelRecord::Enable),
        LimitedColumn("TX", &ChannelRecord::TxEnable, PlanFeature::Transmit),
        FlagColumn("LOW", &ChannelRecord::LowPower),
        FlagColumn("UP", &ChannelRecord::PowUp),
        LimitedColumn("DUP", &ChannelRecord::Duplex, PlanFeature::Duplex),
        LimitedColumn("MEM", &ChannelRecord::ScanMemory, PlanFeature::Scan),
        PlanScramblerColumn(),
        NameColumn(),
    };
    table.namingColumns = 2;
    table.rows = [](const Configuration &config) {
        std::vector<ChannelRow> rows;
        for (int g = 0; g < kPlanGroupCount; ++g) {
            const auto group = Rows(PlanTable(config, g), g);
            rows.insert(rows.end(), group.begin(), group.end());
        }
        return rows;
    };
    table.locate = [](const Configuration &config, const Fields &fields, std::size_t) {
        return LocatePlanChannel(config, fields);
    };
    table.store = [](Configuration &config, const ChannelRow &row) {
        PlanTable(config, row.group)[row.index] = row.channel;
    };
    return table;
}

} // namespace

const Table<ChannelRow> &WeatherTable() {
    static const Table<ChannelRow> kTable = BuildWeather();
    return kTable;
}

const Table<ChannelRow> &ExpansionTable() {
    static const Table<ChannelRow> kTable = BuildExpansion();
    return kTable;
}

const Table<ChannelRow> &PlanChannelTable() {
    static const Table<ChannelRow> kTable = BuildPlanChannels();
    return kTable;
}

} // namespace klt::csv_table
