#pragma once
// The conversion between the radio image and the settings records.

#include "model/model_catalogue.h"
#include "model/radio_image.h"
#include "model/records.h"

namespace klt {

// Settings (groups, common, DSC, automatic position, ATIS), the three plan tables, the weather table,
// both directories and the expansion channels. Fields the image does not hold keep their values.
void DecodeImage(const RadioImage &image, Configuration &config, Model model);
// The settings step of DecodeImage alone.
void DecodeSettings(const RadioImage &image, Configuration &config, Model model);
// The expansion-channel step of DecodeImage alone.
void DecodeExpansionChannels(const RadioImage &image, Configuration &config);

// Writes every mapped byte and bit; everything else in the image keeps its value.
void EncodeImage(RadioImage &image, const Configuration &config);

// A fresh image of a catalogue model: 0xFF, the factory bytes, the model code; then the settings are
// decoded from it. A model without a code leaves the image as it is and only decodes the settings.
void ImageNewDefaults(RadioImage &image, Configuration &config, Model model);

// Repairs the radio's current-channel references and the channel slots it keeps per group, and marks
// whether a user MMSI is present. Runs after EncodeImage, before the checksum.
void CheckChannelRefs(RadioImage &image, const Configuration &config);

// Whether the channel reference may be used in plan group 0, 1 or 2, as the image says.
bool ChannelUsable(const RadioImage &image, std::int64_t reference, int group);

// The image exactly as it goes to a hex file or to the radio: encode, repair, checksum.
void PrepareImageForSave(RadioImage &image, const Configuration &config);

} // namespace klt
