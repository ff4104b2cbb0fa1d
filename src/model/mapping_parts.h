#pragma once
// The pieces DecodeImage and EncodeImage are made of; internal to the mapping.

#include "model/model_catalogue.h"
#include "model/radio_image.h"
#include "model/records.h"

#include <span>

namespace klt::mapping {

void DecodeGroups(const RadioImage &image, Configuration &config, Model model);
void EncodeGroups(RadioImage &image, const Configuration &config);
void DecodeCommon(const RadioImage &image, CommonSetupRecord &common);
void EncodeCommon(RadioImage &image, const CommonSetupRecord &common);
void DecodeDsc(const RadioImage &image, Configuration &config);
void EncodeDsc(RadioImage &image, const Configuration &config);
void DecodeAutoPos(const RadioImage &image, AutoPosRecord &autoPos);
void EncodeAutoPos(RadioImage &image, const AutoPosRecord &autoPos);
void DecodeAtis(const RadioImage &image, AtisCommonRecord &atis);
void EncodeAtis(RadioImage &image, const AtisCommonRecord &atis);

void DecodePlanTable(const RadioImage &image, std::vector<ChannelRecord> &table, int group);
void EncodePlanTable(RadioImage &image, const std::vector<ChannelRecord> &table, int group);
void DecodeWeatherTable(const RadioImage &image, std::vector<ChannelRecord> &table);
void EncodeWeatherTable(RadioImage &image, const std::vector<ChannelRecord> &table);
void EncodeExpansionChannels(RadioImage &image, const Configuration &config);

void DecodeDirectory(const RadioImage &image, std::span<DirectoryEntry> directory, layout::Directory place);
void EncodeDirectory(RadioImage &image, std::span<const DirectoryEntry> directory, layout::Directory place);

} // namespace klt::mapping
