#pragma once
// The clear operations: erase one area of the radio's memory (or several), in the program's image
// first, then on the radio; on failure the image is put back.

#include "link/operation.h"
#include "link/outcome.h"
#include "link/radio_link.h"
#include "model/image_layout.h"
#include "model/radio_image.h"

#include <vector>

namespace klt {

// The clear flow, after the connection, status and identity steps: the image changed and sent.
// On anything but success the image is as it was before.
Outcome RunClear(RadioLink &link, Operation operation, RadioImage &image);

// The image changes of a clear, alone (what RunClear sends afterwards). Read and Program change
// nothing.
void ApplyClearToImage(RadioImage &image, Operation operation);

// What a clear sends, in its order: its single-byte run, or its blocks.
std::vector<layout::Range> ClearedRanges(Operation operation);

// Puts back what a clear erased: the clear's own writes, with the bytes of the image (a backup made
// before the clear). The image is not changed.
Outcome RestoreCleared(RadioLink &link, Operation operation, const RadioImage &image);

} // namespace klt
