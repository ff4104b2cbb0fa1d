#pragma once
// The whole configuration checked before it goes to a radio: the rules every page enforces on its
// own fields, and what only the whole shows (a priority channel its group does not offer, an
// enabled expansion channel without a frequency, an ATIS code that no usable group sends).

#include "model/model_catalogue.h"
#include "model/records.h"

#include <string>
#include <vector>

namespace klt {

// One line per problem, naming the page and the field; empty when the radio can take it all.
std::vector<std::string> CheckConfiguration(const Configuration &config, Model model, bool atis);

} // namespace klt
