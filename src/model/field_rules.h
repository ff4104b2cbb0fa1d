#pragma once
// The rules of the editor's text fields: which keys each accepts, and how a left field's text becomes
// a stored value or is refused.

#include <optional>
#include <string>
#include <string_view>

namespace klt {

enum class KeyFilter { Digits, Frequency, DisplayCharacters, Name, StatusName, None };

constexpr char kBackspace = 8;

// Whether a typed character reaches the field. The radio's seven-segment display can only show the
// display characters, in exactly their cases; it takes no Backspace either.
bool FilterAccepts(KeyFilter filter, char key);

// The frequency a text stands for, in MHz: 137 to 174 MHz on the 25 kHz raster, or 0 for an empty
// text; nothing when the text is refused.
std::optional<double> CheckedFrequency(std::string_view text);

// A status name as stored: surrounding blanks removed, cut to 4 characters.
std::string StatusNameOf(std::string_view text);

enum class NumberKind { Mmsi, GroupMmsi, AtisCode };
// The stored text of an MMSI or ATIS code field, or nothing when it is refused: empty stays empty; an
// MMSI is kept as its 9 digits and a "0", a group MMSI's 8 digits get a "0" in front as well.
std::optional<std::string> FixedLengthValue(std::string_view text, NumberKind kind);

} // namespace klt
