// Each record view against the addresses the radio's memory map gives, written out by hand: the
// last record of every array, so that a wrong base, stride or offset shows.

#include "model/image_layout.h"
#include "model/record_views.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

namespace klt {
namespace {

// The image after a fill with 0xFF, with every byte that differs listed.
std::map<Address, std::uint8_t> Changed(const RadioImage &image) {
    std::map<Address, std::uint8_t> changed;
    for (Address a = 0; a < RadioImage::kSize; ++a) {
        if (image.at(a) != 0xFF) {
            changed[a] = image.at(a);
        }
    }
    return changed;
}

TEST(RecordViews, GroupBlockAndPriorityChannels) {
    RadioImage image;
    GroupBlockView block(image, 3);
    block.setUsable(false);
    block.setDsc(false);
    block.setStatusName("EX");
    block.setAtis(false);
    EXPECT_EQ(Changed(image),
              (std::map<Address, std::uint8_t>{{240, 0}, {241, 0}, {242, 'E'}, {243, 'X'}, {255, 0}}));
    EXPECT_EQ(layout::kExpGroupUsable, 240u);
    EXPECT_EQ(GroupBlockView(std::as_const(image), 3).statusName(), "EX");

    RadioImage words;
    GroupBlockView(words, 2).setFactoryWord("RAM2");
    EXPECT_EQ(Changed(words),
              (std::map<Address, std::uint8_t>{{230, 'R'}, {231, 'A'}, {232, 'M'}, {233, '2'}}));

    RadioImage priorities;
    PriorityView priority(priorities, 2);
    priority.setPriority(0x0102);
    priority.setSecond(-1);
    EXPECT_EQ(Changed(priorities), (std::map<Address, std::uint8_t>{{100, 0x01}, {101, 0x02}}));
    EXPECT_EQ(priority.second(), 0xFFFF); // none: 0xFF 0xFF at 106 and 107
    EXPECT_EQ(priority.priority(), 0x0102);
}

TEST(RecordViews, RadioSlotsAndCallCategories) {
    RadioImage image;
    RadioChannelSlotsView(image, 2).setSlot(7, 0x0123);
    const std::array<bool, 4> values = {true, false, false, false};
    const std::array<bool, 4> txs = {false, false, false, true};
    DscCallCategoryView(image, 4).set(values, txs);
    EXPECT_EQ(Changed(image), (std::map<Address, std::uint8_t>{{334, 0x01}, {335, 0x23}, {436, 0x81}}));
    const DscCallCategoryView category(std::as_const(image), 4);
    EXPECT_TRUE(category.value(0));
    EXPECT_FALSE(category.value(3));
    EXPECT_TRUE(category.tx(3));
}

TEST(RecordViews, ExpansionBlock) {
    RadioImage image;
    ExpansionBlockView block(image, 63);
    block.setGroups(0x0E);
    block.setFlags(0xC1);
    block.setDisplayL("9");
    block.setDisplayR("A");
    block.setRxFreq(156.8);
    block.setTxFreq(161.725);
    EXPECT_EQ(Changed(image), (std::map<Address, std::uint8_t>{{0x11F0, 0x0E},
                                                               {0x11F1, 0xC1},
                                                               {0x11F2, '9'},
                                                               {0x11F4, 'A'},
                                                               {0x11F5, 0x56},
                                                               {0x11F6, 0x80},
                                                               {0x11F7, 0x00},
                                                               {0x11F8, 0x61},
                                                               {0x11F9, 0x72},
                                                               {0x11FA, 0x50}}));
    EXPECT_EQ(block.displayL(), "9");
    EXPECT_DOUBLE_EQ(block.txFreq(), 161.725);
}

TEST(RecordViews, DirectoryEntriesFillTheirAreasExactly) {
    RadioImage image;
    DirectoryEntryView(image, layout::kIndividualDirectory, 79).setTagName("LAST ONE");
    DirectoryEntryView(image, layout::kGroupDirectory, 31).setMmsi("036612345");
    const auto changed = Changed(image);
    EXPECT_EQ(changed.begin()->first, 0x4BF5u); // the name of individual entry 80
    EXPECT_EQ(changed.at(0x4BFC), 'E');
    EXPECT_EQ(changed.at(0x50F0), 0x03); // the number of group entry 32
    EXPECT_EQ(changed.at(0x50F4), 0x50); // its tenth nibble cleared
    EXPECT_EQ(layout::DirectoryRecord::At(layout::kIndividualDirectory, 79) + 15,
              layout::kIndividualDirectoryArea.last);
    EXPECT_EQ(layout::DirectoryRecord::At(layout::kGroupDirectory, 31) + 15,
              layout::kGroupDirectoryArea.last);
}

TEST(RecordViews, ChannelTables) {
    RadioImage image;
    image.set(0x0560 + 29, 0x01); // Canada's enable bitmap, channel 239
    image.set(0x0660 + 29, 0xFE); // ... and its scan bitmap
    image.set(0x0591, 0x40);      // the weather enable bitmap, channel 9
    ChannelView canada(image, layout::kPlanTables[2], 239);
    canada.setName("LAST");
    canada.setFlags(0x40);
    EXPECT_TRUE(canada.enabled());
    EXPECT_FALSE(canada.scanMemory());
    EXPECT_EQ(image.at(0x3FF0), 'L');
    EXPECT_EQ(image.at(0x0DDE), 0x40);
    EXPECT_EQ(image.at(0x0DDF), 0xFF); // the second byte of the pair is not the channel's
    const ChannelView weather(std::as_const(image), layout::kWeatherTable, 9);
    EXPECT_TRUE(weather.enabled());
    ChannelView(image, layout::kWeatherTable, 9).setName("WX10");
    EXPECT_EQ(image.at(0x4090), 'W');
    ChannelView(image, layout::kExpTable, 63).setName("E64");
    EXPECT_EQ(image.at(0x4100 + 63 * 16 + 2), '4');
}

} // namespace
} // namespace klt
