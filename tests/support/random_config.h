#pragma once
// Configurations to test with: a model's factory settings with the plan channels of every group, and
// random configurations whose every mapped field survives the radio memory (names of characters the
// radio shows, MMSIs with their tenth digit 0, directories packed from their first entry).

#include "model/model_catalogue.h"
#include "model/records.h"

#include <random>
#include <string>
#include <vector>

namespace klt::test {

Configuration FactoryConfiguration(Model model);

Configuration RandomConfiguration(std::mt19937 &random, int model);

// "field=value" lines of every field the radio memory carries, to compare configurations by.
std::vector<std::string> MappedFields(const Configuration &config, int model);

} // namespace klt::test
