#pragma once
// The radio models the program knows and how an image is recognised as one of theirs.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace klt {

// A model number: a slot of the Edit > Model menu (1 to 10), or 11, the TQ-300M, which has no slot.
// Only the catalogue's models have a name, a code and model description files; a slot that
// "global.ini" offers without a catalogue model is an unknown model. None: no model chosen.
enum class Model : int { None = 0, Tq300 = 1, Tq450 = 2, Tq500 = 3, Tq300M = 11 };

constexpr int kModelSlotCount = 10; // Edit > Model offers model numbers 1 to 10

constexpr int ModelNumber(Model model) {
    return static_cast<int>(model);
}

// The model of a number from outside (a menu slot, "global.ini", a stored preference, a file): menu
// slots 1 to 10 and 11; nothing for any other number.
std::optional<Model> ModelFromNumber(long number);
// Only the catalogue's models: what a command line may name.
std::optional<Model> CatalogueModel(long number);
// The catalogue's models, in catalogue order.
std::span<const Model> CatalogueModels();

std::string ModelName(Model model);    // "Unknown model" for numbers not in the catalogue
std::string ModelCaption(Model model); // menu caption; empty for 11 and unknown numbers
std::optional<std::uint16_t> ModelCode(Model model);
std::string ModelFileSuffix(Model model); // "_012C"; "-M_012C" for model 11; empty when unknown

// True when both codes read from an image are equal and belong to the model (model 2 also takes 300).
bool ImageModelCodeMatches(Model model, std::uint16_t first, std::uint16_t second);

// Only the TQ-500 has a second priority channel per group.
inline bool HasSecondPriorityChannel(Model model) {
    return model == Model::Tq500;
}

} // namespace klt
