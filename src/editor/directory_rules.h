#pragma once
// The directory table's rows; the packing rules of the directories are the model's.

#include "editor/channel_display.h"
#include "model/directory_rules.h"
#include "model/number_rules.h"
#include "model/records.h"

#include <span>
#include <vector>

namespace klt {

// The table: number, name, and the stored MMSI in nine characters.
std::vector<GridRow> DirectoryGridRows(std::span<const DirectoryEntry> entries);

} // namespace klt
