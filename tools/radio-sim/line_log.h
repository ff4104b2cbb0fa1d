#pragma once
// The simulator's log: one line per message, "PC> " or "RADIO> " then the bytes, with TAB, CR, LF
// and other unprintable bytes escaped; a line ends after each LF.

#include <cstdint>
#include <ostream>
#include <span>
#include <string>

namespace klt::sim {

std::string EscapeBytes(std::span<const std::uint8_t> bytes);

class LineLog {
public:
    explicit LineLog(std::ostream &out) : out_(out) {}
    void write(bool fromPc, std::span<const std::uint8_t> bytes);

private:
    std::ostream &out_;
};

} // namespace klt::sim
