#include "files/settings_reader.h"

#include "files/profile_reader.h"
#include "files/settings_fields.h"
#include "files/settings_file_format.h"
#include "model/channel_rules.h"
#include "model/text_format.h"

namespace klt {

namespace {

using namespace settings_file;

template <typename Record>
void ReadSection(const SectionTable &table, const std::string &name, const Fields<Record> &fields,
                 Record &record) {
    for (const auto &field : fields) {
        if (field.read) {
            field.read(record, table.lookUp(name, field.key));
        }
    }
}

// Sections prefix + k for the records from k = first on; a missing section leaves its record alone.
template <typename Records, typename Record>
void ReadRecords(const SectionTable &table, std::string_view prefix, std::size_t first,
                 const Fields<Record> &fields, Records &records) {
    for (std::size_t i = 0; i < records.size(); ++i) {
        const std::string name = std::string(prefix) + std::to_string(first + i);
        if (table.hasSection(name)) {
            ReadSection(table, name, fields, records[i]);
        }
    }
}

// Sections k = 0, 1, ... until one has no Position; each fills the record its Position names, so a
// later section with the same Position wins.
void ReadPlanChannels(const SectionTable &table, std::string_view prefix,
                      std::vector<ChannelRecord> &records) {
    for (int k = 0;; ++k) {
        const std::string name = std::string(prefix) + std::to_string(k);
        const std::string position = table.lookUp(name, kPositionKey);
        if (position.empty()) {
            return;
        }
        const auto index = ToInt16(position);
        if (index && *index >= 0 && static_cast<std::size_t>(*index) < records.size()) {
            auto &r = records[static_cast<std::size_t>(*index)];
            ReadSection(table, name, PlanChannelFields(), r);
            // The plan decides what a channel can do: no duplex without a duplex pair, no transmit on
            // a receive-only channel.
            r.Duplex = r.Duplex && MayDuplex(r);
            r.TxEnable = r.TxEnable && MayTransmit(r);
        }
    }
}

} // namespace

void ApplySettingsTable(const SectionTable &table, Configuration &config, Model model, bool atis) {
    ReadSection(table, std::string(kGroups), GroupFields(model), config);
    ReadSection(table, std::string(kCommon), CommonFields(), config);
    ReadSection(table, std::string(kDscBasic), DscBasicFields(), config);
    ReadSection(table, std::string(kDscAdvanced), DscAdvancedFields(), config);
    ReadSection(table, std::string(kDscDisplay), DscDisplayFields(), config);
    if (atis) {
        ReadSection(table, std::string(kAtisCommon), AtisCommonFields(), config);
        ReadSection(table, std::string(kAtisCallSign), AtisCallSignFields(), config);
    }
    for (int g = 0; g < kPlanGroupCount; ++g) {
        ReadPlanChannels(table, kPlanSections[static_cast<std::size_t>(g)], PlanTable(config, g));
    }
    ReadRecords(table, kWeatherSection, 0, WeatherFields(), config.Weather);
    ReadRecords(table, kIndividualSection, 1, DirectoryFields(), config.Individual);
    ReadRecords(table, kGroupDirectorySection, 1, DirectoryFields(), config.GroupDirectory);
    ReadRecords(table, kExpSection, 1, ExpansionFields(), config.Expansion);
}

double SettingsTextModel(std::string_view text) {
    return LeadingNumber(ProfileValue(WithoutByteOrderMark(text), std::string(kMain), "MODELTYPE"));
}

} // namespace klt
