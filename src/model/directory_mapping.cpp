// Station directories in the radio image: five bytes of MMSI and an 11-character name per entry.

#include "model/mapping_parts.h"
#include "model/record_views.h"

namespace klt::mapping {

// The radio keeps each directory packed from its first entry: the list ends at the first entry
// without a number, and whatever the memory holds after it is not part of the list.
void DecodeDirectory(const RadioImage &image, std::span<DirectoryEntry> directory, layout::Directory place) {
    for (std::size_t i = 0; i < directory.size(); ++i) {
        const DirectoryEntryView entry(image, place, static_cast<int>(i));
        directory[i].Mmsid = entry.mmsi();
        directory[i].TagName = entry.tagName();
    }
    bool ended = false;
    for (auto &entry : directory) {
        if (!ended && !entry.Mmsid.empty()) {
            entry.Enable = true;
            continue;
        }
        if (ended) {
            entry.Mmsid.clear();
        }
        ended = true;
        entry.TagName.clear();
        entry.Enable = false;
    }
}

void EncodeDirectory(RadioImage &image, std::span<const DirectoryEntry> directory, layout::Directory place) {
    for (std::size_t i = 0; i < directory.size(); ++i) {
        DirectoryEntryView entry(image, place, static_cast<int>(i));
        entry.setMmsi(directory[i].Mmsid);
        entry.setTagName(directory[i].TagName);
    }
}

} // namespace klt::mapping
