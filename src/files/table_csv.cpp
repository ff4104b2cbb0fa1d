#include "files/table_csv.h"

#include "files/csv.h"
#include "model/channel_rules.h"
#include "model/decimal_format.h"
#include "model/name_rules.h"
#include "model/number_rules.h"
#include "model/reference_tables.h"
#include "model/text_format.h"

#include <algorithm>
#include <array>
#include <functional>
#include <limits>
#include <set>

namespace klt {

namespace {

using Fields = std::vector<std::string>;

constexpr std::array<const char *, kPlanGroupCount> kGroupNames = {"USA", "INT", "CAN"};

const Fields kDirectoryColumns = {"Entry", "MMSI", "Name"};
const Fields kWeatherColumns = {"Weather CH", "Enable", "Scan Memory", "CH Name"};
const Fields kExpansionColumns = {"CH", "ENABLE", "DISP", "DISP suffix", "RX[MHz]", "TX[MHz]", "LOW",
                                  "UP", "MEM",    "VS",   "CH Name",     "Group1",  "Group2",  "Group3"};
const Fields kChannelColumns = {"Group", "CH", "ENABLE", "TX", "LOW", "UP", "DUP", "MEM", "VS", "CH Name"};

std::size_t ColumnCount(CsvTable table) {
    switch (table) {
    case CsvTable::IndividualDirectory:
    case CsvTable::GroupDirectory:
        return kDirectoryColumns.size();
    case CsvTable::Expansion:
        return kExpansionColumns.size();
    case CsvTable::Weather:
        return kWeatherColumns.size();
    case CsvTable::Channels:
        break;
    }
    return kChannelColumns.size();
}

// A spreadsheet sorted another way still numbers its entries: the lines are taken by Entry.
std::vector<CsvRecord> ByEntry(std::vector<CsvRecord> records) {
    const auto entry = [](const CsvRecord &record) {
        const std::string &text = record.fields.empty() ? std::string() : record.fields[0];
        const bool number =
            !text.empty() && text.size() <= 4 && text.find_first_not_of("0123456789") == std::string::npos;
        return number ? std::stoi(text) : std::numeric_limits<int>::max();
    };
    if (records.size() > 1) {
        std::stable_sort(records.begin() + 1, records.end(),
                         [&](const CsvRecord &a, const CsvRecord &b) { return entry(a) < entry(b); });
    }
    return records;
}

// A failed check: the column and the reason.
struct Refusal {
    std::string column;
    std::string reason;
};

std::string Flag(bool on) {
    return on ? "1" : "0";
}

std::string Scrambler(int code) {
    const int position = ScramblerPosition(code);
    return ScramblerEntries()[static_cast<std::size_t>(position < 0 ? 0 : position)];
}

std::string Frequency(double mhz) {
    return mhz > 0.0 ? FormatFixed(mhz, 3, 4) : std::string();
}

// Reads the record's fields by column; the first refusal is kept.
class RowReader {
public:
    RowReader(const Fields &columns, const CsvRecord &record) : columns_(columns), record_(record) {}

