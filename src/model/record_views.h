#pragma once
// Views over the repeated records of the radio image: each knows where its record starts and reads
// and writes the record's fields by the names of the memory map. A view over a const image only
// reads; its setters do not compile.

#include "model/byte_bits.h"
#include "model/digits_codec.h"
#include "model/freq_codec.h"
#include "model/image_layout.h"
#include "model/name_codec.h"
#include "model/radio_image.h"
#include "model/value_codecs.h"

#include <string>
#include <string_view>

namespace klt {

// The common part of every view: the image, the record's base, and typed access by offset.
template <typename Image> class RecordView {
public:
    Address base() const { return base_; }

protected:
    RecordView(Image &image, Address base) : image_(image), base_(base) {}

    std::uint8_t byte(Address offset) const { return image_.at(base_ + offset); }
    void setByte(Address offset, std::uint8_t value) { image_.set(base_ + offset, value); }
    bool flag(Address offset) const { return byte(offset) != 0; }
    void setFlag(Address offset, bool value) { setByte(offset, BoolToByte(value)); }
    std::uint16_t be16(Address offset) const { return image_.be16(base_ + offset); }
    void setChannelRef(Address offset, std::int32_t reference) {
        const auto bytes = ChannelRefToBytes(reference);
        setByte(offset, bytes[0]);
        setByte(offset + 1, bytes[1]);
    }
    std::string name(Address offset, Address length) const {
        return ImageReadName(image_, base_ + offset, length);
    }
    std::string chars(Address offset, Address length) const {
        return ImageReadChars(image_, base_ + offset, length);
    }
    void setText(Address offset, std::string_view text, Address length) {
        ImageWriteText(image_, base_ + offset, text, length);
    }
    std::string digits(Address offset) const { return Bcd5ToDigits(image_, base_ + offset); }
    void setDigits(Address offset, std::string_view digits, bool clearLastNibble) {
        DigitsToBcd5(image_, base_ + offset, digits, clearLastNibble);
    }
    double freq(Address offset) const { return BcdToFreq(image_, base_ + offset); }
    void setFreq(Address offset, double mhz) { ImageWriteFreq(image_, base_ + offset, mhz); }

private:
    Image &image_;
    Address base_;
};

// The block of group 0 to 3: usable, DSC, status name, ATIS.
template <typename Image> class GroupBlockView : public RecordView<Image> {
    using L = layout::GroupBlock;

public:
    GroupBlockView(Image &image, int group) : RecordView<Image>(image, L::At(group)) {}

    bool usable() const { return this->flag(L::kUsable); }
    void setUsable(bool value) { this->setFlag(L::kUsable, value); }
    bool dsc() const { return this->flag(L::kDsc); }
    void setDsc(bool value) { this->setFlag(L::kDsc, value); }
    std::string statusName() const { return this->name(L::kStatusName, L::kStatusNameLength); }
    void setStatusName(std::string_view text) { this->setText(L::kStatusName, text, L::kStatusNameLength); }
    bool atis() const { return this->flag(L::kAtis); }
    void setAtis(bool value) { this->setFlag(L::kAtis, value); }
    // The factory's word after the status name, one character a byte.
    void setFactoryWord(std::string_view word) {
        for (Address i = 0; i < word.size(); ++i) {
            this->setByte(L::kFactoryWord + i, static_cast<std::uint8_t>(word[i]));
        }
    }
};

// The priority and second priority channel of plan group 0 to 2.
template <typename Image> class PriorityView : public RecordView<Image> {
    using L = layout::PriorityRecord;

public:
    PriorityView(Image &image, int group) : RecordView<Image>(image, L::At(group)) {}

    std::uint16_t priority() const { return this->be16(L::kPriority); }
    void setPriority(std::int32_t reference) { this->setChannelRef(L::kPriority, reference); }
    std::uint16_t second() const { return this->be16(L::kSecond); }
    void setSecond(std::int32_t reference) { this->setChannelRef(L::kSecond, reference); }
};

// One DSC call category: entries 0 to 3 and their TX entries.
template <typename Image> class DscCallCategoryView : public RecordView<Image> {
    using L = layout::CallCategoryBits;

public:
    DscCallCategoryView(Image &image, int category) : RecordView<Image>(image, L::At(category)) {}

    bool value(int entry) const { return ByteGetBit(this->byte(0), L::kFirstValueBit - entry) == 1; }
    bool tx(int entry) const { return ByteGetBit(this->byte(0), L::kFirstTxBit - entry) == 1; }
    // The whole byte: every entry is written.
    template <typename Flags> void set(const Flags &values, const Flags &txs) {
        std::uint8_t byte = 0;
        for (int e = 0; e < L::kEntries; ++e) {
            const auto i = static_cast<std::size_t>(e);
            byte = ByteSetBit(byte, BoolToByte(values[i]), L::kFirstValueBit - e);
            byte = ByteSetBit(byte, BoolToByte(txs[i]), L::kFirstTxBit - e);
        }
        this->setByte(0, byte);
    }
};

// The 16-byte block of expansion channel index 0 to 63.
template <typename Image> class ExpansionBlockView : public RecordView<Image> {
    using L = layout::ExpansionBlock;

public:
    ExpansionBlockView(Image &image, int index) : RecordView<Image>(image, L::At(index)) {}

    std::uint8_t groups() const { return this->byte(L::kGroups); }
    void setGroups(std::uint8_t value) { this->setByte(L::kGroups, value); }
    std::uint8_t flags() const { return this->byte(L::kFlags); }
    void setFlags(std::uint8_t value) { this->setByte(L::kFlags, value); }
    std::string displayL() const { return this->chars(L::kDisplayL, L::kDisplayLLength); }
    std::string displayR() const { return this->chars(L::kDisplayR, 1); }
    // A 2-character text fills both bytes, a 1-character text the first; anything else leaves both
    // absent (255).
    void setDisplayL(std::string_view text) {
        const bool fits = text.size() == 1 || text.size() == 2;
        this->setByte(L::kDisplayL, fits ? NameCharToByte(text[0]) : kAbsentChar);
        this->setByte(L::kDisplayL + 1, text.size() == 2 ? NameCharToByte(text[1]) : kAbsentChar);
    }
    void setDisplayR(std::string_view text) {
        this->setByte(L::kDisplayR, text.size() == 1 ? NameCharToByte(text[0]) : kAbsentChar);
    }
    double rxFreq() const { return this->freq(L::kRxFreq); }
    void setRxFreq(double mhz) { this->setFreq(L::kRxFreq, mhz); }
    double txFreq() const { return this->freq(L::kTxFreq); }
    void setTxFreq(double mhz) { this->setFreq(L::kTxFreq, mhz); }
};

// Entry index of a station directory: its number and its name.
template <typename Image> class DirectoryEntryView : public RecordView<Image> {
    using L = layout::DirectoryRecord;

public:
    DirectoryEntryView(Image &image, layout::Directory directory, int index)
        : RecordView<Image>(image, L::At(directory, index)) {}

    std::string mmsi() const { return this->digits(L::kMmsi); }
    void setMmsi(std::string_view digits) { this->setDigits(L::kMmsi, digits, true); }
    std::string tagName() const { return this->name(L::kName, L::kNameLength); }
    void setTagName(std::string_view text) { this->setText(L::kName, text, L::kNameLength); }
};

// Channel n of a channel table: its bits in the two bitmaps, its name, and the first byte of its
// flag pair (plan tables only).
template <typename Image> class ChannelView {
public:
    ChannelView(Image &image, layout::ChannelTable table, int n) : image_(image), table_(table), n_(n) {}

    bool enabled() const { return BitmapEntry(image_, table_.enableBitmap, n_); }
    bool scanMemory() const { return BitmapEntry(image_, table_.scanBitmap, n_); }
    std::string name() const { return ImageReadName(image_, table_.Name(n_), layout::kChannelNameLength); }
    void setName(std::string_view text) {
        ImageWriteText(image_, table_.Name(n_), text, layout::kChannelNameLength);
    }
    std::uint8_t flags() const { return image_.at(table_.FlagPair(n_)); }
    void setFlags(std::uint8_t value) { image_.set(table_.FlagPair(n_), value); }

private:
    Image &image_;
    layout::ChannelTable table_;
    int n_;
};

// The eight channel references the radio keeps for plan group 0 to 2.
template <typename Image> class RadioChannelSlotsView {
    using L = layout::RadioChannelSlots;

public:
    RadioChannelSlotsView(Image &image, int group) : image_(image), group_(group) {}

    std::uint16_t slot(int s) const { return image_.be16(L::At(group_, s)); }
    void setSlot(int s, std::uint16_t reference) { image_.setBe16(L::At(group_, s), reference); }

private:
    Image &image_;
    int group_;
};

} // namespace klt
