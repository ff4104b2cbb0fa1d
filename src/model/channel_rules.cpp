#include "model/channel_rules.h"

#include "model/decimal_format.h"
#include "model/field_rules.h"
#include "model/text_format.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace klt {

namespace {

constexpr const char *kScramblerEntries[] = {"Off", "0", "1", "2", "3"};
constexpr int kFirstScramblerCode = 4;
constexpr double kLowestMhz = 137.0;
constexpr double kHighestMhz = 174.0;
constexpr long kRasterSteps = 250; // 25 kHz in steps of 100 Hz

bool PlanChannelHas(const ChannelRecord &plan, PlanFeature feature) {
    switch (feature) {
    case PlanFeature::Transmit:
        return plan.TxEnable;
    case PlanFeature::Duplex:
        return plan.Duplex;
    case PlanFeature::Scan:
        return plan.ScanMemory;
    case PlanFeature::Scrambler:
        break;
    }
    return plan.Scramble != 0;
}

} // namespace

bool MayTransmit(const ChannelRecord &plan) {
    return !plan.RxOnly;
}

bool MayDuplex(const ChannelRecord &plan) {
    return plan.DuplexAllowed;
}

// Channel 70 is the DSC calling channel: the radio never scans it.
bool MayScan(const ChannelRecord &plan) {
    return plan.Position != kDscPosition;
}

// Every station must understand channels 16 and 70: the distress and DSC channels are never scrambled.
bool MayScramble(const ChannelRecord &plan) {
    return plan.Position != kDistressPosition && plan.Position != kDscPosition;
}

bool PlanChannelMay(const ChannelRecord &plan, PlanFeature feature) {
    switch (feature) {
    case PlanFeature::Transmit:
        return MayTransmit(plan);
    case PlanFeature::Duplex:
        return MayDuplex(plan);
    case PlanFeature::Scan:
        return MayScan(plan);
    case PlanFeature::Scrambler:
        break;
    }
    return MayScramble(plan);
}

const char *WhyNot(PlanFeature feature) {
    switch (feature) {
    case PlanFeature::Transmit:
        return "this channel only receives";
    case PlanFeature::Duplex:
        return "this channel has no duplex";
    case PlanFeature::Scan:
        return "channel 70 is never scanned";
    case PlanFeature::Scrambler:
        break;
    }
    return "channels 16 and 70 never take a scrambler";
}

ChannelRecord ShownPlanChannel(ChannelRecord plan) {
    plan.TxEnable = plan.TxEnable && MayTransmit(plan);
    plan.Duplex = plan.Duplex && MayDuplex(plan);
    plan.ScanMemory = plan.ScanMemory && MayScan(plan);
    if (!MayScramble(plan)) {
        plan.Scramble = 0;
    }
    return plan;
}

std::vector<PlanFeature> ForbiddenFeatures(const ChannelRecord &plan) {
    std::vector<PlanFeature> features;
    for (const PlanFeature feature :
         {PlanFeature::Transmit, PlanFeature::Duplex, PlanFeature::Scan, PlanFeature::Scrambler}) {
        if (PlanChannelHas(plan, feature) && !PlanChannelMay(plan, feature)) {
            features.push_back(feature);
        }
    }
    return features;
}

std::span<const char *const> ScramblerEntries() {
    return kScramblerEntries;
}

int ScramblerPosition(int scramble) {
    if (scramble == 0) {
        return 0;
    }
    const int position = scramble - kFirstScramblerCode + 1;
    return position >= 1 && position < static_cast<int>(std::size(kScramblerEntries)) ? position : -1;
}

int ScramblerCode(int position) {
    return position <= 0 ? 0 : kFirstScramblerCode + position - 1;
}

std::optional<double> CheckedFrequency(std::string_view text) {
    const double mhz = LeadingNumber(text);
    if (mhz >= kLowestMhz && mhz <= kHighestMhz) {
        const auto steps = std::lround(mhz * 10000.0);
        return steps % kRasterSteps == 0 ? std::optional<double>(mhz) : std::nullopt;
    }
    return text.empty() ? std::optional<double>(0.0) : std::nullopt;
}

bool FrequencyAllowed(double mhz) {
    // Judged as the field shows it, to the 100 Hz of its four decimals.
    return mhz == 0.0 || CheckedFrequency(FormatFixed(mhz, 3, 4)).has_value();
}

std::optional<char> UnshowableDisplayCharacter(std::string_view figures) {
    const auto bad = std::find_if(figures.begin(), figures.end(),
                                  [](char c) { return !FilterAccepts(KeyFilter::DisplayCharacters, c); });
    return bad == figures.end() ? std::nullopt : std::optional<char>(*bad);
}

bool DisplayFiguresComplete(std::string_view figures) {
    return figures.size() == kDisplayFigures && !UnshowableDisplayCharacter(figures);
}

bool LacksReceiveFrequency(const ChannelRecord &expansion) {
    return expansion.Enable && expansion.Rxfreq == 0.0;
}

bool LacksDisplayFigures(const ChannelRecord &expansion) {
    return expansion.Enable && !DisplayFiguresComplete(expansion.CHDisplayL);
}

bool ExpansionChannelComplete(const ChannelRecord &expansion) {
    return !LacksReceiveFrequency(expansion) && !LacksDisplayFigures(expansion);
}

} // namespace klt
