#pragma once
// The fixed-length numbers: a station's MMSI, a group's MMSI and the ATIS code. The radio stores an
// MMSI as ten digits: the nine typed and a "0"; a group's eight typed digits get a "0" in front as well.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace klt {

enum class NumberKind { Mmsi, GroupMmsi, AtisCode };

inline constexpr std::size_t kMmsiDigits = 9;
inline constexpr std::size_t kGroupMmsiDigits = 8;
inline constexpr std::size_t kAtisCodeDigits = 10;

// The digits a user types for a number of the kind.
std::size_t DigitCount(NumberKind kind);

// The stored text of an MMSI or ATIS code field, or nothing when it is refused: empty stays empty; a
// text of the kind's digits is kept in its stored form.
std::optional<std::string> FixedLengthValue(std::string_view text, NumberKind kind);

// Whether a stored number is empty or in its stored form.
bool StoredNumberValid(const std::string &stored, NumberKind kind);

// What an MMSI field shows of a stored MMSI: the nine digits typed, or a group's eight.
std::string MmsiFieldText(const std::string &stored, bool group);

// An MMSI as people read it: the nine digits of the stored ten (a group's begins with its "0").
std::string MmsiForPeople(const std::string &stored);

} // namespace klt
