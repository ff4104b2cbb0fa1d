#include "model/field_rules.h"

#include "model/text_format.h"

#include <cmath>

namespace klt {

namespace {

constexpr std::string_view kDisplayCharacters = "0123456789AbCdEFHLnPtUGIJoqrSyM";
constexpr std::string_view kNameMarks = "-/*()+., ";
constexpr std::string_view kStatusMarks = "-+().*/ ";
constexpr double kLowestMhz = 137.0;
constexpr double kHighestMhz = 174.0;
constexpr long kRasterSteps = 250; // 25 kHz in steps of 100 Hz

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsOneOf(std::string_view set, char c) {
    return set.find(c) != std::string_view::npos;
}

std::size_t Length(NumberKind kind) {
    return kind == NumberKind::AtisCode ? 10 : kind == NumberKind::GroupMmsi ? 8 : 9;
}

} // namespace

bool FilterAccepts(KeyFilter filter, char key) {
    switch (filter) {
    case KeyFilter::Digits:
        return IsDigit(key) || key == kBackspace;
    case KeyFilter::Frequency:
        return IsDigit(key) || key == '.' || key == kBackspace;
    case KeyFilter::DisplayCharacters:
        return IsOneOf(kDisplayCharacters, key);
    case KeyFilter::Name:
        return IsDigit(key) || IsLetter(key) || IsOneOf(kNameMarks, key) || key == kBackspace;
    case KeyFilter::StatusName:
        return IsDigit(key) || IsLetter(key) || IsOneOf(kStatusMarks, key) || key == kBackspace;
    case KeyFilter::None:
        return true;
    }
    return false;
}

std::optional<double> CheckedFrequency(std::string_view text) {
    const double mhz = LeadingNumber(text);
    if (mhz >= kLowestMhz && mhz <= kHighestMhz) {
        const auto steps = std::lround(mhz * 10000.0);
        return steps % kRasterSteps == 0 ? std::optional<double>(mhz) : std::nullopt;
    }
    return text.empty() ? std::optional<double>(0.0) : std::nullopt;
}

std::string StatusNameOf(std::string_view text) {
    return Trim(text).substr(0, 4);
}

std::optional<std::string> FixedLengthValue(std::string_view text, NumberKind kind) {
    const std::string trimmed = Trim(text);
    if (trimmed.empty()) {
        return std::string();
    }
    // Only digits: a pasted letter would reach the radio as a broken digit.
    if (trimmed.size() != Length(kind) || trimmed.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    switch (kind) {
    case NumberKind::AtisCode:
        return trimmed;
    case NumberKind::GroupMmsi:
        return "0" + trimmed + "0";
    case NumberKind::Mmsi:
        return trimmed + "0";
    }
    return std::nullopt;
}

} // namespace klt
