#include "files/settings_file_format.h"

#include "model/text_format.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace klt::settings_file {

namespace {

// A whole text that is a decimal number: sign, digits, one "." or "," and digits.
std::optional<double> ToNumber(std::string_view text) {
    std::string number = Trim(text);
    std::size_t digits = 0;
    bool separator = false;
    for (std::size_t i = 0; i < number.size(); ++i) {
        char &c = number[i];
        if (c >= '0' && c <= '9') {
            ++digits;
        } else if ((c == '.' || c == ',') && !separator) {
            separator = true;
            c = '.';
        } else if (!((c == '-' || c == '+') && i == 0)) {
            return std::nullopt;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    // std::from_chars reads "." whatever the user's locale says; strtod would stop at it under a
    // decimal-comma locale. A number too long for a double is no number.
    const char *first = number.data() + (number.starts_with('+') ? 1 : 0);
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, number.data() + number.size(), value);
    if (error != std::errc{} || end != number.data() + number.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// Whole numbers round half to even, as the program always converted them.
template <typename Int> std::optional<Int> ToInteger(std::string_view text) {
    const auto number = ToNumber(text);
    if (!number) {
        return std::nullopt;
    }
    const double rounded = std::nearbyint(*number);
    if (rounded < std::numeric_limits<Int>::min() || rounded > std::numeric_limits<Int>::max()) {
        return std::nullopt;
    }
    return static_cast<Int>(rounded);
}

} // namespace

std::string Indexed(std::string_view name, int index) {
    return std::string(name) + " " + std::to_string(index);
}

std::string Flag(bool value) {
    return value ? "1" : "0";
}

std::string TruthWord(bool value) {
    return value ? "True" : "False";
}

std::string Real(double value) {
    // std::to_chars writes "." in every locale, as the file needs. 15 significant digits as the file
    // always had; a value that would need an exponent is written out in full, in the shortest form
    // that reads back the same (room for the widest double, 309 digits).
    char text[400];
    const auto general = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 15);
    if (std::string_view(text, general.ptr).find('e') == std::string_view::npos) {
        return {text, general.ptr};
    }
    const auto fixed = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    return {text, fixed.ptr};
}

std::optional<bool> ToBool(std::string_view text) {
    const std::string word = Trim(text);
    if (EqualsIgnoreCase(word, "True")) {
        return true;
    }
    if (EqualsIgnoreCase(word, "False")) {
        return false;
    }
    const auto number = ToNumber(word);
    return number ? std::optional<bool>(*number != 0.0) : std::nullopt;
}

std::optional<std::int16_t> ToInt16(std::string_view text) {
    return ToInteger<std::int16_t>(text);
}

std::optional<std::int32_t> ToInt32(std::string_view text) {
    return ToInteger<std::int32_t>(text);
}

std::optional<double> ToReal(std::string_view text) {
    return ToNumber(text);
}

} // namespace klt::settings_file
