#include "model/radio_image.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <system_error>
#include <utility>

namespace klt {

namespace {

void CheckAddress(Address address) {
    if (address >= RadioImage::kSize) {
        throw std::out_of_range("radio image address " + std::to_string(address) + " is outside the memory");
    }
}

} // namespace

std::uint8_t RadioImage::at(Address address) const {
    CheckAddress(address);
    return bytes_[address];
}

void RadioImage::set(Address address, std::uint8_t value) {
    CheckAddress(address);
    bytes_[address] = value;
}

std::uint16_t RadioImage::be16(Address address) const {
    return static_cast<std::uint16_t>(at(address) << 8 | at(address + 1));
}

void RadioImage::setBe16(Address address, std::uint16_t value) {
    set(address, static_cast<std::uint8_t>(value >> 8));
    set(address + 1, static_cast<std::uint8_t>(value & 0xFF));
}

void ImageClear(RadioImage &image) {
    std::ranges::fill(image.bytes(), std::uint8_t{0xFF});
    image.setEndAddress(layout::kImageEnd);
}

void ImageStampModelCode(RadioImage &image, std::uint16_t code) {
    image.setBe16(layout::kModelCodeHead, code);
    image.setBe16(image.endAddress() - 1, code);
}

ModelCodePair ModelCodeAddresses(const RadioImage &image) {
    return {layout::kModelCodeHead, image.endAddress() - 1};
}

bool FileHoldsImage(const std::filesystem::path &path, const RadioImage &image) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    return !error && size == image.endAddress() + 1u;
}

std::uint8_t ImageChecksum(const RadioImage &image, Address start, Address count) {
    unsigned sum = 0;
    for (Address a = start; a < start + count; ++a) {
        sum += image.at(a);
    }
    return static_cast<std::uint8_t>(sum & 0xFF);
}

void ImageStoreChecksum(RadioImage &image) {
    image.set(layout::kChecksum, ImageChecksum(image, layout::kChecksumStart, layout::kChecksumCount));
}

void CopyByteArray(std::span<std::uint8_t> target, std::span<const std::uint8_t> source) {
    if (source.size() < target.size()) {
        throw std::out_of_range("CopyByteArray: the source is shorter than the target");
    }
    std::copy_n(source.begin(), target.size(), target.begin());
}

void ImageWriteDefaultBytes(RadioImage &image) {
    // The factory bytes of a new radio memory: current channel 15 (reference 30) twice, priority
    // channel 16 (reference 32) and second priority channel 09 (reference 18) in all three groups,
    // empty weather and expansion bitmaps, no user MMSI and no ATIS code.
    static constexpr std::pair<Address, std::uint8_t> kDefaults[] = {
        {2, 0},   {3, 0},    {33, 0},   {34, 0},   {35, 0},   {36, 30},   {37, 0},   {38, 30},  {39, 0},
        {40, 0},  {41, 0},   {47, 0},   {48, 0},   {57, 3},   {58, 0},    {59, 0},   {65, 255}, {96, 0},
        {97, 32}, {98, 0},   {99, 32},  {100, 0},  {101, 32}, {102, 0},   {103, 18}, {104, 0},  {105, 18},
        {106, 0}, {107, 18}, {432, 96}, {433, 16}, {434, 16}, {437, 254}, {421, 0},  {427, 0},
    };
    for (const auto &[address, value] : kDefaults) {
        image.set(address, value);
    }
    for (Address a = 416; a <= 420; ++a) {
        image.set(a, 255);
    }
    for (Address a = 422; a <= 426; ++a) {
        image.set(a, 255);
    }
    for (Address a = 1428; a <= 1435; ++a) {
        image.set(a, 0);
    }
    for (Address a = 1684; a <= 1691; ++a) {
        image.set(a, 0);
    }
    const auto writeWord = [&image](Address address, const char *word) {
        for (; *word != '\0'; ++word, ++address) {
            image.set(address, static_cast<std::uint8_t>(*word));
        }
    };
    writeWord(198, "RADIO");
    writeWord(214, "RAM1");
    writeWord(230, "RAM2");
}

} // namespace klt
