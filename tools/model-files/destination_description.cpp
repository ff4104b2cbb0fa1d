#include "destination_description.h"

#include "files/profile_reader.h"
#include "model/text_format.h"

#include <fstream>

namespace klt {

namespace {

constexpr const char *kSection = "destination";

// Four comma-separated flags, one per group (Group1, Group2, Group3, Exp CH).
std::optional<std::string> ReadGroupFlags(const std::filesystem::path &file, const std::string &key,
                                          std::array<bool, 4> &flags) {
    const std::string text = ReadProfileString(file, kSection, key);
    if (text.empty()) {
        return std::nullopt;
    }
    const auto items = SplitList(text);
    if (items.size() != flags.size()) {
        return key + " needs four flags";
    }
    for (std::size_t g = 0; g < flags.size(); ++g) {
        flags[g] = TextToBool(items[g]);
    }
    return std::nullopt;
}

void ReadNumber(const std::filesystem::path &file, const std::string &key, std::int16_t &value) {
    const std::string text = ReadProfileString(file, kSection, key);
    long number = 0;
    if (ParseLeadingInt(text, number)) {
        value = static_cast<std::int16_t>(number);
    }
}

} // namespace

std::optional<std::string> ApplyDestinationDescription(const std::filesystem::path &file,
                                                       Configuration &config) {
    if (!std::ifstream(file)) {
        return std::string("cannot be read");
    }
    std::array<bool, 4> usable{};
    for (std::size_t g = 0; g < usable.size(); ++g) {
        usable[g] = config.Groups[g].Usable;
    }
    if (auto problem = ReadGroupFlags(file, "usable", usable)) {
        return problem;
    }
    for (std::size_t g = 0; g < usable.size(); ++g) {
        config.Groups[g].Usable = usable[g];
    }
    if (auto problem = ReadGroupFlags(file, "dsc", config.DscBasic.Group)) {
        return problem;
    }
    if (auto problem = ReadGroupFlags(file, "atis", config.Atis.UsableAtisChGroup)) {
        return problem;
    }
    const std::string status = ReadProfileString(file, kSection, "status");
    if (!status.empty()) {
        const auto names = SplitList(status);
        for (std::size_t g = 0; g < names.size() && g < config.Groups.size(); ++g) {
            config.Groups[g].StatusName = names[g];
        }
    }
    ReadNumber(file, "weather_alert", config.Common.Weater);
    ReadNumber(file, "offset_time", config.Common.OffsetTime);
    ReadNumber(file, "sog", config.Common.Sog);
    ReadNumber(file, "distance", config.Common.Distance);
    ReadNumber(file, "altitude", config.Common.Altitude);
    return std::nullopt;
}

} // namespace klt
