#pragma once
// Marine identities: whether a number of the right length is the kind of identity its place asks for,
// and the country its Maritime Identification Digits (MID) are allocated to. A wrong kind or an
// unallocated MID is a warning the user may accept; a wrong length is refused elsewhere (number_rules).

#include <optional>
#include <string>
#include <string_view>

namespace klt {

// The country of an allocated MID ("366": "United States of America"); nothing when unallocated.
std::optional<std::string_view> CountryOfMid(std::string_view mid);

// The country a number's MID names, or nothing: a ship station's MID is its first three digits, a
// coast station's follows "00", a group's follows its "0", an ATIS code's follows its "9".
std::optional<std::string_view> CountryOfMmsi(std::string_view nineDigits);
std::optional<std::string_view> CountryOfAtisCode(std::string_view tenDigits);

// What is wrong with a number of the right length for its place, as a sentence; nothing when it is
// the kind asked for with an allocated MID.
// The radio's own MMSI: a ship station, first digit 2 to 7.
std::optional<std::string> UserMmsiWarning(std::string_view nineDigits);
// An individual directory entry: a ship station, or a coast station ("00" + MID).
std::optional<std::string> IndividualMmsiWarning(std::string_view nineDigits);
// A group directory entry: the eight digits typed (stored behind a "0") begin with a MID.
std::optional<std::string> GroupMmsiWarning(std::string_view eightDigits);
// An ATIS code: "9", a MID, six digits.
std::optional<std::string> AtisCodeWarning(std::string_view tenDigits);

// A number as people read it with its country: "366123456 - United States of America".
std::string MmsiWithCountry(std::string_view nineDigits);

} // namespace klt
