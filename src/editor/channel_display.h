#pragma once
// How a channel is shown on the channel pages: the number and suffix of its display, and the cells of
// the channel tables.

#include "model/channel_rules.h"
#include "model/records.h"

#include <array>
#include <span>
#include <string>
#include <vector>

namespace klt {

// The radio shows channel numbers of 100 and above on two digits: "o" for 100 to 109 and an apostrophe
// for 110 upward ("105" is "o5", "112A" is "'2" and "A").
struct ChannelDisplay {
    std::string number;
    std::string suffix;
};
ChannelDisplay PlanChannelDisplay(const std::string &label);

// The name of the plan channel at a position ("" for a position outside the plan).
std::string PlanChannelName(int position);

// The columns' titles and the "[Enable]" mark of the expansion table are the window's own words, in
// English here: the context "klt::ChannelDisplay" translates them where they are shown. The other
// cells are the records' and the core's texts.
struct GridColumn {
    const char *title;
    int widthUnits; // hundreds of twips
};
extern const char *const kGridEnableMark;
inline constexpr int kExpansionEnableColumn = 1;
std::span<const GridColumn> PlanGridColumns();
std::span<const GridColumn> ExpansionGridColumns();

using GridRow = std::vector<std::string>;
// The enabled channels of a plan group, in record order. Without a scrambler the "VS" cells stay empty.
std::vector<GridRow> PlanGridRows(const std::vector<ChannelRecord> &table, bool scrambler);
// All 64 expansion channels.
std::vector<GridRow> ExpansionGridRows(std::span<const ChannelRecord> channels, bool scrambler);

} // namespace klt
