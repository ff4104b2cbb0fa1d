#pragma once
// The configurations the benchmarks measure: a model's defaults, and the same with every table full
// (every directory entry, expansion channel and name in use), the most work a file or a report holds.

#include "model/model_catalogue.h"
#include "model/radio_image.h"
#include "model/records.h"

namespace klt::bench {

struct Sample {
    Configuration config;
    RadioImage image;
};

Sample DefaultSample(Model model);
Sample FullSample(Model model);

} // namespace klt::bench
