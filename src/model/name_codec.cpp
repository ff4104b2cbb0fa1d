#include "model/name_codec.h"

#include <string_view>

namespace klt {

bool IsNameChar(char c) {
    static constexpr std::string_view kPunctuation = "-+().*/, ";
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
           kPunctuation.find(c) != std::string_view::npos;
}

std::uint8_t NameCharToByte(char c) {
    return IsNameChar(c) ? static_cast<std::uint8_t>(c) : kAbsentChar;
}

std::string NameByteToChar(std::uint8_t byte) {
    const auto c = static_cast<char>(byte);
    return byte < 0x80 && IsNameChar(c) ? std::string(1, c) : std::string();
}

void ImageWriteText(RadioImage &image, Address address, std::string_view text, Address length) {
    for (Address i = 0; i < length; ++i) {
        image.set(address + i, i < text.size() ? NameCharToByte(text[i]) : kAbsentChar);
    }
}

std::string ImageReadName(const RadioImage &image, Address address, Address length) {
    std::string name;
    for (Address i = 0; i < length; ++i) {
        const std::string c = NameByteToChar(image.at(address + i));
        if (c.empty()) {
            break;
        }
        name += c;
    }
    while (!name.empty() && name.back() == ' ') {
        name.pop_back();
    }
    return name;
}

std::string ImageReadChars(const RadioImage &image, Address address, Address length) {
    std::string chars;
    for (Address i = 0; i < length; ++i) {
        chars += NameByteToChar(image.at(address + i));
    }
    return chars;
}

} // namespace klt
