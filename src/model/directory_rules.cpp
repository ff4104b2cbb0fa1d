#include "model/directory_rules.h"

namespace klt {

namespace {

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

void EmptyEntry(DirectoryEntry &entry) {
    entry.Enable = false;
    entry.Mmsid.clear();
    entry.TagName.clear();
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
    EmptyEntry(entries.back());
}

} // namespace klt
