#pragma once
// Before any read, write or clear: is the connected radio one the selected model describes?
// A failed check sets the Link error flag.

#include "link/radio_link.h"

namespace klt {

void ReadDataChkModel(RadioLink &link);
void ReadDataChkProduct(RadioLink &link);

} // namespace klt
