#include "files/fleet_plan.h"

#include "files/csv.h"
#include "files/csv_cells.h"
#include "model/configuration_check.h"
#include "model/maritime_identity.h"
#include "model/name_rules.h"
#include "model/number_rules.h"
#include "model/reference_tables.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <functional>
#include <map>
#include <set>

namespace klt {

namespace {

constexpr std::array<const char *, kPlanGroupCount> kGroupNames = {"USA", "INT", "CAN"};

// What a column of the plan holds; a reader sets the radio from its cell and says why it refuses it.
using CellReader = std::function<std::optional<std::string>(FleetRadio &, const std::string &)>;

std::string Trimmed(const std::string &text) {
    const std::size_t first = text.find_first_not_of(" \t");
    return first == std::string::npos ? std::string()
                                      : text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<std::size_t> Number(std::string_view text) {
    std::size_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size() ? std::optional(value) : std::nullopt;
}

// required: the radio is to be programmed with it; an inventory only reads.
CellReader UserMmsiReader(bool required) {
    return [required](FleetRadio &radio, const std::string &text) -> std::optional<std::string> {
        if (text.empty() && !required) {
            return std::nullopt;
        }
        const auto mmsi = FixedLengthValue(text, NumberKind::Mmsi);
        if (!mmsi || mmsi->empty()) {
            return "UserMMSI: 9 digits expected";
        }
        if (const auto warning = UserMmsiWarning(text)) {
            return "UserMMSI: " + *warning;
        }
        radio.userMmsi = *mmsi;
        return std::nullopt;
    };
}

CellReader AtisReader(bool atis) {
    return [atis](FleetRadio &radio, const std::string &text) -> std::optional<std::string> {
        if (text.empty()) {
            return std::nullopt;
        }
        if (!atis) {
            return "AtisCode: this model has no ATIS here";
        }
        const auto code = FixedLengthValue(text, NumberKind::AtisCode);
        if (!code || code->empty()) {
            return "AtisCode: 10 digits expected";
        }
        if (const auto warning = AtisCodeWarning(text)) {
            return "AtisCode: " + *warning;
        }
        radio.atisCode = *code;
        return std::nullopt;
    };
}

CellReader NameReader(std::string column, int group, std::size_t index, std::size_t length) {
    return [column = std::move(column), group, index,
            length](FleetRadio &radio, const std::string &text) -> std::optional<std::string> {
        if (text.empty()) {
            return std::nullopt; // the base configuration's name
        }
        FleetName name{group, index, {}};
        if (auto refusal = ReadNameCell(text, length, name.latin1)) {
            return column + ": " + *refusal;
        }
        radio.names.push_back(std::move(name));
        return std::nullopt;
    };
}

// "Station Name N": individual directory entry N, which the base configuration has in use.
std::optional<CellReader> StationNameColumn(const std::string &header, const Configuration &base,
                                            std::string &refusal) {
    constexpr std::string_view kPrefix = "Station Name ";
    const auto entry = Number(std::string_view(header).substr(kPrefix.size()));
    if (!entry || *entry < 1 || *entry > base.Individual.size()) {
        refusal = "column " + header + ": an entry from 1 to " + std::to_string(base.Individual.size()) +
                  " expected";
        return std::nullopt;
    }
    if (!base.Individual[*entry - 1].Enable) {
        refusal =
            "column " + header + ": the base configuration has no station in entry " + std::to_string(*entry);
        return std::nullopt;
    }
    return NameReader(header, -1, *entry - 1, kDirectoryNameLength);
}

// "CH Name USA 16": the channel "16" of group USA (INT, CAN), as the channel table names them.
std::optional<CellReader> ChannelNameColumn(const std::string &header, const Configuration &base,
                                            std::string &refusal) {
    constexpr std::string_view kPrefix = "CH Name ";
    const std::string rest = header.substr(kPrefix.size());
    const std::size_t space = rest.find(' ');
    const std::string groupName = rest.substr(0, space);
    const std::string label = space == std::string::npos ? std::string() : rest.substr(space + 1);
    for (int group = 0; group < kPlanGroupCount; ++group) {
        if (groupName != kGroupNames[static_cast<std::size_t>(group)]) {
            continue;
        }
        const auto &table = PlanTable(base, group);
        const auto &master = BuildMasterChannelList();
        for (std::size_t i = 0; i < table.size(); ++i) {
            const int position = table[i].Position;
            if (position >= 0 && position < kMasterChannelCount &&
                master[static_cast<std::size_t>(position)].Label == label) {
                return NameReader(header, group, i, kChannelNameLength);
            }
        }
        refusal = "column " + header + ": group " + groupName + " has no channel " + label;
        return std::nullopt;
    }
    refusal = "column " + header + ": \"CH Name USA|INT|CAN CH\" expected";
    return std::nullopt;
}

struct Columns {
    std::vector<CellReader> readers; // one per column of the header
    std::optional<std::string> problem;
};

Columns ReadHeader(const std::vector<std::string> &header, const Configuration &base, bool atis,
                   bool inventory) {
    Columns columns;
    std::set<std::string> seen;
    for (const std::string &name : header) {
        // Empty columns (spreadsheets add them at the end) are read and ignored, however many.
        if (!name.empty() && !seen.insert(name).second) {
            columns.problem = "line 1: the column " + name + " comes twice";
            return columns;
        }
        std::string refusal;
        std::optional<CellReader> reader;
        if (name == "Port") {
            reader = [](FleetRadio &radio, const std::string &text) -> std::optional<std::string> {
                radio.port = text;
                return text.empty() ? std::optional<std::string>("Port: a device or COMn expected")
                                    : std::nullopt;
            };
        } else if (name == "Name") {
            reader = [](FleetRadio &radio, const std::string &text) -> std::optional<std::string> {
                radio.name = text;
                return std::nullopt;
            };
        } else if (name == "UserMMSI") {
            reader = UserMmsiReader(!inventory);
        } else if (name == "AtisCode") {
            reader = AtisReader(atis);
        } else if (name.starts_with("Station Name ")) {
            reader = StationNameColumn(name, base, refusal);
        } else if (name.starts_with("CH Name ")) {
            reader = ChannelNameColumn(name, base, refusal);
        } else if (name.empty()) {
            reader = [](FleetRadio &, const std::string &) { return std::optional<std::string>(); };
        } else {
            refusal = "column " + name +
                      ": Port, Name, UserMMSI, AtisCode, \"Station Name N\" or \"CH Name "
                      "USA|INT|CAN CH\" expected";
        }
        if (!reader) {
            columns.problem = "line 1: " + refusal;
            return columns;
        }
        columns.readers.push_back(std::move(*reader));
    }
    for (const char *required : {"Port", "UserMMSI"}) {
        if (!seen.contains(required) && !(inventory && std::string_view(required) == "UserMMSI")) {
            columns.problem = std::string("line 1: the column ") + required + " is missing";
        }
    }
    return columns;
}

std::string RowName(const FleetRadio &radio) {
    return "line " + std::to_string(radio.line) + " (" + radio.name + ")";
}

// The same port, name, MMSI or ATIS code twice in the plan: the row that repeats one. A radio without
// an ATIS code of its own gets the base configuration's.
std::optional<std::string> Repetition(const std::vector<FleetRadio> &radios,
                                      const std::string &baseAtisCode) {
    std::map<std::string, const FleetRadio *> ports, names, mmsis, atisCodes;
    for (const FleetRadio &radio : radios) {
        const auto repeats = [&radio](std::map<std::string, const FleetRadio *> &seen, const std::string &key,
                                      const std::string &what) -> std::optional<std::string> {
            if (key.empty()) {
                return std::nullopt;
            }
            const auto [at, added] = seen.emplace(key, &radio);
            if (added) {
                return std::nullopt;
            }
            return RowName(radio) + ": " + what + " is " + at->second->name + "'s already (line " +
                   std::to_string(at->second->line) + ")";
        };
        for (auto found :
             {repeats(ports, radio.port, "the port " + radio.port),
              repeats(names, radio.name, "the name " + radio.name),
              repeats(mmsis, radio.userMmsi, "the MMSI " + MmsiForPeople(radio.userMmsi)),
              repeats(atisCodes, radio.atisCode.empty() ? baseAtisCode : radio.atisCode,
                      "the ATIS code " + (radio.atisCode.empty() ? baseAtisCode : radio.atisCode))}) {
            if (found) {
                return found;
            }
        }
    }
    return std::nullopt;
}

} // namespace

namespace {

FleetPlan ReadPlan(std::string_view text, const Configuration &base, Model model, bool atis, bool inventory) {
    FleetPlan plan;
    int openLine = 0;
    const auto records = ParseCsv(text, openLine);
    if (!records) {
        plan.problem = "line " + std::to_string(openLine) + ": a quoted field is not closed";
        return plan;
    }
    if (records->empty()) {
        plan.problem = "the plan is empty: a header line and one line per radio expected";
        return plan;
    }
    // An inventory programs nothing: what the radios would be given is not its concern.
    if (const auto problems = inventory ? std::vector<std::string>{} : CheckConfiguration(base, model, atis);
        !problems.empty()) {
        plan.problem = "the base configuration: " + problems.front();
        return plan;
    }
    const Columns columns = ReadHeader(records->front().fields, base, atis, inventory);
    if (columns.problem) {
        plan.problem = columns.problem;
        return plan;
    }
    for (auto record = records->begin() + 1; record != records->end(); ++record) {
        FleetRadio radio;
        radio.line = record->line;
        const auto &fields = record->fields;
        if (fields.size() > columns.readers.size() &&
            std::any_of(fields.begin() + static_cast<std::ptrdiff_t>(columns.readers.size()), fields.end(),
                        [](const std::string &field) { return !Trimmed(field).empty(); })) {
            plan.problem =
                "line " + std::to_string(record->line) + ": more fields than the header has columns";
            return plan;
        }
        for (std::size_t column = 0; column < columns.readers.size(); ++column) {
            // Spaces around a cell are a spreadsheet's, not the radio's.
            const std::string cell = column < fields.size() ? Trimmed(fields[column]) : std::string();
            if (auto refusal = columns.readers[column](radio, cell)) {
                plan.problem = "line " + std::to_string(record->line) + ": " + *refusal;
                return plan;
            }
        }
        if (radio.name.empty()) {
            radio.name = radio.port;
        }
        if (const auto problems = inventory
                                      ? std::vector<std::string>{}
                                      : CheckConfiguration(FleetRadioConfiguration(base, radio), model, atis);
            !problems.empty()) {
            plan.problem = RowName(radio) + ": " + problems.front();
            return plan;
        }
        plan.radios.push_back(std::move(radio));
    }
    if (plan.radios.empty()) {
        plan.problem = "the plan names no radio: one line per radio expected after the header";
    } else if (auto repeated = Repetition(plan.radios, atis ? base.Atis.AtisCode : std::string())) {
        plan.problem = std::move(repeated);
    }
    return plan;
}

} // namespace

FleetPlan ReadFleetPlan(std::string_view text, const Configuration &base, Model model, bool atis,
                        bool inventory) {
    FleetPlan plan = ReadPlan(text, base, model, atis, inventory);
    if (plan.problem) {
        plan.radios.clear(); // a bad plan programs no radio, not even those before its bad row
    }
    return plan;
}

} // namespace klt
