#include "model/decimal_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace klt {

std::int64_t ScaledRound(double value, int decimals) {
    if (!std::isfinite(value) || value == 0.0) {
        return 0;
    }
    // 15 significant digits: d.dddddddddddddde±xx. std::to_chars, not the C library's printf: under a
    // decimal-comma locale printf writes "1,56050000000000e+02" and the digits come out wrong.
    char text[40];
    const auto written =
        std::to_chars(text, text + sizeof text, std::fabs(value), std::chars_format::scientific, 14);
    const std::string_view formatted(text, static_cast<std::size_t>(written.ptr - text));
    const std::size_t e = formatted.find('e');
    std::string digits;
    for (const char c : formatted.substr(0, e)) {
        if (c != '.') {
            digits.push_back(c);
        }
    }
    const std::string_view exponentText = formatted.substr(e + 1);
    int exponent = 0;
    std::from_chars(exponentText.data() + (exponentText.starts_with('+') ? 1 : 0),
                    exponentText.data() + exponentText.size(), exponent);
    // The scaled value's integer part is the first (exponent + 1 + decimals) digits.
    const int keep = exponent + 1 + decimals;
    std::int64_t scaled = 0;
    for (int i = 0; i < keep && i < 18; ++i) {
        scaled = scaled * 10 +
                 (i < static_cast<int>(digits.size()) ? digits[static_cast<std::size_t>(i)] - '0' : 0);
    }
    if (keep >= 0 && keep < static_cast<int>(digits.size()) &&
        digits[static_cast<std::size_t>(keep)] >= '5') {
        ++scaled;
    }
    return value < 0 ? -scaled : scaled;
}

std::string FormatFixed(double value, int intDigits, int decimals) {
    const std::int64_t scaled = ScaledRound(value, decimals);
    std::string digits = std::to_string(scaled < 0 ? -scaled : scaled);
    const auto width = static_cast<std::size_t>(std::max(intDigits, 1) + std::max(decimals, 0));
    if (digits.size() < width) {
        digits.insert(0, width - digits.size(), '0');
    }
    if (decimals > 0) {
        digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, '.');
    }
    return scaled < 0 ? "-" + digits : digits;
}

} // namespace klt
