#include "bench_configs.h"

#include "model/image_mapping.h"

#include <string>

namespace klt::bench {

namespace {

std::string Digits(int seed, int count) {
    std::string digits;
    for (int i = 0; i < count; ++i) {
        digits.push_back(static_cast<char>('1' + (seed + i) % 9));
    }
    return digits;
}

void FillDirectory(std::span<DirectoryEntry> entries, bool group) {
    int n = 0;
    for (DirectoryEntry &entry : entries) {
        ++n;
        entry.Enable = true;
        entry.TagName = "STATION " + std::to_string(n);
        entry.Mmsid = group ? "0" + Digits(n, 8) + "0" : Digits(n, 9) + "0";
    }
}

} // namespace

Sample DefaultSample(Model model) {
    Sample sample;
    ImageNewDefaults(sample.image, sample.config, model);
    EncodeImage(sample.image, sample.config);
    return sample;
}

Sample FullSample(Model model) {
    Sample sample = DefaultSample(model);
    Configuration &config = sample.config;
    for (int group = 0; group < kPlanGroupCount; ++group) {
        config.Groups[static_cast<std::size_t>(group)].Usable = true;
        int n = 0;
        for (ChannelRecord &channel : PlanTable(config, group)) {
            channel.Enable = true;
            channel.ChTag = "NAME " + std::to_string(++n);
        }
    }
    int n = 0;
    for (ChannelRecord &channel : config.Expansion) {
        ++n;
        channel.Enable = true;
        channel.CHDisplayL = std::to_string(10 + n % 90);
        channel.Rxfreq = 156.025 + 0.025 * n;
        channel.Txfreq = channel.Rxfreq;
        channel.ChTag = "EXP " + std::to_string(n);
    }
    FillDirectory(config.Individual, false);
    FillDirectory(config.GroupDirectory, true);
    config.DscBasic.UserMmsi = "2111111110";
    EncodeImage(sample.image, config);
    return sample;
}

} // namespace klt::bench
