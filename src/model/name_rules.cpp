#include "model/name_rules.h"

#include "model/field_rules.h"
#include "model/text_format.h"

#include <algorithm>

namespace klt {

std::optional<char> UnshowableNameCharacter(std::string_view name) {
    // The name field's filter lets the Backspace key through; as a character it is none the radio shows.
    const auto bad = std::find_if(name.begin(), name.end(), [](char c) {
        return c == kBackspace || !FilterAccepts(KeyFilter::Name, c);
    });
    return bad == name.end() ? std::nullopt : std::optional<char>(*bad);
}

bool NameTooLong(std::string_view name, std::size_t length) {
    return name.size() > length;
}

std::string StatusNameOf(std::string_view text) {
    return Trim(text).substr(0, kStatusNameLength);
}

} // namespace klt
