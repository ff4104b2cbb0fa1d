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

std::uint16_t Be16At(std::span<const std::uint8_t> bytes, std::size_t index) {
    if (index + 1 >= bytes.size()) {
        throw std::out_of_range("a 16-bit value at " + std::to_string(index) + " runs past the end");
    }
    return static_cast<std::uint16_t>(bytes[index] << 8 | bytes[index + 1]);
}

std::uint16_t RadioImage::be16(Address address) const {
    CheckAddress(address);
    return Be16At(bytes_, address);
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

} // namespace klt
