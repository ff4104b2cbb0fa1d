#pragma once
// Making a model the current one: its name, the window title and whether it has ATIS.

#include "app/app_context.h"

namespace klt {

void SetCurrentModel(AppContext &ctx, Model model);

} // namespace klt
