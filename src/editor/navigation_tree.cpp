#include "editor/navigation_tree.h"

#include "model/reference_tables.h"
#include "model/text_format.h"

#include <array>

namespace klt {

namespace {

constexpr std::array<const char *, 3> kGroupKeys = {"PU", "PI", "PC"};
constexpr std::array<const char *, 3> kGroupTexts = {"Group1", "Group2", "Group3"};

} // namespace

std::string ChildKey(const std::string &prefix, int number) {
    return prefix + " " + std::to_string(number);
}

int ChildNumber(const std::string &key) {
    return key.size() > 2 ? static_cast<int>(LeadingNumber(key.substr(2))) : 0;
}

std::string ChannelNodeText(const ChannelRecord &record) {
    const auto &master = BuildMasterChannelList();
    const std::string name = record.Position >= 0 && record.Position < kMasterChannelCount
                                 ? master[static_cast<std::size_t>(record.Position)].Label
                                 : "";
    return "CH" + name + (record.Enable ? "[Enable]" : "");
}

std::string EntryNodeText(const std::string &label, int number, bool enabled) {
    return label + std::to_string(number) + (enabled ? "[Enable]" : "");
}

std::string GroupNodeText(const std::string &text, const std::string &statusName) {
    const std::string base = text.substr(0, text.find('('));
    return statusName.empty() ? base : base + "(" + statusName + ")";
}

std::vector<TreeNode> BuildNavigationTree(const Configuration &config, bool atis) {
    std::vector<TreeNode> nodes = {{"", "General", "General"},
                                   {"General", "Usable", "Usable CH Group Setup"},
                                   {"General", "Common", "Common Setup"},
                                   {"General", "DSC", "DSC Setup"}};
    if (atis) {
        nodes.push_back({"General", "ATIS", "ATIS Setup"});
    }
    nodes.push_back({"", "Program", "Programable Channel"});
    for (int g = 0; g < kPlanGroupCount; ++g) {
        const auto &group = config.Groups[static_cast<std::size_t>(g)];
        if (!group.Usable) {
            continue;
        }
        const std::string key = kGroupKeys[static_cast<std::size_t>(g)];
        nodes.push_back(
            {"Program", key, GroupNodeText(kGroupTexts[static_cast<std::size_t>(g)], group.StatusName)});
        const auto &table = PlanTable(config, g);
        for (std::size_t i = 0; i < table.size(); ++i) {
            nodes.push_back({key, ChildKey(key, static_cast<int>(i)), ChannelNodeText(table[i])});
        }
    }
    nodes.push_back({"Program", "PW", "Weather"});
    nodes.push_back({"", "DSCSetting", "DSC"});
    nodes.push_back({"DSCSetting", "SM", "Individual Directory"});
    for (int n = 1; n <= layout::kIndividualDirectoryCount; ++n) {
        nodes.push_back(
            {"SM", ChildKey("SM", n),
             EntryNodeText("Memory ID", n, config.Individual[static_cast<std::size_t>(n - 1)].Enable)});
    }
    nodes.push_back({"DSCSetting", "SG", "Group Directory"});
    for (int n = 1; n <= layout::kGroupDirectoryCount; ++n) {
        nodes.push_back(
            {"SG", ChildKey("SG", n),
             EntryNodeText("Group ID", n, config.GroupDirectory[static_cast<std::size_t>(n - 1)].Enable)});
    }
    // Every model of the catalogue has expansion channels.
    nodes.push_back({"", "ExpChannel", GroupNodeText("EXP Channel", config.Groups[kExpGroup].StatusName)});
    for (int n = 1; n <= layout::kExpChannelCount; ++n) {
        nodes.push_back({"ExpChannel", ChildKey("E", n),
                         EntryNodeText("EXP", n, config.Expansion[static_cast<std::size_t>(n - 1)].Enable)});
    }
    return nodes;
}

PageTarget PageOfNode(const std::string &parentKey, const std::string &key) {
    const std::string parent = ToUpper(parentKey);
    const std::string node = ToUpper(key);
    if (parent.empty()) {
        if (node == "GENERAL") {
            return {Page::General};
        }
        if (node == "PROGRAM" || node == "DSCSETTING") {
            return {Page::Grey};
        }
        return node == "EXPCHANNEL" ? PageTarget{Page::ChannelTable, "E"} : PageTarget{};
    }
    if (parent == "GENERAL") {
        return node == "USABLE"   ? PageTarget{Page::Usable}
               : node == "COMMON" ? PageTarget{Page::Common}
               : node == "DSC"    ? PageTarget{Page::Dsc}
               : node == "ATIS"   ? PageTarget{Page::Atis}
                                  : PageTarget{};
    }
    if (parent == "PROGRAM") {
        return node == "PW" ? PageTarget{Page::Weather} : PageTarget{Page::ChannelTable, node};
    }
    if (parent == "PU" || parent == "PI" || parent == "PC") {
        return {Page::ChannelEditor, parent, ChildNumber(key)};
    }
    if (parent == "DSCSETTING") {
        return {Page::DirectoryTable, node};
    }
    if (parent == "SM" || parent == "SG") {
        return {Page::DirectoryEntry, parent, ChildNumber(key)};
    }
    if (parent == "EXPCHANNEL") {
        return {Page::ChannelEditor, "E", ChildNumber(key)};
    }
    return {};
}

} // namespace klt
