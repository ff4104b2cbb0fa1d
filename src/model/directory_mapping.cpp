// Station directories in the radio image: five bytes of MMSI and an 11-character name per entry.

#include "model/digits_codec.h"
#include "model/mapping_parts.h"
#include "model/name_codec.h"

namespace klt::mapping {

namespace {

using namespace layout;

Address EntryAddress(Address base, std::size_t index) {
    return base + kDirectoryStride * static_cast<Address>(index);
}

} // namespace

// The radio keeps each directory packed from its first entry: the list ends at the first entry
// without a number, and whatever the memory holds after it is not part of the list.
void DecodeDirectory(const RadioImage &image, std::span<DirectoryEntry> directory, Address base) {
    for (std::size_t i = 0; i < directory.size(); ++i) {
        const Address entry = EntryAddress(base, i);
        directory[i].Mmsid = Bcd5ToDigits(image, entry + kDirectoryMmsiOffset);
        directory[i].TagName = ImageReadName(image, entry + kDirectoryNameOffset, kDirectoryNameLength);
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

void EncodeDirectory(RadioImage &image, std::span<const DirectoryEntry> directory, Address base) {
    for (std::size_t i = 0; i < directory.size(); ++i) {
        const Address entry = EntryAddress(base, i);
        DigitsToBcd5(image, entry + kDirectoryMmsiOffset, directory[i].Mmsid, true);
        ImageWriteText(image, entry + kDirectoryNameOffset, directory[i].TagName, kDirectoryNameLength);
    }
}

} // namespace klt::mapping
