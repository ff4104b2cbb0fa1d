#include "app/model_info.h"

#include "app/global_ini.h"

namespace klt {

ModelInfo MakeModelInfo(Model model, const std::filesystem::path &programFolder) {
    ModelInfo info;
    info.CurrentModel = model;
    info.ModelName = ModelName(model);
    info.AtisAvailable = ModelHasAtis(GlobalIniPath(programFolder), model);
    info.TitleText = "PC Program for " + info.ModelName;
    return info;
}

} // namespace klt
