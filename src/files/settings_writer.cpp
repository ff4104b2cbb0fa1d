#include "files/settings_writer.h"

#include "files/settings_fields.h"
#include "files/settings_file_format.h"

namespace klt {

namespace {

using namespace settings_file;

class Writer {
public:
    template <typename Record>
    void section(std::string_view name, const Fields<Record> &fields, const Record &record) {
        text_ += "[" + std::string(name) + "]\r\n";
        for (const auto &field : fields) {
            text_ += field.key + "=" + field.write(record) + "\r\n";
        }
    }
    std::string take() { return std::move(text_); }

private:
    std::string text_;
};

// Sections prefix + k for the records from k = first on.
template <typename Records, typename Record>
void WriteRecords(Writer &w, std::string_view prefix, std::size_t first, const Fields<Record> &fields,
                  const Records &records) {
    for (std::size_t i = 0; i < records.size(); ++i) {
        w.section(std::string(prefix) + std::to_string(first + i), fields, records[i]);
    }
}

} // namespace

std::string ComposeSettingsText(const Configuration &config, Model model, const std::string &modelName,
                                bool atis) {
    Writer w;
    w.section(kMain, MainFields(), FileHeader{modelName, ModelNumber(model)});
    w.section(kGroups, GroupFields(model), config);
    w.section(kCommon, CommonFields(), config);
    w.section(kDscBasic, DscBasicFields(), config);
    w.section(kDscAdvanced, DscAdvancedFields(), config);
    w.section(kDscDisplay, DscDisplayFields(), config);
    if (atis) {
        w.section(kAtisCommon, AtisCommonFields(), config);
        w.section(kAtisCallSign, AtisCallSignFields(), config);
    }
    for (int g = 0; g < kPlanGroupCount; ++g) {
        WriteRecords(w, kPlanSections[static_cast<std::size_t>(g)], 0, PlanChannelFields(),
                     PlanTable(config, g));
    }
    WriteRecords(w, kWeatherSection, 0, WeatherFields(), config.Weather);
    WriteRecords(w, kIndividualSection, 1, DirectoryFields(), config.Individual);
    WriteRecords(w, kGroupDirectorySection, 1, DirectoryFields(), config.GroupDirectory);
    WriteRecords(w, kExpSection, 1, ExpansionFields(), config.Expansion);
    return w.take();
}

} // namespace klt
