#include "editor/directory_rules.h"

#include "model/text_format.h"

namespace klt {

namespace {

constexpr int kMmsiColumn = 9;

bool Complete(const DirectoryEntry &entry) {
    return !entry.TagName.empty() && !entry.Mmsid.empty();
}

} // namespace

int UsedCount(std::span<const DirectoryEntry> entries) {
    int used = 0;
    while (used < static_cast<int>(entries.size()) && entries[static_cast<std::size_t>(used)].Enable) {
        ++used;
    }
    return used;
}

EntryState StateOfEntry(std::span<const DirectoryEntry> entries, int number) {
    const int used = UsedCount(entries);
    if (number <= used) {
        return EntryState::InUse;
    }
    if (number > used + 1) {
        return EntryState::Unreachable;
    }
    return number == 1 || Complete(entries[static_cast<std::size_t>(number - 2)]) ? EntryState::Addable
                                                                                  : EntryState::Blocked;
}

void DeleteEntry(std::span<DirectoryEntry> entries, int number) {
    if (number < 1 || number > static_cast<int>(entries.size())) {
        return;
    }
    for (std::size_t i = static_cast<std::size_t>(number - 1); i + 1 < entries.size(); ++i) {
        entries[i].Enable = entries[i + 1].Enable;
        entries[i].Mmsid = entries[i + 1].Mmsid;
        entries[i].TagName = entries[i + 1].TagName;
    }
    DirectoryEntry &last = entries.back();
    last.Enable = false;
    last.Mmsid.clear();
    last.TagName.clear();
}

std::vector<GridRow> DirectoryGridRows(std::span<const DirectoryEntry> entries) {
    std::vector<GridRow> rows;
    int number = 1;
    for (const DirectoryEntry &entry : entries) {
        rows.push_back({std::to_string(number++), entry.TagName, FixedWidth(entry.Mmsid, kMmsiColumn)});
    }
    return rows;
}

std::string MmsiFieldText(const std::string &stored, bool group) {
    if (group) {
        return stored.size() >= 9 ? stored.substr(1, 8) : stored;
    }
    return stored.substr(0, 9);
}

} // namespace klt
