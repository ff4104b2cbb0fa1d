#include "line_log.h"

#include <cstdio>

namespace klt::sim {

std::string EscapeBytes(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (const std::uint8_t byte : bytes) {
        switch (byte) {
        case '\t':
            text += "\\t";
            break;
        case '\r':
            text += "\\r";
            break;
        case '\n':
            text += "\\n";
            break;
        case '\\':
            text += "\\\\";
            break;
        default:
            if (byte >= 0x20 && byte < 0x7F) {
                text.push_back(static_cast<char>(byte));
            } else {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
                text += escaped;
            }
        }
    }
    return text;
}

void LineLog::write(bool fromPc, std::span<const std::uint8_t> bytes) {
    // A message holds at most one LF, at its end, so each message is one line.
    out_ << (fromPc ? "PC> " : "RADIO> ") << EscapeBytes(bytes) << '\n' << std::flush;
}

} // namespace klt::sim
