#include "files/table_csv.h"

#include "model/configuration_check.h"

#include "files/csv.h"
#include "files/table_csv_columns.h"

#include <algorithm>
#include <limits>
#include <set>

namespace klt {

namespace {

using csv_table::Fields;
using csv_table::Refusal;
using csv_table::Table;

// Calls f with the column table of a CSV table.
template <typename F> auto WithTable(CsvTable table, F &&f) {
    switch (table) {
    case CsvTable::IndividualDirectory:
        return f(csv_table::DirectoryTable(false));
    case CsvTable::GroupDirectory:
        return f(csv_table::DirectoryTable(true));
    case CsvTable::Expansion:
        return f(csv_table::ExpansionTable());
    case CsvTable::Weather:
        return f(csv_table::WeatherTable());
    case CsvTable::Channels:
        break;
    }
    return f(csv_table::PlanChannelTable());
}

template <typename Row> Fields ColumnNames(const Table<Row> &table) {
    Fields names;
    for (const auto &column : table.columns) {
        names.push_back(column.name);
    }
    return names;
}

template <typename Row> std::string Export(const Configuration &config, const Table<Row> &table) {
    std::string text = CsvLine(ColumnNames(table));
    for (const Row &row : table.rows(config)) {
        Fields cells;
        for (const auto &column : table.columns) {
            cells.push_back(column.write(row));
        }
        text += CsvLine(cells);
    }
    return text;
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

// Takes one line into the configuration; the first refusal in column order ends it.
template <typename Row>
std::optional<Refusal> TakeLine(Configuration &config, const Table<Row> &table, const Fields &fields,
                                std::size_t taken, std::set<std::size_t> &seen) {
    auto target = table.locate(config, fields, taken);
    if (!target.row) {
        return target.refusal;
    }
    std::optional<Refusal> refusal = target.refusal;
    if (!seen.insert(target.slot).second && !refusal) {
        refusal = Refusal{table.namingColumns - 1, "already given on an earlier line"};
    }
    for (std::size_t c = table.namingColumns; c < table.columns.size(); ++c) {
        if (auto reason = table.columns[c].read(*target.row, fields[c]); reason && !refusal) {
            refusal = Refusal{c, std::move(*reason)};
        }
    }
    if (!refusal) {
        table.store(config, *target.row);
    }
    return refusal;
}

// All or nothing: the lines after the column names are taken in turn into a copy of the
// configuration, which replaces it only when every line was taken.
template <typename Row>
std::optional<CsvProblem> Import(Configuration &config, const Table<Row> &table,
                                 std::vector<CsvRecord> records) {
    const Fields names = ColumnNames(table);
    if (table.byEntry) {
        records = ByEntry(std::move(records));
    }
    if (records.empty() || records[0].fields != names) {
        const std::string first = CsvLine(names);
        return CsvProblem{records.empty() ? 1 : records[0].line,
                          {},
                          "the first line must be " + first.substr(0, first.size() - 2)};
    }
    Configuration result = config;
    std::set<std::size_t> seen;
    for (std::size_t i = 1; i < records.size(); ++i) {
        const CsvRecord &line = records[i];
        if (line.fields.size() != names.size()) {
            return CsvProblem{line.line,
                              {},
                              std::to_string(names.size()) + " fields expected, " +
                                  std::to_string(line.fields.size()) + " found"};
        }
        if (const auto refusal = TakeLine(result, table, line.fields, i - 1, seen)) {
            return CsvProblem{line.line, names[refusal->column], refusal->reason};
        }
    }
    if (table.finish) {
        table.finish(result, records.size() - 1);
    }
    config = std::move(result);
    return std::nullopt;
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

std::vector<std::string> CheckOfTable(const Configuration &config, Model model, bool atis, CsvTable table) {
    const char *prefix = table == CsvTable::IndividualDirectory ? "Individual Directory,"
                         : table == CsvTable::GroupDirectory    ? "Group Directory,"
                         : table == CsvTable::Expansion         ? "EXP Channel "
                         : table == CsvTable::Weather           ? "Weather,"
                                                                : "Programable Channel,";
    std::vector<std::string> said;
    for (std::string &problem : CheckConfiguration(config, model, atis)) {
        if (problem.starts_with(prefix)) {
            said.push_back(std::move(problem));
        }
    }
    return said;
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
    return WithTable(table, [&](const auto &columns) { return Export(config, columns); });
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
    return WithTable(table, [&](const auto &columns) {
        // Spreadsheets often end every line with an empty field of their own.
        for (CsvRecord &record : *records) {
            while (!record.fields.empty() && record.fields.back().empty() &&
                   record.fields.size() > columns.columns.size()) {
                record.fields.pop_back();
            }
        }
        return Import(config, columns, std::move(*records));
    });
}

} // namespace klt
