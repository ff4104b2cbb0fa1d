#include "model/number_rules.h"

#include "model/text_format.h"

#include <algorithm>

namespace klt {

namespace {

bool AllDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

std::size_t DigitCount(NumberKind kind) {
    switch (kind) {
    case NumberKind::AtisCode:
        return kAtisCodeDigits;
    case NumberKind::GroupMmsi:
        return kGroupMmsiDigits;
    case NumberKind::Mmsi:
        break;
    }
    return kMmsiDigits;
}

std::optional<std::string> FixedLengthValue(std::string_view text, NumberKind kind) {
    const std::string trimmed = Trim(text);
    if (trimmed.empty()) {
        return std::string();
    }
    // Only digits: a pasted letter would reach the radio as a broken digit.
    if (trimmed.size() != DigitCount(kind) || !AllDigits(trimmed)) {
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

bool StoredNumberValid(const std::string &stored, NumberKind kind) {
    if (stored.empty()) {
        return true;
    }
    if (kind == NumberKind::AtisCode) {
        return stored.size() == kAtisCodeDigits && AllDigits(stored);
    }
    return stored.size() == kMmsiDigits + 1 && AllDigits(stored) && stored.back() == '0' &&
           (kind != NumberKind::GroupMmsi || stored.front() == '0');
}

std::string MmsiForPeople(const std::string &stored) {
    return stored.size() == kMmsiDigits + 1 ? stored.substr(0, kMmsiDigits) : stored;
}

std::string MmsiFieldText(const std::string &stored, bool group) {
    if (group) {
        return stored.size() > kGroupMmsiDigits ? stored.substr(1, kGroupMmsiDigits) : stored;
    }
    return stored.substr(0, kMmsiDigits);
}

} // namespace klt
