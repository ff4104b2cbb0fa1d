#include "files/settings_diff.h"

#include "files/settings_writer.h"
#include "model/number_rules.h"
#include "model/text_format.h"

#include <map>

namespace klt {

namespace {

// Section, key → value, in the file's order; a text's leading "#" is the file's marking, not the value.
using Settings = std::vector<std::pair<std::string, std::string>>;

// The writer's own text: "[Section]" lines and "Key=Value" lines, with the names as the file spells them.
Settings Flatten(const Configuration &config, Model model, const std::string &modelName, bool atis) {
    Settings settings;
    const std::string text = ComposeSettingsText(config, model, modelName, atis);
    std::string section;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find("\r\n", start);
        end = end == std::string::npos ? text.size() : end;
        const std::string_view line(text.data() + start, end - start);
        start = end + 2;
        if (line.starts_with('[') && line.ends_with(']')) {
            section = std::string(line.substr(1, line.size() - 2));
        } else if (const auto equals = line.find('='); equals != std::string_view::npos) {
            const std::string_view value = line.substr(equals + 1);
            const std::string key(line.substr(0, equals));
            std::string shown(value.starts_with('#') ? value.substr(1) : value);
            // People read an MMSI as its nine digits, not the ten the radio stores.
            if (key == "User MMSI" || key == "Mmsid") {
                shown = MmsiForPeople(shown);
            }
            settings.emplace_back("[" + section + "] " + key, std::move(shown));
        }
    }
    return settings;
}

} // namespace

std::vector<std::string> SettingsDifferences(const Configuration &a, const Configuration &b, Model model,
                                             const std::string &modelName, bool atis) {
    const Settings first = Flatten(a, model, modelName, atis);
    const Settings second = Flatten(b, model, modelName, atis);
    std::map<std::string, std::string> inSecond(second.begin(), second.end());
    std::vector<std::string> lines;
    for (const auto &[setting, value] : first) {
        const auto other = inSecond.find(setting);
        const std::string otherValue = other != inSecond.end() ? other->second : "(none)";
        if (otherValue != value) {
            lines.push_back(Utf8FromLatin1(setting + ": " + value + " -> " + otherValue));
        }
        if (other != inSecond.end()) {
            inSecond.erase(other);
        }
    }
    for (const auto &[setting, value] : second) {
        if (inSecond.contains(setting)) {
            lines.push_back(Utf8FromLatin1(setting + ": (none) -> " + value));
        }
    }
    return lines;
}

} // namespace klt
