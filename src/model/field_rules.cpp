#include "model/field_rules.h"

#include <string_view>

namespace klt {

namespace {

constexpr std::string_view kDisplayCharacters = "0123456789AbCdEFHLnPtUGIJoqrSyM";
constexpr std::string_view kNameMarks = "-/*()+., ";
constexpr std::string_view kStatusMarks = "-+().*/ ";

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsOneOf(std::string_view set, char c) {
    return set.find(c) != std::string_view::npos;
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

} // namespace klt
