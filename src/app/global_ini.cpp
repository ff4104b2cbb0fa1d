#include "app/global_ini.h"

#include "files/profile_reader.h"
#include "model/model_catalogue.h"
#include "model/text_format.h"

namespace klt {

std::filesystem::path GlobalIniPath(const std::filesystem::path &programFolder) {
    return programFolder / "global.ini";
}

std::string ModelSection(Model model) {
    return std::to_string(ModelNumber(model)) + "model";
}

bool ModelOffered(const std::filesystem::path &globalIni, Model model) {
    const std::string use = ReadProfileString(globalIni, ModelSection(model), "use");
    return !use.empty() && LeadingNumber(use) == 1.0;
}

bool ModelHasAtis(const std::filesystem::path &globalIni, Model model) {
    return TextToBool(ReadProfileString(globalIni, ModelSection(model), "atis"));
}

std::vector<Model> OfferedModels(const std::filesystem::path &globalIni) {
    std::vector<Model> models;
    for (int n = 1; n <= kModelSlotCount; ++n) {
        const Model model = *ModelFromNumber(n);
        if (ModelOffered(globalIni, model)) {
            models.push_back(model);
        }
    }
    return models;
}

} // namespace klt
