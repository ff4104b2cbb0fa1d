#include "files/settings_file_format.h"

#include "model/text_format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
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
    // A number too long for a double is no number: it would come back as infinity.
    const double value = std::strtod(number.c_str(), nullptr);
    return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
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
    char text[64];
    std::snprintf(text, sizeof text, "%.15g", value);
    if (std::string(text).find('e') != std::string::npos) {
        std::snprintf(text, sizeof text, "%.15f", value);
        std::string fixed = text;
        while (fixed.back() == '0') {
            fixed.pop_back();
        }
        if (fixed.back() == '.') {
            fixed.pop_back();
        }
        return fixed;
    }
    return text;
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
