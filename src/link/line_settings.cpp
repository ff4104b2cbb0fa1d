#include "link/line_settings.h"

#include <charconv>
#include <sstream>
#include <vector>

namespace klt {

namespace {

std::optional<int> Number(const std::string &text) {
    int value = 0;
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc{} && stop == end ? std::optional<int>(value) : std::nullopt;
}

} // namespace

std::optional<LineSettings> ParseLineSettings(const std::string &settings) {
    std::vector<std::string> parts;
    std::stringstream in(settings);
    for (std::string part; std::getline(in, part, ',');) {
        parts.push_back(part);
    }
    if (parts.size() != 4 || parts[1].size() != 1 ||
        std::string("NEOMS").find(parts[1][0]) == std::string::npos) {
        return std::nullopt;
    }
    const auto baud = Number(parts[0]);
    const auto bits = Number(parts[2]);
    const auto stop = Number(parts[3]);
    if (!baud || *baud <= 0 || !bits || *bits < 5 || *bits > 8 || !stop || (*stop != 1 && *stop != 2)) {
        return std::nullopt;
    }
    return LineSettings{*baud, parts[1][0], *bits, *stop};
}

std::string LineSettingsText(const LineSettings &line) {
    return std::to_string(line.baud) + "," + line.parity + "," + std::to_string(line.dataBits) + "," +
           std::to_string(line.stopBits);
}

} // namespace klt
