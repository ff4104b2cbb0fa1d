#include "app/reset.h"

#include "model/image_mapping.h"
#include "model/reference_tables.h"

namespace klt {

namespace {

void Run(const std::function<void()> &hook) {
    if (hook) {
        hook();
    }
}

} // namespace

DestinationLoad ResetConfiguration(AppContext &ctx, bool loadDestination, const ResetHooks &hooks) {
    // Start from empty records, so that nothing of the previous configuration (values the radio memory
    // does not hold, such as ATIS call signs) survives into the new one.
    ctx.Config = Configuration{};
    for (int g = 0; g < kPlanGroupCount; ++g) {
        PlanTable(ctx.Config, g) = BuildPlan(g);
    }
    ctx.Config.Weather = BuildTableFromList(BuildWeatherList(), false);
    ClearDirectory(ctx.Config.Individual);
    ClearDirectory(ctx.Config.GroupDirectory);

    ImageNewDefaults(ctx.Image, ctx.Config, ctx.CurrentModel);
    DecodeExpansionChannels(ctx.Image, ctx.Config);
    EncodeImage(ctx.Image, ctx.Config);
    Run(hooks.rebuildGrids);

    DestinationLoad load;
    if (loadDestination) {
        load = BuildDestinationMenuAndLoad(ctx);
        if (load.loaded) {
            Run(hooks.refreshPage);
        }
    }
    ctx.CurrentFilePath.clear();
    Run(hooks.afterReset);
    return load;
}

} // namespace klt
