#pragma once
// What a channel may be. A plan channel has what its plan and its number allow: channels 16 and 70
// never take a scrambler, 70 is never scanned, a receive-only channel never transmits, and duplex
// needs a duplex pair. An expansion channel in use needs a receive frequency and its two display
// figures; its frequencies lie on the 25 kHz raster from 137 to 174 MHz.

#include "model/name_rules.h"
#include "model/records.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace klt {

// Plan record positions: index 2n is channel n.
inline constexpr int kDistressPosition = 32; // channel 16
inline constexpr int kDscPosition = 140;     // channel 70

// What a plan channel's page lets the user switch on only where the channel allows it.
enum class PlanFeature { Transmit, Duplex, Scan, Scrambler };

bool MayTransmit(const ChannelRecord &plan);
bool MayDuplex(const ChannelRecord &plan);
bool MayScan(const ChannelRecord &plan);
bool MayScramble(const ChannelRecord &plan);
bool PlanChannelMay(const ChannelRecord &plan, PlanFeature feature);
// Why a channel that may not have the feature does not ("channel 70 is never scanned").
const char *WhyNot(PlanFeature feature);

// A plan channel as the pages and tables show it: what the channel may not have shows as off.
ChannelRecord ShownPlanChannel(ChannelRecord plan);
// The features the record has switched on where the channel may not have them.
std::vector<PlanFeature> ForbiddenFeatures(const ChannelRecord &plan);

// The scrambler list: "Off", then codes 0 to 3, stored as 0 and 4 to 7.
std::span<const char *const> ScramblerEntries();
int ScramblerPosition(int scramble); // -1 for a value the list does not hold
int ScramblerCode(int position);

// The frequency a text stands for, in MHz: 137 to 174 MHz on the 25 kHz raster, or 0 for an empty
// text; nothing when the text is refused.
std::optional<double> CheckedFrequency(std::string_view text);
// Whether a stored frequency is one the text field would take (0 stands for none).
bool FrequencyAllowed(double mhz);

// An expansion channel's display: two figures, then one more or none, of the characters the radio's
// seven-segment display can show.
inline constexpr std::size_t kDisplayFigures = 2;
inline constexpr std::size_t kDisplaySuffixFigures = 1;
std::optional<char> UnshowableDisplayCharacter(std::string_view figures);
bool DisplayFiguresComplete(std::string_view figures);

bool LacksReceiveFrequency(const ChannelRecord &expansion); // enabled, without one
bool LacksDisplayFigures(const ChannelRecord &expansion);   // enabled, without its two figures
bool ExpansionChannelComplete(const ChannelRecord &expansion);

} // namespace klt
