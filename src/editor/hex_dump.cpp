#include "editor/hex_dump.h"

#include "model/byte_bits.h"

namespace klt {

std::vector<std::string> HexDumpLines(const RadioImage &image) {
    std::string header(6, ' ');
    std::string separator = " ---- ";
    for (unsigned c = 0; c < 16; ++c) {
        header += " " + HexDigits(c, 2);
        separator += " --";
    }
    std::vector<std::string> lines = {header, separator};
    for (Address row = 0; row <= image.endAddress(); row += 16) {
        std::string line = " " + HexDigits(row, 4) + ":";
        for (Address a = row; a < row + 16 && a <= image.endAddress(); ++a) {
            line += " " + HexDigits(image.at(a), 2);
        }
        lines.push_back(line);
    }
    return lines;
}

} // namespace klt
