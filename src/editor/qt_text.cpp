#include "editor/qt_text.h"

#include <array>

namespace klt {

namespace {

// 0x80 to 0x9F; 0 where Windows-1252 leaves the byte undefined (it then reads as its Latin-1 control).
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t Decode(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0 && kHighControls[byte - 0x80] != 0) {
        return kHighControls[byte - 0x80];
    }
    return byte;
}

char Encode(char16_t unit) {
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] != 0 && kHighControls[i] == unit) {
            return static_cast<char>(0x80 + i);
        }
    }
    const bool undefinedHigh = unit >= 0x80 && unit < 0xA0 && kHighControls[unit - 0x80] != 0;
    return unit < 0x100 && !undefinedHigh ? static_cast<char>(unit) : '?';
}

} // namespace

QString ToQString(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char byte : bytes) {
        text.append(QChar(Decode(static_cast<unsigned char>(byte))));
    }
    return text;
}

std::string FromQString(const QString &text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        bytes.push_back(Encode(c.unicode()));
    }
    return bytes;
}

} // namespace klt
