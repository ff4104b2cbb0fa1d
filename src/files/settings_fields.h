#pragma once
// The settings file's keys, once: for each section, every key in the order the file holds it, with
// how its value is written from the records and read back into them. The writer and the reader both
// walk these tables, so a key is spelled in one place.

#include "model/model_catalogue.h"
#include "model/records.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace klt::settings_file {

// What became of a value read: taken into the record, or left out because it is no value of its kind
// ("5 seconds" for a number) or lies outside what the radio keeps there ("256" for a byte).
enum class ValueRead { Taken, Unreadable, OutOfRange };

template <typename Record> struct Field {
    std::string key;
    // The value as the file holds it.
    std::function<std::string(const Record &)> write;
    // Takes a value into the record; a value not taken leaves the field as it was. Empty for a key the
    // program writes but never reads back.
    std::function<ValueRead(Record &, std::string_view value)> read;
};

template <typename Record> using Fields = std::vector<Field<Record>>;

// [MAIN]: what the file is. Read apart, through its model type.
struct FileHeader {
    std::string modelName;
    int model = 0;
};
const Fields<FileHeader> &MainFields();

// The settings sections, on the whole configuration. Only the TQ-500 has second priority channels.
Fields<Configuration> GroupFields(Model model);
const Fields<Configuration> &CommonFields();
const Fields<Configuration> &DscBasicFields();
const Fields<Configuration> &DscAdvancedFields();
const Fields<Configuration> &DscDisplayFields();
const Fields<Configuration> &AtisCommonFields();
const Fields<Configuration> &AtisCallSignFields();

// One section per record. A plan channel's "Position" names the record its section fills; the reader
// takes it apart from the other keys.
inline constexpr std::string_view kPositionKey = "Position";
const Fields<ChannelRecord> &PlanChannelFields();
const Fields<ChannelRecord> &WeatherFields();
const Fields<DirectoryEntry> &DirectoryFields();
const Fields<ChannelRecord> &ExpansionFields();

} // namespace klt::settings_file
