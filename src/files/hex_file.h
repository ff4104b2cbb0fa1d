#pragma once
// The image hex file: the radio memory byte for byte, 32768 bytes, for service and diagnosis; the
// model description files have the same form.

#include "base/fault.h"
#include "model/radio_image.h"

#include <filesystem>
#include <optional>
#include <vector>

namespace klt {

struct ImageFileBytes {
    std::vector<std::uint8_t> bytes; // a whole image when read
    std::optional<Fault> fault;      // set when the file could not be read whole
};

// The image's bytes of the file; check its length with FileHoldsImage first.
ImageFileBytes ReadImageFile(const std::filesystem::path &path);

// The whole image, or nothing: the earlier file stays when the write fails.
std::optional<Fault> WriteImageFile(const std::filesystem::path &path, const RadioImage &image);

} // namespace klt
