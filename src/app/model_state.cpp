#include "app/model_state.h"

#include "app/global_ini.h"
#include "model/model_catalogue.h"

namespace klt {

void SetCurrentModel(AppContext &ctx, Model model) {
    ctx.CurrentModel = model;
    ctx.ModelName = ModelName(model);
    ctx.AtisAvailable = ModelHasAtis(GlobalIniPath(ctx.ProgramFolder), model);
    ctx.TitleText = "PC Program for " + ctx.ModelName;
}

} // namespace klt
