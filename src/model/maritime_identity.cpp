#include "model/maritime_identity.h"

#include <algorithm>
#include <array>

namespace klt {

namespace {

struct Allocation {
    int mid;
    std::string_view country;
};

// From data/mid.csv: the MIDs the ITU has allocated, in ascending order.
constexpr Allocation kAllocations[] = {
#include "model/mid_table.inc"
};

int Number(std::string_view digits) {
    int value = 0;
    for (const char c : digits) {
        value = value * 10 + (c - '0');
    }
    return value;
}

bool AllDigits(std::string_view text) {
    return !text.empty() && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

std::string Quoted(std::string_view number) {
    return std::string(number);
}

std::optional<std::string> UnallocatedWarning(std::string_view number, std::string_view mid) {
    if (CountryOfMid(mid)) {
        return std::nullopt;
    }
    return Quoted(number) + ": " + std::string(mid) + " is no country's Maritime Identification Digits";
}

} // namespace

std::optional<std::string_view> CountryOfMid(std::string_view mid) {
    if (mid.size() != 3 || !AllDigits(mid)) {
        return std::nullopt;
    }
    const int wanted = Number(mid);
    const auto found = std::ranges::find(kAllocations, wanted, &Allocation::mid);
    return found != std::end(kAllocations) ? std::optional(found->country) : std::nullopt;
}

std::optional<std::string_view> CountryOfMmsi(std::string_view nineDigits) {
    if (nineDigits.size() != 9 || !AllDigits(nineDigits)) {
        return std::nullopt;
    }
    if (nineDigits.starts_with("00")) {
        return CountryOfMid(nineDigits.substr(2, 3)); // a coast station
    }
    if (nineDigits.starts_with('0')) {
        return CountryOfMid(nineDigits.substr(1, 3)); // a group
    }
    return CountryOfMid(nineDigits.substr(0, 3));
}

std::optional<std::string_view> CountryOfAtisCode(std::string_view tenDigits) {
    return tenDigits.size() == 10 && tenDigits.starts_with('9') ? CountryOfMid(tenDigits.substr(1, 3))
                                                                : std::nullopt;
}

std::optional<std::string> UserMmsiWarning(std::string_view nineDigits) {
    if (nineDigits.empty() || nineDigits[0] < '2' || nineDigits[0] > '7') {
        return Quoted(nineDigits) + " is not a ship station's MMSI (they begin with 2 to 7)";
    }
    return UnallocatedWarning(nineDigits, nineDigits.substr(0, 3));
}

std::optional<std::string> IndividualMmsiWarning(std::string_view nineDigits) {
    if (nineDigits.starts_with("00")) {
        return UnallocatedWarning(nineDigits, nineDigits.substr(2, 3));
    }
    if (nineDigits.empty() || nineDigits[0] < '2' || nineDigits[0] > '7') {
        return Quoted(nineDigits) +
               " is neither a ship station's MMSI (2 to 7 first) nor a coast station's (00 first)";
    }
    return UnallocatedWarning(nineDigits, nineDigits.substr(0, 3));
}

std::optional<std::string> GroupMmsiWarning(std::string_view eightDigits) {
    return UnallocatedWarning(eightDigits, eightDigits.substr(0, std::min<std::size_t>(3, eightDigits.size())));
}

std::optional<std::string> AtisCodeWarning(std::string_view tenDigits) {
    if (!tenDigits.starts_with('9')) {
        return Quoted(tenDigits) + " is not an ATIS code (they begin with 9)";
    }
    return UnallocatedWarning(tenDigits, tenDigits.substr(1, 3));
}

std::string MmsiWithCountry(std::string_view nineDigits) {
    const auto country = CountryOfMmsi(nineDigits);
    return country ? std::string(nineDigits) + " - " + std::string(*country) : std::string(nineDigits);
}

} // namespace klt
