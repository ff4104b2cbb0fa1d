#pragma once
// Names in the radio: one byte per character, restricted to the characters the radio displays,
// 255 for an absent or refused character. Texts in the core hold one byte per character.

#include "model/radio_image.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace klt {

// The byte of an absent character.
constexpr std::uint8_t kAbsentChar = 255;

bool IsNameChar(char c);
std::uint8_t NameCharToByte(char c);           // 255 when the radio cannot show it
std::string NameByteToChar(std::uint8_t byte); // empty when the radio cannot show it

// Writes exactly length bytes: the text's characters, 255 past its end; a longer text is cut.
void ImageWriteText(RadioImage &image, Address address, std::string_view text, Address length);

// Up to length characters, ending at the first absent one; trailing spaces removed.
std::string ImageReadName(const RadioImage &image, Address address, Address length);

// All shown characters of length bytes, skipping absent ones, untrimmed.
std::string ImageReadChars(const RadioImage &image, Address address, Address length);

} // namespace klt