    const std::string &text(std::size_t column) const { return record_.fields[column]; }
    bool flag(std::size_t column) {
        const std::string &value = text(column);
        if (value != "0" && value != "1" && !value.empty()) {
            refuse(column, "1 or 0 expected");
        }
        return value == "1";
    }
    std::string name(std::size_t column, std::size_t length) {
        const auto latin1 = Latin1FromUtf8(text(column));
        if (!latin1) {
            refuse(column, "a character the radio cannot show");
            return {};
        }
        if (const auto c = UnshowableNameCharacter(*latin1)) {
            refuse(column,
                   std::string("the radio cannot show \"") + Utf8FromLatin1(std::string(1, *c)) + "\"");
            return {};
        }
        if (NameTooLong(*latin1, length)) {
            refuse(column, "at most " + std::to_string(length) + " characters");
        }
        return *latin1;
    }
    double frequency(std::size_t column) {
        const std::string number = Trim(text(column));
        const auto point = number.find('.');
        const bool digits = number.find_first_not_of("0123456789.") == std::string::npos &&
                            (point == std::string::npos || number.find('.', point + 1) == std::string::npos);
        const auto mhz = digits ? CheckedFrequency(number) : std::nullopt;
        if (!mhz) {
            refuse(column, "137 to 174 MHz on the 25 kHz raster expected");
        }
        return mhz.value_or(0.0);
    }
    int scrambler(std::size_t column) {
        const auto entries = ScramblerEntries();
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (text(column) == entries[i]) {
                return ScramblerCode(static_cast<int>(i));
            }
        }
        if (!text(column).empty()) {
            refuse(column, "Off, 0, 1, 2 or 3 expected");
        }
        return 0;
    }
    void refuse(std::size_t column, std::string reason) {
        if (!refusal_) {
            refusal_ = Refusal{columns_[column], std::move(reason)};
        }
    }
    const std::optional<Refusal> &refusal() const { return refusal_; }

private:
    const Fields &columns_;
    const CsvRecord &record_;
    std::optional<Refusal> refusal_;
};

template <std::size_t N>
std::string ExportDirectory(const std::array<DirectoryEntry, N> &entries, bool group) {
    std::string text = CsvLine(kDirectoryColumns);
    for (std::size_t i = 0; i < N && entries[i].Enable; ++i) {
        text += CsvLine({std::to_string(i + 1), MmsiFieldText(entries[i].Mmsid, group),
                         Utf8FromLatin1(entries[i].TagName)});
    }
    return text;
}

// A plan channel as its page shows it: what the channel cannot do shows as off, and so does a
// scrambler value the list does not hold.
ChannelRecord EffectiveChannel(ChannelRecord record) {
    record = ShownPlanChannel(record);
    if (ScramblerPosition(record.Scramble) < 0) {
        record.Scramble = 0;
    }
    return record;
}

std::string ChannelLabel(const ChannelRecord &record) {
    const auto &master = BuildMasterChannelList();
    return record.Position >= 0 && record.Position < kMasterChannelCount
               ? master[static_cast<std::size_t>(record.Position)].Label
               : std::string();
}

std::string WeatherLabel(std::size_t row) {
    const auto &list = BuildWeatherList();
    return row < list.size() ? list[row].Label : std::to_string(row + 1);
}

using RowCheck = std::function<std::optional<Refusal>(const CsvRecord &record)>;

// The records after the column names, each checked in turn; the first refusal ends the import.
std::optional<CsvProblem> CheckRecords(const std::vector<CsvRecord> &records, const Fields &columns,
                                       const RowCheck &check) {
    if (records.empty() || records[0].fields != columns) {
        return CsvProblem{records.empty() ? 1 : records[0].line,
                          {},
                          "the first line must be " +
                              CsvLine(columns).substr(0, CsvLine(columns).size() - 2)};
    }
    for (std::size_t i = 1; i < records.size(); ++i) {
        if (records[i].fields.size() != columns.size()) {
            return CsvProblem{records[i].line,
                              {},
                              std::to_string(columns.size()) + " fields expected, " +
                                  std::to_string(records[i].fields.size()) + " found"};
        }
        if (const auto refusal = check(records[i])) {
            return CsvProblem{records[i].line, refusal->column, refusal->reason};
        }
    }
    return std::nullopt;
}

template <std::size_t N>
std::optional<CsvProblem> ImportDirectory(std::array<DirectoryEntry, N> &entries, bool group,
                                          const std::vector<CsvRecord> &unsorted) {
    const std::vector<CsvRecord> records = ByEntry(unsorted);
    std::array<DirectoryEntry, N> result = entries;
    std::size_t used = 0;
    const auto problem = CheckRecords(records, kDirectoryColumns, [&](const CsvRecord &record) {
        RowReader row(kDirectoryColumns, record);
        if (used == N) {
            row.refuse(0, "the directory holds " + std::to_string(N) + " entries");
            return row.refusal();
        }
        if (row.text(0) != std::to_string(used + 1)) {
            row.refuse(0, std::to_string(used + 1) + " expected: entries are numbered from 1 without gaps");
        }
        const NumberKind kind = group ? NumberKind::GroupMmsi : NumberKind::Mmsi;
        const auto mmsi = FixedLengthValue(row.text(1), kind);
        if (!mmsi || mmsi->empty()) {
            row.refuse(1, std::to_string(DigitCount(kind)) + " digits expected");
        }
        const std::string name = row.name(2, kDirectoryNameLength);
        if (!row.refusal()) {
            DirectoryEntry &entry = result[used++];
            // The same digits keep the stored number as it was, with the digits the field does not show.
            if (!entry.Enable || MmsiFieldText(entry.Mmsid, group) != row.text(1)) {
                entry.Mmsid = *mmsi;
            }
            entry.Enable = true;
            entry.TagName = name;
        }
        return row.refusal();
    });
    if (problem) {
        return problem;
    }
    for (std::size_t i = used; i < N; ++i) {
        result[i].Enable = false;
        result[i].TagName.clear();
        result[i].Mmsid.clear();
    }
    entries = result;
    return std::nullopt;
}

std::optional<CsvProblem> ImportWeather(Configuration &config, const std::vector<CsvRecord> &records) {
    auto table = config.Weather;
    std::set<std::size_t> seen;
    const auto problem = CheckRecords(records, kWeatherColumns, [&](const CsvRecord &record) {
        RowReader row(kWeatherColumns, record);
        std::size_t index = 0;
        while (index < table.size() && WeatherLabel(index) != row.text(0)) {
            ++index;
        }
        if (index == table.size()) {
            row.refuse(0, "no such weather channel");
        } else if (!seen.insert(index).second) {
            row.refuse(0, "already given on an earlier line");
        }
        const bool enable = row.flag(1);
        const bool scan = row.flag(2);
        const std::string name = row.name(3, kChannelNameLength);
        if (!row.refusal()) {
            table[index].Enable = enable;
            table[index].ScanMemory = scan;
            table[index].ChTag = name;
        }
        return row.refusal();
    });
    if (!problem) {
        config.Weather = std::move(table);
    }
    return problem;
}

std::optional<CsvProblem> ImportExpansion(Configuration &config, const std::vector<CsvRecord> &records) {
    auto table = config.Expansion;
    std::set<std::string> seen;
    const auto problem = CheckRecords(records, kExpansionColumns, [&](const CsvRecord &record) {
        RowReader row(kExpansionColumns, record);
        const std::string &ch = row.text(0);
        const int number =
            ch.size() <= 2 && !ch.empty() && ch.find_first_not_of("0123456789") == std::string::npos
                ? std::stoi(ch)
                : 0;
        if (number < 1 || number > static_cast<int>(table.size())) {
            row.refuse(0, "1 to " + std::to_string(table.size()) + " expected");
        } else if (!seen.insert(ch).second) {
            row.refuse(0, "already given on an earlier line");
        }
        ChannelRecord channel = number >= 1 && number <= static_cast<int>(table.size())
                                    ? table[static_cast<std::size_t>(number - 1)]
                                    : ChannelRecord{};
        channel.Enable = row.flag(1);
        for (const std::size_t column : {std::size_t{2}, std::size_t{3}}) {
            if (const auto c = UnshowableDisplayCharacter(row.text(column))) {
                row.refuse(column, "the radio's display cannot show \"" + std::string(1, *c) + "\"");
            }
        }
        channel.CHDisplayL = row.text(2);
        channel.CHDisplayR = row.text(3);
        if (channel.CHDisplayL.size() > kDisplayFigures ||
            (!UnshowableDisplayCharacter(channel.CHDisplayL) && LacksDisplayFigures(channel))) {
            row.refuse(2, "two display figures expected");
        }
        if (channel.CHDisplayR.size() > kDisplaySuffixFigures) {
            row.refuse(3, "one display figure at most");
        }
        // The same text keeps the stored value: a frequency as written, an unknown scrambler value.
        if (row.text(4) != Frequency(channel.Rxfreq)) {
            channel.Rxfreq = row.frequency(4);
        }
        if (row.text(5) != Frequency(channel.Txfreq)) {
            channel.Txfreq = row.frequency(5);
        }
        if (LacksReceiveFrequency(channel)) {
            row.refuse(4, "an enabled channel needs its receive frequency");
        }
        channel.LowPower = row.flag(6);
        channel.PowUp = row.flag(7);
        channel.ScanMemory = row.flag(8);
        if (row.text(9) != Scrambler(channel.Scramble)) {
            channel.Scramble = static_cast<std::int16_t>(row.scrambler(9));
        }
        channel.ChTag = row.name(10, kChannelNameLength);
        for (std::size_t g = 0; g < channel.ExpCB.size(); ++g) {
            channel.ExpCB[g] = row.flag(11 + g);
        }
        if (!row.refusal()) {
            table[static_cast<std::size_t>(number - 1)] = channel;
        }
        return row.refusal();
    });
    if (!problem) {
        config.Expansion = table;
    }
    return problem;
}

std::optional<CsvProblem> ImportChannels(Configuration &config, const std::vector<CsvRecord> &records) {
    std::array<std::vector<ChannelRecord>, kPlanGroupCount> tables;
    for (int g = 0; g < kPlanGroupCount; ++g) {
        tables[static_cast<std::size_t>(g)] = PlanTable(config, g);
    }
    std::set<std::pair<std::size_t, std::size_t>> seen;
    const auto problem = CheckRecords(records, kChannelColumns, [&](const CsvRecord &record) {
        RowReader row(kChannelColumns, record);
        std::size_t group = 0;
        while (group < kGroupNames.size() && row.text(0) != kGroupNames[group]) {
            ++group;
        }
        if (group == kGroupNames.size()) {
            row.refuse(0, "USA, INT or CAN expected");
            return row.refusal();
        }
        auto &table = tables[group];
        std::size_t index = 0;
        while (index < table.size() && ChannelLabel(table[index]) != row.text(1)) {
            ++index;
        }
        if (index == table.size()) {
            row.refuse(1, "no such channel in the group");
            return row.refusal();
        }
        if (!seen.insert({group, index}).second) {
            row.refuse(1, "already given on an earlier line");
        }
        ChannelRecord channel = table[index];
        const ChannelRecord shown = EffectiveChannel(channel);
        channel.Enable = row.flag(2);
        // A value the page shows but does not let the user change keeps the record's own bit.
        if (const bool tx = row.flag(3); tx != shown.TxEnable) {
            channel.TxEnable = tx;
            if (tx && !MayTransmit(channel)) {
                row.refuse(3, WhyNot(PlanFeature::Transmit));
            }
        }
        channel.LowPower = row.flag(4);
        channel.PowUp = row.flag(5);
        if (const bool duplex = row.flag(6); duplex != shown.Duplex) {
            channel.Duplex = duplex;
            if (duplex && !MayDuplex(channel)) {
                row.refuse(6, WhyNot(PlanFeature::Duplex));
            }
        }
        if (const bool scan = row.flag(7); scan != shown.ScanMemory) {
            channel.ScanMemory = scan;
            if (scan && !MayScan(channel)) {
                row.refuse(7, WhyNot(PlanFeature::Scan));
            }
        }
        if (const auto scramble = static_cast<std::int16_t>(row.scrambler(8)); scramble != shown.Scramble) {
            channel.Scramble = scramble;
            if (scramble != 0 && !MayScramble(channel)) {
                row.refuse(8, WhyNot(PlanFeature::Scrambler));
            }
        }
        channel.ChTag = row.name(9, kChannelNameLength);
        if (!row.refusal()) {
            table[index] = channel;
        }
        return row.refusal();
    });
    if (!problem) {
        for (int g = 0; g < kPlanGroupCount; ++g) {
            PlanTable(config, g) = std::move(tables[static_cast<std::size_t>(g)]);
        }
    }
    return problem;
}

} // namespace

