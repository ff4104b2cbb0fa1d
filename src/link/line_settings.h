#pragma once
// A serial line's settings as the link names them: "57600,N,8,1" (baud, parity, data bits, stop bits).

#include <optional>
#include <string>

namespace klt {

struct LineSettings {
    int baud = 0;
    char parity = 'N'; // N, E, O, M or S
    int dataBits = 8;  // 5 to 8
    int stopBits = 1;  // 1 or 2
};

// nullopt when the string is not four such fields.
std::optional<LineSettings> ParseLineSettings(const std::string &settings);

std::string LineSettingsText(const LineSettings &line);

} // namespace klt
