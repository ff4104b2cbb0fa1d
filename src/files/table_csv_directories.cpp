#include "files/table_csv_columns.h"

#include "files/csv_cells.h"
#include "model/directory_rules.h"
#include "model/name_rules.h"
#include "model/number_rules.h"

#include <span>

namespace klt::csv_table {

namespace {

std::span<DirectoryEntry> Entries(Configuration &config, bool group) {
    if (group) {
        return config.GroupDirectory;
    }
    return config.Individual;
}

std::span<const DirectoryEntry> Entries(const Configuration &config, bool group) {
    if (group) {
        return config.GroupDirectory;
    }
    return config.Individual;
}

std::optional<std::string> ReadMmsi(DirectoryRow &row, const std::string &text) {
    const NumberKind kind = row.group ? NumberKind::GroupMmsi : NumberKind::Mmsi;
    const auto mmsi = FixedLengthValue(text, kind);
    if (!mmsi || mmsi->empty()) {
        return std::to_string(DigitCount(kind)) + " digits expected";
    }
    // The same digits keep the stored number of an entry in use, with the digits the field does not show.
    if (!row.entry.Enable || MmsiFieldText(row.entry.Mmsid, row.group) != text) {
        row.entry.Mmsid = *mmsi;
    }
    return std::nullopt;
}

Target<DirectoryRow> LocateEntry(const Configuration &config, const Fields &fields, std::size_t taken,
                                 bool group) {
    const auto entries = Entries(config, group);
    if (taken == entries.size()) {
        return {std::nullopt, 0,
                Refusal{0, "the directory holds " + std::to_string(entries.size()) + " entries"}};
    }
    Target<DirectoryRow> target{DirectoryRow{taken, group, entries[taken]}, taken, std::nullopt};
    if (fields[0] != std::to_string(taken + 1)) {
        target.refusal =
            Refusal{0, std::to_string(taken + 1) + " expected: entries are numbered from 1 without gaps"};
    }
    return target;
}

Table<DirectoryRow> BuildDirectory(bool group) {
    Table<DirectoryRow> table;
    table.columns = {
        {"Entry", [](const DirectoryRow &row) { return std::to_string(row.index + 1); }, {}},
        {"MMSI", [](const DirectoryRow &row) { return MmsiFieldText(row.entry.Mmsid, row.group); }, ReadMmsi},
        {"Name", [](const DirectoryRow &row) { return NameCell(row.entry.TagName); },
         [](DirectoryRow &row, const std::string &text) {
             return ReadNameCell(text, kDirectoryNameLength, row.entry.TagName);
         }},
    };
    table.byEntry = true;
    table.rows = [group](const Configuration &config) {
        const auto entries = Entries(config, group);
        std::vector<DirectoryRow> rows;
        for (std::size_t i = 0; i < static_cast<std::size_t>(UsedCount(entries)); ++i) {
            rows.push_back({i, group, entries[i]});
        }
        return rows;
    };
    table.locate = [group](const Configuration &config, const Fields &fields, std::size_t taken) {
        return LocateEntry(config, fields, taken, group);
    };
    table.store = [group](Configuration &config, const DirectoryRow &row) {
        DirectoryEntry &entry = Entries(config, group)[row.index];
        entry = row.entry;
        entry.Enable = true;
    };
    // The directory is the file's: the entries after its last line are emptied.
    table.finish = [group](Configuration &config, std::size_t taken) {
        const auto entries = Entries(config, group);
        for (std::size_t i = taken; i < entries.size(); ++i) {
            EmptyEntry(entries[i]);
        }
    };
    return table;
}

} // namespace

// One line per entry in use, numbered from 1 without gaps.
const Table<DirectoryRow> &DirectoryTable(bool group) {
    static const Table<DirectoryRow> kIndividual = BuildDirectory(false);
    static const Table<DirectoryRow> kGroup = BuildDirectory(true);
    return group ? kGroup : kIndividual;
}

} // namespace klt::csv_table
