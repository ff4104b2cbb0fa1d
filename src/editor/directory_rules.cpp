#include "editor/directory_rules.h"

#include "model/text_format.h"

namespace klt {

namespace {

constexpr int kMmsiColumn = 9;

} // namespace

std::vector<GridRow> DirectoryGridRows(std::span<const DirectoryEntry> entries) {
    std::vector<GridRow> rows;
    int number = 1;
    for (const DirectoryEntry &entry : entries) {
        rows.push_back({std::to_string(number++), entry.TagName, FixedWidth(entry.Mmsid, kMmsiColumn)});
    }
    return rows;
}

} // namespace klt
