#include "files/profile_reader.h"

#include "files/whole_file.h"
#include "model/text_format.h"

namespace klt {

namespace {

constexpr std::size_t kMaxValueLength = 127;
constexpr const char *kMissing = "<NONE>";

// The raw value of the first matching key in the first matching section, or "<NONE>".
std::string LookUp(std::string_view text, const std::string &section, const std::string &key) {
    bool inSection = false;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string trimmed = Trim(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (trimmed.empty() || trimmed.front() == ';') {
            continue;
        }
        if (trimmed.front() == '[') {
            const auto close = trimmed.find(']');
            const std::string name = Trim(std::string_view(trimmed).substr(
                1, close == std::string::npos ? std::string::npos : close - 1));
            if (inSection) {
                return kMissing; // the first section of that name is the one that counts
            }
            inSection = EqualsIgnoreCase(name, section);
            continue;
        }
        const auto equals = trimmed.find('=');
        if (!inSection || equals == std::string::npos) {
            continue;
        }
        if (EqualsIgnoreCase(Trim(std::string_view(trimmed).substr(0, equals)), key)) {
            std::string value = Trim(std::string_view(trimmed).substr(equals + 1));
            if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                value.back() == value.front()) {
                value = value.substr(1, value.size() - 2);
            }
            return value;
        }
    }
    return kMissing;
}

} // namespace

std::string ReadProfileString(const std::filesystem::path &file, const std::string &section,
                              const std::string &key) {
    // An unreadable file reads as one without the key, as the program's INI reader always did.
    const WholeFile content = ReadWholeFile(file);
    return ProfileValue(content.bytes, section, key);
}

std::string ProfileValue(std::string_view text, const std::string &section, const std::string &key) {
    std::string value = LookUp(text, section, key).substr(0, kMaxValueLength);
    if (const auto nul = value.find('\0'); nul != std::string::npos) {
        value.resize(nul);
    }
    if (value == kMissing) {
        return {};
    }
    if (!value.empty() && value.front() == '#') {
        value.erase(0, 1);
    }
    return value;
}

} // namespace klt
