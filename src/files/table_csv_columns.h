#pragma once
// The column tables of the spreadsheet tables: for each table, its columns (the name in the first
// line, how a record's value is written, how a cell is read or refused), which stored record a line
// names, and where a taken line goes. One importer and one exporter walk them (table_csv.cpp).

#include "model/records.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace klt::csv_table {

using Fields = std::vector<std::string>;

// A record of a table as one line shows it, with what names it.
struct ChannelRow {
    int group = 0;         // plan channels: the plan group
    std::size_t index = 0; // the record's index in its table
    ChannelRecord channel;
};

struct DirectoryRow {
    std::size_t index = 0;
    bool group = false;
    DirectoryEntry entry;
};

// A refused line: the column and the reason.
struct Refusal {
    std::size_t column = 0;
    std::string reason;
};

template <typename Row> struct Column {
    std::string name;
    std::function<std::string(const Row &)> write;
    // Takes the cell into the row; returns why the cell is refused. Empty for a column that names the
    // row, which Table::locate reads.
    std::function<std::optional<std::string>(Row &, const std::string &)> read;
};

// The stored row a line names; no row when it names none. The slot is the same for two lines that
// name the same record.
template <typename Row> struct Target {
    std::optional<Row> row;
    std::size_t slot = 0;
    std::optional<Refusal> refusal;
};

template <typename Row> struct Table {
    std::vector<Column<Row>> columns;
    std::size_t namingColumns = 1; // the first columns name the row; a repeat is refused on the last
    bool byEntry = false;          // lines are taken in the order of their first column's number
    // The rows an export writes, in order.
    std::function<std::vector<Row>(const Configuration &)> rows;
    // The row a line names in the configuration as taken so far; taken counts the lines before it.
    std::function<Target<Row>(const Configuration &, const Fields &, std::size_t taken)> locate;
    std::function<void(Configuration &, const Row &)> store;
    // After the last line: what the lines did not name.
    std::function<void(Configuration &, std::size_t taken)> finish;
};

const Table<DirectoryRow> &DirectoryTable(bool group);
const Table<ChannelRow> &WeatherTable();
const Table<ChannelRow> &ExpansionTable();
const Table<ChannelRow> &PlanChannelTable();

} // namespace klt::csv_table
