#pragma once
// The hex dump of the radio memory: a header, a separator, and one line per 16 bytes.

#include "model/radio_image.h"

#include <string>
#include <vector>

namespace klt {

std::vector<std::string> HexDumpLines(const RadioImage &image);

} // namespace klt
