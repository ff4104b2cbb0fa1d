#include "model/freq_codec.h"

#include "model/decimal_format.h"

#include <cmath>

namespace klt {

namespace {

constexpr std::int64_t kBcdUnitsPerMhz = 10000; // 100 Hz steps

} // namespace

FreqBytes FreqToBcd(double mhz) {
    if (!(mhz > 100.0)) {
        return {0, 0, 0};
    }
    const std::int64_t units = ScaledRound(mhz - 100.0, 4);
    if (units >= 100 * kBcdUnitsPerMhz) {
        return {0, 0, 0};
    }
    FreqBytes bytes{};
    std::int64_t rest = units;
    for (int i = 2; i >= 0; --i) {
        const auto low = rest % 10;
        rest /= 10;
        const auto high = rest % 10;
        rest /= 10;
        bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(high << 4 | low);
    }
    return bytes;
}

void ImageWriteFreq(RadioImage &image, Address address, double mhz) {
    const FreqBytes bytes = FreqToBcd(mhz);
    for (Address i = 0; i < bytes.size(); ++i) {
        image.set(address + i, bytes[i]);
    }
}

double BcdToFreq(const FreqBytes &bytes) {
    std::int64_t units = 0;
    for (const std::uint8_t byte : bytes) {
        const int high = byte >> 4;
        const int low = byte & 0xF;
        if (high > 9 || low > 9) {
            return 0.0;
        }
        units = units * 100 + high * 10 + low;
    }
    if (units == 0) {
        return 0.0;
    }
    return static_cast<double>(100 * kBcdUnitsPerMhz + units) / static_cast<double>(kBcdUnitsPerMhz);
}

double BcdToFreq(const RadioImage &image, Address address) {
    return BcdToFreq(FreqBytes{image.at(address), image.at(address + 1), image.at(address + 2)});
}

void FreqSnap(double &mhz) {
    const std::int64_t units = std::llround(mhz * 10000.0);
    if (units % 50 == 0 || units % 125 == 0) {
        return;
    }
    const double steps = std::floor(mhz / 0.005);
    mhz = steps * 5.0 / 1000.0;
}

bool FreqIs25k(double mhz) {
    return std::llround(mhz * 10000.0) % 250 == 0;
}

std::string FreqText3(double mhz) {
    return mhz > 0.0 ? FormatFixed(mhz, 3, 3) : "---.---";
}

std::string FreqText3Unless(double mhz, bool suppress) {
    return suppress ? "---.---" : FreqText3(mhz);
}

std::string FreqText4(double &mhz) {
    if (!(mhz > 0.0)) {
        return "---.----";
    }
    FreqSnap(mhz);
    return FormatFixed(mhz, 3, 4);
}

} // namespace klt
