#pragma once
// The radio models the program knows and how an image is recognised as one of theirs.

#include <cstdint>
#include <optional>
#include <string>

namespace klt {

constexpr int kModelSlotCount = 10; // Edit > Model offers model numbers 1 to 10
constexpr int kModelTq300 = 1;
constexpr int kModelTq450 = 2;
constexpr int kModelTq500 = 3;
constexpr int kModelTq300M = 11; // in the catalogue, never in the menu

std::string ModelName(int model);    // "Unknown model" for numbers not in the catalogue
std::string ModelCaption(int model); // menu caption; empty for 11 and unknown numbers
std::optional<std::uint16_t> ModelCode(int model);
std::string ModelFileSuffix(int model); // "_012C"; "-M_012C" for model 11; empty when unknown

// True when both codes read from an image are equal and belong to the model (model 2 also takes 300).
bool ImageModelCodeMatches(int model, std::uint16_t first, std::uint16_t second);

// Only the TQ-500 has a second priority channel per group.
inline bool HasSecondPriorityChannel(int model) {
    return model == kModelTq500;
}

} // namespace klt
