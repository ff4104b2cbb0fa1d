#pragma once
// The directories are packed lists: the entries in use are always 1 to k, without gaps, and a new
// entry can only be added as k + 1.

#include "model/records.h"

#include <span>

namespace klt {

// The number of leading entries in use.
int UsedCount(std::span<const DirectoryEntry> entries);

enum class EntryState {
    InUse,      // 1 to k: editable, may be deleted
    Addable,    // k + 1, after a complete entry (or the first of an empty directory)
    Blocked,    // k + 1, but the entry before it lacks a name or an MMSI
    Unreachable // beyond k + 1
};
// number counts from 1.
EntryState StateOfEntry(std::span<const DirectoryEntry> entries, int number);

// Takes an entry out of use, its name and number with it; its member flags stay.
void EmptyEntry(DirectoryEntry &entry);

// Removes entry number; the later entries move up by one and the last is emptied. The member flags
// stay where they are: only the entries' enable, name and MMSI move.
void DeleteEntry(std::span<DirectoryEntry> entries, int number);

} // namespace klt
