#pragma once
// What a name may be: the characters the radio can show, and how many of them each kind of name
// holds (its width in the radio's memory).

#include "model/image_layout.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace klt {

inline constexpr std::size_t kChannelNameLength = layout::kChannelNameLength;
inline constexpr std::size_t kDirectoryNameLength = layout::DirectoryRecord::kNameLength;
inline constexpr std::size_t kStatusNameLength = layout::GroupBlock::kStatusNameLength;

// The first character of a name (in the radio's single-byte characters) that the radio cannot show.
std::optional<char> UnshowableNameCharacter(std::string_view name);

bool NameTooLong(std::string_view name, std::size_t length);

// A status name as stored: surrounding blanks removed, cut to its width.
std::string StatusNameOf(std::string_view text);

} // namespace klt
