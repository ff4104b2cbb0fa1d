#pragma once
// Gives the configuration the defaults of the current model, as at program start and File > New.

#include "app/app_context.h"
#include "app/destination_load.h"

#include <functional>

namespace klt {

// Steps the window adds to a reset; each may be empty.
struct ResetHooks {
    std::function<void()> rebuildGrids;
    std::function<void()> refreshPage; // after a destination file loaded
    std::function<void()> afterReset;  // tree, "General" page, status text, caption
};

// With loadDestination, the stored destination's model description file provides the defaults.
DestinationLoad ResetConfiguration(AppContext &ctx, bool loadDestination, const ResetHooks &hooks = {});

} // namespace klt
