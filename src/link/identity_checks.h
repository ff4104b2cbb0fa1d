#pragma once
// Before any read, write or clear: is the connected radio one the selected model describes?

#include "link/outcome.h"
#include "link/radio_link.h"
#include "model/model_catalogue.h"
#include "model/radio_image.h"

namespace klt {

// The model codes at both ends of the radio's memory against the model; the image gives their
// addresses.
Outcome ReadDataChkModel(RadioLink &link, const RadioImage &image, Model model);
// The product code the radio carries.
Outcome ReadDataChkProduct(RadioLink &link);

} // namespace klt
