#include "files/section_table.h"

#include "model/text_format.h"

#include <optional>

namespace klt {

namespace {

// The lines of a text; CRs before each LF (CR CR LF, when a conversion to CR LF ran twice) and a last line
// without an LF are accepted, and so is the byte order mark an editor may put first.
std::vector<std::string_view> Lines(std::string_view text) {
    text = WithoutByteOrderMark(text);
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        while (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
    }
    return lines;
}

// "[" name "]": the name, or nothing when the line is no section header.
std::optional<std::string> HeaderName(std::string_view line) {
    if (line.empty() || line.front() != '[') {
        return std::nullopt;
    }
    const std::string_view rest = line.substr(1);
    const auto close = rest.find(']');
    if (close == std::string_view::npos || close == 0) {
        return std::nullopt;
    }
    return ToUpper(Trim(rest.substr(0, close)));
}

} // namespace

SectionTable SectionTable::Parse(std::string_view text) {
    SectionTable table;
    const auto lines = Lines(text);
    std::optional<Section> current;
    for (const std::string_view line : lines) {
        const auto equals = line.find('=');
        if (current && equals != std::string_view::npos && equals >= 1) {
            std::string value(line.substr(equals + 1));
            if (!value.empty() && value.front() == '#') {
                value.erase(0, 1);
            }
            current->keys.emplace_back(ToUpper(Trim(line.substr(0, equals))), std::move(value));
            continue;
        }
        if (current && line.find('[') == std::string_view::npos) {
            continue; // a stray line inside a section
        }
        // Outside a section every line but a header is dropped; inside, a line with "[" ends it.
        if (current) {
            table.add(std::move(*current));
            current.reset();
        }
        if (auto name = HeaderName(line)) {
            current = Section{std::move(*name), {}};
        }
    }
    if (current) {
        table.add(std::move(*current));
    }
    return table;
}

void SectionTable::add(Section section) {
    byName_[section.name].push_back(sections_.size());
    sections_.push_back(std::move(section));
}

const std::string *SectionTable::find(std::string_view section, std::string_view key) const {
    const auto found = byName_.find(ToUpper(section));
    if (found == byName_.end()) {
        return nullptr;
    }
    const std::string upperKey = ToUpper(key);
    for (const std::size_t index : found->second) {
        for (const auto &[name, value] : sections_[index].keys) {
            if (name == upperKey) {
                return &value;
            }
        }
    }
    return nullptr;
}

std::string SectionTable::lookUp(std::string_view section, std::string_view key) const {
    const std::string *value = find(section, key);
    return value ? *value : std::string();
}

bool SectionTable::holds(std::string_view section, std::string_view key) const {
    return find(section, key) != nullptr;
}

bool SectionTable::hasSection(std::string_view section) const {
    return byName_.contains(ToUpper(section));
}

} // namespace klt
