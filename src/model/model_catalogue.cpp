#include "model/model_catalogue.h"

#include "model/byte_bits.h"

#include <array>
#include <string_view>

namespace klt {

namespace {

struct CatalogueEntry {
    int number;
    std::string_view caption;
    std::string_view name;
    std::uint16_t code;
    std::string_view suffixStart;
};

constexpr std::uint16_t kCode300 = 300;
constexpr std::uint16_t kCode450 = 450;
constexpr std::uint16_t kCode500 = 500;

constexpr std::array<CatalogueEntry, 4> kCatalogue = {{
    {kModelTq300, "TQ-300", "TQ-300", kCode300, "_"},
    {kModelTq450, "TQ-400E/TQ-450", "TQ-400E/TQ-450", kCode450, "_"},
    {kModelTq500, "TQ-500", "TQ-500", kCode500, "_"},
    {kModelTq300M, "", "TQ-300M", kCode300, "-M_"},
}};

const CatalogueEntry *Find(int model) {
    for (const auto &entry : kCatalogue) {
        if (entry.number == model) {
            return &entry;
        }
    }
    return nullptr;
}

} // namespace

std::string ModelName(int model) {
    const auto *entry = Find(model);
    return entry ? std::string(entry->name) : "Unknown model";
}

std::string ModelCaption(int model) {
    const auto *entry = Find(model);
    return entry ? std::string(entry->caption) : std::string();
}

std::optional<std::uint16_t> ModelCode(int model) {
    const auto *entry = Find(model);
    return entry ? std::optional<std::uint16_t>(entry->code) : std::nullopt;
}

std::string ModelFileSuffix(int model) {
    const auto *entry = Find(model);
    return entry ? std::string(entry->suffixStart) + HexDigits(entry->code, 4) : std::string();
}

bool ImageModelCodeMatches(int model, std::uint16_t first, std::uint16_t second) {
    const auto code = ModelCode(model);
    if (!code || first != second) {
        return false;
    }
    return first == *code || (model == kModelTq450 && first == kCode300);
}

} // namespace klt
