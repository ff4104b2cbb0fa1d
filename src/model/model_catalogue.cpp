#include "model/model_catalogue.h"

#include "model/byte_bits.h"

#include <array>
#include <string_view>

namespace klt {

namespace {

struct CatalogueEntry {
    Model model;
    std::string_view caption;
    std::string_view name;
    std::uint16_t code;
    std::string_view suffixStart;
};

constexpr std::uint16_t kCode300 = 300;
constexpr std::uint16_t kCode450 = 450;
constexpr std::uint16_t kCode500 = 500;

constexpr std::array<CatalogueEntry, 4> kCatalogue = {{
    {Model::Tq300, "TQ-300", "TQ-300", kCode300, "_"},
    {Model::Tq450, "TQ-400E/TQ-450", "TQ-400E/TQ-450", kCode450, "_"},
    {Model::Tq500, "TQ-500", "TQ-500", kCode500, "_"},
    {Model::Tq300M, "", "TQ-300M", kCode300, "-M_"},
}};

constexpr std::array<Model, kCatalogue.size()> kCatalogueModels = {Model::Tq300, Model::Tq450, Model::Tq500,
                                                                   Model::Tq300M};

const CatalogueEntry *Find(Model model) {
    for (const auto &entry : kCatalogue) {
        if (entry.model == model) {
            return &entry;
        }
    }
    return nullptr;
}

} // namespace

std::optional<Model> ModelFromNumber(long number) {
    if ((number >= 1 && number <= kModelSlotCount) || number == ModelNumber(Model::Tq300M)) {
        return static_cast<Model>(number);
    }
    return std::nullopt;
}

std::optional<Model> CatalogueModel(long number) {
    const auto model = ModelFromNumber(number);
    return model && Find(*model) != nullptr ? model : std::nullopt;
}

std::span<const Model> CatalogueModels() {
    return kCatalogueModels;
}

std::string ModelName(Model model) {
    const auto *entry = Find(model);
    return entry ? std::string(entry->name) : "Unknown model";
}

std::string ModelCaption(Model model) {
    const auto *entry = Find(model);
    return entry ? std::string(entry->caption) : std::string();
}

std::optional<std::uint16_t> ModelCode(Model model) {
    const auto *entry = Find(model);
    return entry ? std::optional<std::uint16_t>(entry->code) : std::nullopt;
}

std::string ModelFileSuffix(Model model) {
    const auto *entry = Find(model);
    return entry ? std::string(entry->suffixStart) + HexDigits(entry->code, 4) : std::string();
}

bool ImageModelCodeMatches(Model model, std::uint16_t first, std::uint16_t second) {
    const auto code = ModelCode(model);
    if (!code || first != second) {
        return false;
    }
    return first == *code || (model == Model::Tq450 && first == kCode300);
}

} // namespace klt
