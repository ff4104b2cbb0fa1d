#pragma once
// The program's copy of the radio's 32 KiB memory and its whole-image operations.

#include "model/image_layout.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>

namespace klt {

using Address = layout::Address;

// One byte array, addresses 0x0000 to 0x7FFF. Every access is checked: an address outside the
// memory is a program error (std::out_of_range), never wrapped.
class RadioImage {
public:
    static constexpr std::size_t kSize = layout::kImageSize;

    RadioImage() { bytes_.fill(0xFF); }

    std::uint8_t at(Address address) const;
    void set(Address address, std::uint8_t value);

    // Big-endian 16-bit value at address and address + 1.
    std::uint16_t be16(Address address) const;
    void setBe16(Address address, std::uint16_t value);

    Address endAddress() const { return end_; }
    void setEndAddress(Address end) { end_ = end; }

    std::span<const std::uint8_t, kSize> bytes() const { return bytes_; }
    std::span<std::uint8_t, kSize> bytes() { return bytes_; }

    bool operator==(const RadioImage &other) const = default;

private:
    std::array<std::uint8_t, kSize> bytes_{};
    Address end_ = layout::kImageEnd;
};

// The big-endian 16-bit value at index and index + 1 of a byte sequence (an image, or bytes read
// from a file or the radio).
std::uint16_t Be16At(std::span<const std::uint8_t> bytes, std::size_t index);

// Fills the image with 0xFF and sets the end address.
void ImageClear(RadioImage &image);

// Writes the code big-endian at the start and at the end of the image.
void ImageStampModelCode(RadioImage &image, std::uint16_t code);

struct ModelCodePair {
    Address head;
    Address tail;
};
ModelCodePair ModelCodeAddresses(const RadioImage &image);

// True when the file at path has exactly the image's length.
bool FileHoldsImage(const std::filesystem::path &path, const RadioImage &image);

// Low 8 bits of the sum of count bytes from start.
std::uint8_t ImageChecksum(const RadioImage &image, Address start, Address count);

// Writes the checksum of the radio data into its byte, as the program does before every hex save and
// every write to the radio.
void ImageStoreChecksum(RadioImage &image);

// Copies source[i] into target[i] for every index of target; the source must be at least as long.
void CopyByteArray(std::span<std::uint8_t> target, std::span<const std::uint8_t> source);

} // namespace klt
