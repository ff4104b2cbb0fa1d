#pragma once
// The bytes a radio's memory holds when it leaves the factory.

#include "model/radio_image.h"

namespace klt {

// Writes the factory bytes of a new image (after ImageClear, before the model code is stamped).
void ImageWriteDefaultBytes(RadioImage &image);

} // namespace klt
