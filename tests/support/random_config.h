#pragma once
// Random configurations whose every mapped field survives the radio memory: names of characters the
// radio shows, MMSIs with their tenth digit 0, directories packed from their first entry.

#include "model/records.h"

#include <random>
#include <string>
#include <vector>

namespace klt::test {

Configuration RandomConfiguration(std::mt19937 &random, int model);

// "field=value" lines of every field the radio memory carries, to compare configurations by.
std::vector<std::string> MappedFields(const Configuration &config, int model);

} // namespace klt::test
