#include "model/factory_defaults.h"

#include "model/record_views.h"
#include "model/records.h"

namespace klt {

namespace {

using namespace layout;

// Channel references of the factory's choice: 15, 16 and 09.
constexpr std::int32_t kChannel15 = 30;
constexpr std::int32_t kChannel16 = 32;
constexpr std::int32_t kChannel09 = 18;
constexpr std::uint8_t kResumeTimeDefault = 3;
// Call categories: "All Ships Call" urgency and safety, "Group Call" and "Individual Call" routine;
// every menu bit but the position request acknowledgement menu.
constexpr std::uint8_t kAllShipsCallBits = 0x60;
constexpr std::uint8_t kGroupCallBits = 0x10;
constexpr std::uint8_t kIndividualCallBits = 0x10;
constexpr std::uint8_t kMenuBits = 0xFE;

void Fill(RadioImage &image, Range range, std::uint8_t value) {
    for (Address a = range.first; a <= range.last; ++a) {
        image.set(a, value);
    }
}

void FillBytes(RadioImage &image, Address first, Address count, std::uint8_t value) {
    Fill(image, {first, first + count - 1}, value);
}

} // namespace

// The current channel and the second current channel are 15, each group's priority channel 16 and
// second priority channel 09; the weather and expansion bitmaps are empty; no user MMSI, no ATIS code.
void ImageWriteDefaultBytes(RadioImage &image) {
    Fill(image, kFactoryHead, 0);
    image.set(kCurrentGroup, 0);
    image.set(kCurrentMode, 0);
    image.setBe16(kCurrentChannel, kChannel15);
    image.setBe16(kSecondCurrentChannel, kChannel15);
    image.set(kCurrentWeather, 0);
    image.set(kTxPowerDisplay, 0);
    image.set(kFactoryAfterPowerDisplay, 0);
    Fill(image, kFactoryBetweenUnits, 0);
    image.set(kResumeTime, kResumeTimeDefault);
    Fill(image, kFactoryAfterResumeTime, 0);
    image.set(kFactoryBeforeChecksum, 0xFF);
    for (int g = 0; g < kPlanGroupCount; ++g) {
        PriorityView priority(image, g);
        priority.setPriority(kChannel16);
        priority.setSecond(kChannel09);
    }
    image.set(CallCategoryBits::At(0), kAllShipsCallBits);
    image.set(CallCategoryBits::At(1), kGroupCallBits);
    image.set(CallCategoryBits::At(2), kIndividualCallBits);
    image.set(kDscMenuBits, kMenuBits);
    FillBytes(image, kUserMmsi, kBcd5Length, 0xFF);
    image.set(kUserMmsiPresent, 0);
    FillBytes(image, kAtisCode, kBcd5Length, 0xFF);
    image.set(kAtisCodePresent, 0);
    FillBytes(image, kExpTable.enableBitmap, kExpBitmapLength, 0);
    FillBytes(image, kExpTable.scanBitmap, kExpBitmapLength, 0);
    GroupBlockView(image, 0).setFactoryWord("RADIO");
    GroupBlockView(image, 1).setFactoryWord("RAM1");
    GroupBlockView(image, 2).setFactoryWord("RAM2");
}

} // namespace klt
