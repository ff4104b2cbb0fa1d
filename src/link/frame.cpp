#include "link/frame.h"

#include "model/byte_bits.h"

#include <charconv>

namespace klt {

std::vector<std::uint8_t> BuildFrame(std::string_view command, std::string_view p1, std::string_view p2,
                                     std::string_view p3) {
    std::string text(command);
    text += '\t';
    for (const std::string_view parameter : {p1, p2, p3}) {
        if (!parameter.empty()) {
            text += parameter;
            text += '\t';
        }
    }
    text += Hex2(XorChecksum(text));
    text += "\r\n";
    return {text.begin(), text.end()};
}

std::uint8_t XorChecksum(std::string_view text) {
    std::uint8_t sum = 0;
    for (const char c : text) {
        sum ^= static_cast<std::uint8_t>(c);
    }
    return sum;
}

bool VerifyLineChecksum(std::string_view line) {
    if (line.size() <= 2) {
        return false;
    }
    const std::string_view digits = line.substr(line.size() - 2);
    unsigned expected = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + 2, expected, 16);
    if (error != std::errc{} || end != digits.data() + 2) {
        return false;
    }
    return XorChecksum(line.substr(0, line.size() - 2)) == expected;
}

std::string Hex4(unsigned value) {
    return HexDigits(value, 4);
}

std::string Hex2(unsigned value) {
    return HexDigits(value, 2);
}

std::vector<std::string> SplitTabs(std::string_view text) {
    std::vector<std::string> pieces;
    for (;;) {
        const auto tab = text.find('\t');
        pieces.emplace_back(text.substr(0, tab));
        if (tab == std::string_view::npos) {
            return pieces;
        }
        text.remove_prefix(tab + 1);
    }
}

} // namespace klt