std::optional<CsvTable> CsvTableNamed(std::string_view name) {
    for (const CsvTable table : {CsvTable::IndividualDirectory, CsvTable::GroupDirectory, CsvTable::Expansion,
                                 CsvTable::Weather, CsvTable::Channels}) {
        if (name == CsvTableName(table)) {
            return table;
        }
    }
    return std::nullopt;
}

const char *CsvTableName(CsvTable table) {
    switch (table) {
    case CsvTable::IndividualDirectory:
        return "individual-directory";
    case CsvTable::GroupDirectory:
        return "group-directory";
    case CsvTable::Expansion:
        return "expansion";
    case CsvTable::Weather:
        return "weather";
    case CsvTable::Channels:
        break;
    }
    return "channels";
}

const char *CsvTableCaption(CsvTable table) {
    switch (table) {
    case CsvTable::IndividualDirectory:
        return "Individual Directory";
    case CsvTable::GroupDirectory:
        return "Group Directory";
    case CsvTable::Expansion:
        return "EXP Channels";
    case CsvTable::Weather:
        return "Weather Channels";
    case CsvTable::Channels:
        break;
    }
    return "Plan Channels";
}

std::string ExportCsvTable(const Configuration &config, CsvTable table) {
    switch (table) {
    case CsvTable::IndividualDirectory:
        return ExportDirectory(config.Individual, false);
    case CsvTable::GroupDirectory:
        return ExportDirectory(config.GroupDirectory, true);
    case CsvTable::Weather: {
        std::string text = CsvLine(kWeatherColumns);
        for (std::size_t i = 0; i < config.Weather.size(); ++i) {
            const ChannelRecord &r = config.Weather[i];
            text += CsvLine({WeatherLabel(i), Flag(r.Enable), Flag(r.ScanMemory), Utf8FromLatin1(r.ChTag)});
        }
        return text;
    }
    case CsvTable::Expansion: {
        std::string text = CsvLine(kExpansionColumns);
        for (std::size_t i = 0; i < config.Expansion.size(); ++i) {
            const ChannelRecord &r = config.Expansion[i];
            text += CsvLine({std::to_string(i + 1), Flag(r.Enable), r.CHDisplayL, r.CHDisplayR,
                             Frequency(r.Rxfreq), Frequency(r.Txfreq), Flag(r.LowPower), Flag(r.PowUp),
                             Flag(r.ScanMemory), Scrambler(r.Scramble), Utf8FromLatin1(r.ChTag),
                             Flag(r.ExpCB[0]), Flag(r.ExpCB[1]), Flag(r.ExpCB[2])});
        }
        return text;
    }
    case CsvTable::Channels:
        break;
    }
    std::string text = CsvLine(kChannelColumns);
    for (int g = 0; g < kPlanGroupCount; ++g) {
        for (const ChannelRecord &record : PlanTable(config, g)) {
            const ChannelRecord r = EffectiveChannel(record);
            text += CsvLine({kGroupNames[static_cast<std::size_t>(g)], ChannelLabel(r), Flag(r.Enable),
                             Flag(r.TxEnable), Flag(r.LowPower), Flag(r.PowUp), Flag(r.Duplex),
                             Flag(r.ScanMemory), Scrambler(r.Scramble), Utf8FromLatin1(r.ChTag)});
        }
    }
    return text;
}

std::string DescribeCsvProblem(const CsvProblem &problem) {
    return "line " + std::to_string(problem.line) +
           (problem.column.empty() ? "" : ", column " + problem.column) + ": " + problem.reason;
}

std::optional<CsvProblem> ImportCsvTable(Configuration &config, CsvTable table, std::string_view text) {
    int openLine = 0;
    auto records = ParseCsv(text, openLine);
    if (!records) {
        return CsvProblem{openLine, {}, "a quoted field is not closed"};
    }
    // Spreadsheets often end every line with an empty field of their own.
    for (CsvRecord &record : *records) {
        while (!record.fields.empty() && record.fields.back().empty() &&
               record.fields.size() > ColumnCount(table)) {
            record.fields.pop_back();
        }
    }
    switch (table) {
    case CsvTable::IndividualDirectory:
        return ImportDirectory(config.Individual, false, *records);
    case CsvTable::GroupDirectory:
        return ImportDirectory(config.GroupDirectory, true, *records);
    case CsvTable::Weather:
        return ImportWeather(config, *records);
    case CsvTable::Expansion:
        return ImportExpansion(config, *records);
    case CsvTable::Channels:
        break;
    }
    return ImportChannels(config, *records);
}

} // namespace klt
