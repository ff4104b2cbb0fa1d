#include "model/image_mapping.h"

#include "model/factory_defaults.h"
#include "model/mapping_parts.h"
#include "model/model_catalogue.h"

namespace klt {

void DecodeSettings(const RadioImage &image, Configuration &config, Model model) {
    mapping::DecodeGroups(image, config, model);
    mapping::DecodeCommon(image, config.Common);
    mapping::DecodeDsc(image, config);
    mapping::DecodeAutoPos(image, config.AutoPos);
    mapping::DecodeAtis(image, config.Atis);
}

void DecodeImage(const RadioImage &image, Configuration &config, Model model) {
    DecodeSettings(image, config, model);
    for (int g = 0; g < kPlanGroupCount; ++g) {
        mapping::DecodePlanTable(image, PlanTable(config, g), g);
    }
    mapping::DecodeWeatherTable(image, config.Weather);
    mapping::DecodeDirectory(image, config.Individual, layout::kIndividualDirectory);
    mapping::DecodeDirectory(image, config.GroupDirectory, layout::kGroupDirectory);
    DecodeExpansionChannels(image, config);
}

void EncodeImage(RadioImage &image, const Configuration &config) {
    mapping::EncodeGroups(image, config);
    mapping::EncodeCommon(image, config.Common);
    mapping::EncodeDsc(image, config);
    mapping::EncodeAutoPos(image, config.AutoPos);
    mapping::EncodeAtis(image, config.Atis);
    for (int g = 0; g < kPlanGroupCount; ++g) {
        mapping::EncodePlanTable(image, PlanTable(config, g), g);
    }
    mapping::EncodeWeatherTable(image, config.Weather);
    mapping::EncodeDirectory(image, config.Individual, layout::kIndividualDirectory);
    mapping::EncodeDirectory(image, config.GroupDirectory, layout::kGroupDirectory);
    mapping::EncodeExpansionChannels(image, config);
}

void ImageNewDefaults(RadioImage &image, Configuration &config, Model model) {
    if (const auto code = ModelCode(model)) {
        ImageClear(image);
        ImageWriteDefaultBytes(image);
        ImageStampModelCode(image, *code);
    }
    DecodeSettings(image, config, model);
}

void PrepareImageForSave(RadioImage &image, const Configuration &config) {
    EncodeImage(image, config);
    CheckChannelRefs(image, config);
    ImageStoreChecksum(image);
}

} // namespace klt
