#pragma once
// The settings file as read: sections in file order, each with its key/value pairs in file order.
// Names are upper case and trimmed; values are as read, less one leading "#".

#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace klt {

class SectionTable {
public:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> keys;
    };

    static SectionTable Parse(std::string_view text);

    // The value of the key in the first section of that name that holds it; empty when there is none.
    std::string lookUp(std::string_view section, std::string_view key) const;
    bool hasSection(std::string_view section) const;
    // Whether a section of that name holds the key, with any value.
    bool holds(std::string_view section, std::string_view key) const;

    const std::vector<Section> &sections() const { return sections_; }

private:
    void add(Section section);
    const std::string *find(std::string_view section, std::string_view key) const;

    std::vector<Section> sections_;
    std::unordered_map<std::string, std::vector<std::size_t>> byName_;
};

} // namespace klt
