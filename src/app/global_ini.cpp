#include "app/global_ini.h"

#include "files/profile_reader.h"
#include "model/model_catalogue.h"
#include "model/text_format.h"

namespace klt {

std::filesystem::path GlobalIniPath(const std::filesystem::path &programFolder) {
    return programFolder / "global.ini";
}

std::string ModelSection(int model) {
    return std::to_string(model) + "model";
}

bool ModelOffered(const std::filesystem::path &globalIni, int model) {
    const std::string use = ReadProfileString(globalIni, ModelSection(model), "use");
    return !use.empty() && LeadingNumber(use) == 1.0;
}

bool ModelHasAtis(const std::filesystem::path &globalIni, int model) {
    return TextToBool(ReadProfileString(globalIni, ModelSection(model), "atis"));
}

std::vector<int> OfferedModels(const std::filesystem::path &globalIni) {
    std::vector<int> models;
    for (int n = 1; n <= kModelSlotCount; ++n) {
        if (ModelOffered(globalIni, n)) {
            models.push_back(n);
        }
    }
    return models;
}

} // namespace klt
