#include "files/settings_reader.h"

#include "files/profile_reader.h"
#include "files/settings_fields.h"
#include "files/settings_file_format.h"
#include "model/channel_rules.h"
#include "model/text_format.h"

namespace klt {

namespace {

using namespace settings_file;

using Refused = std::vector<std::string>;

template <typename Record>
void ReadSection(const SectionTable &table, const std::string &name, const Fields<Record> &fields,
                 Record &record, Refused &refused) {
    for (const auto &field : fields) {
        if (!field.read) {
            continue;
        }
        const std::string value = table.lookUp(name, field.key);
        const ValueRead read = field.read(record, value);
        if (read != ValueRead::Taken && !value.empty()) {
            constexpr std::size_t kShown = 40;
            const std::string shown = value.size() > kShown ? value.substr(0, kShown) + "..." : value;
            refused.push_back(
                "[" + name + "] " + field.key + "=" + shown + ": " +
                (read == ValueRead::OutOfRange ? "out of the radio's range" : "not a value it takes"));
        }
    }
}

// Sections prefix + k for the records from k = first on; a missing section leaves its record alone.
template <typename Records, typename Record>
void ReadRecords(const SectionTable &table, std::string_view prefix, std::size_t first,
                 const Fields<Record> &fields, Records &records, Refused &refused) {
    for (std::size_t i = 0; i < records.size(); ++i) {
        const std::string name = std::string(prefix) + std::to_string(first + i);
        if (table.hasSection(name)) {
            ReadSection(table, name, fields, records[i], refused);
        }
    }
}

// Sections k = 0, 1, ... until one has no Position; each fills the record its Position names, so a
// later section with the same Position wins.
void ReadPlanChannels(const SectionTable &table, std::string_view prefix, std::vector<ChannelRecord> &records,
                      Refused &refused) {
    for (int k = 0;; ++k) {
        const std::string name = std::string(prefix) + std::to_string(k);
        const std::string position = table.lookUp(name, kPositionKey);
        if (position.empty()) {
            return;
        }
        const auto index = ToInt16(position);
        if (index && *index >= 0 && static_cast<std::size_t>(*index) < records.size()) {
            auto &r = records[static_cast<std::size_t>(*index)];
            ReadSection(table, name, PlanChannelFields(), r, refused);
            // The plan decides what a channel can do: no duplex without a duplex pair, no transmit on
            // a receive-only channel.
            r.Duplex = r.Duplex && MayDuplex(r);
            r.TxEnable = r.TxEnable && MayTransmit(r);
        }
    }
}

} // namespace

std::vector<std::string> ApplySettingsTable(const SectionTable &table, Configuration &config, Model model,
                                            bool atis) {
    Refused refused;
    ReadSection(table, std::string(kGroups), GroupFields(model), config, refused);
    ReadSection(table, std::string(kCommon), CommonFields(), config, refused);
    ReadSection(table, std::string(kDscBasic), DscBasicFields(), config, refused);
    ReadSection(table, std::string(kDscAdvanced), DscAdvancedFields(), config, refused);
    ReadSection(table, std::string(kDscDisplay), DscDisplayFields(), config, refused);
    if (atis) {
        ReadSection(table, std::string(kAtisCommon), AtisCommonFields(), config, refused);
        ReadSection(table, std::string(kAtisCallSign), AtisCallSignFields(), config, refused);
    }
    for (int g = 0; g < kPlanGroupCount; ++g) {
        ReadPlanChannels(table, kPlanSections[static_cast<std::size_t>(g)], PlanTable(config, g), refused);
    }
    ReadRecords(table, kWeatherSection, 0, WeatherFields(), config.Weather, refused);
    ReadRecords(table, kIndividualSection, 1, DirectoryFields(), config.Individual, refused);
    ReadRecords(table, kGroupDirectorySection, 1, DirectoryFields(), config.GroupDirectory, refused);
    ReadRecords(table, kExpSection, 1, ExpansionFields(), config.Expansion, refused);
    return refused;
}

std::size_t MissingSettings(const SectionTable &file, const SectionTable &complete) {
    std::size_t missing = 0;
    for (const auto &section : complete.sections()) {
        if (section.name == kMain) {
            continue;
        }
        for (const auto &[key, value] : section.keys) {
            missing += file.holds(section.name, key) ? 0 : 1;
        }
    }
    return missing;
}

double SettingsTextModel(std::string_view text) {
    return LeadingNumber(ProfileValue(WithoutByteOrderMark(text), std::string(kMain), "MODELTYPE"));
}

} // namespace klt
