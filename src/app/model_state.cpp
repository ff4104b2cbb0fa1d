#include "app/model_state.h"

namespace klt {

void SetCurrentModel(AppContext &ctx, Model model) {
    static_cast<ModelInfo &>(ctx) = MakeModelInfo(model, ctx.ProgramFolder);
}

} // namespace klt
