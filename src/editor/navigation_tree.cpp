#include "editor/navigation_tree.h"

#include "model/reference_tables.h"

#include <array>

namespace klt {

namespace {

constexpr std::array<const char *, 3> kGroupKeys = {"PU", "PI", "PC"};
constexpr std::array<const char *, 3> kGroupTexts = {"Group1", "Group2", "Group3"};
constexpr std::array<const char *, 2> kDirectoryKeys = {"SM", "SG"};
constexpr const char *kExpansionKey = "ExpChannel";

// A child key: its prefix, one blank and the number.
std::string ChildKey(const std::string &prefix, int number) {
    return prefix + " " + std::to_string(number);
}

std::string ListKey(int list) {
    return list == kExpansionList                ? kExpansionKey
           : list >= 0 && list < kPlanGroupCount ? kGroupKeys[static_cast<std::size_t>(list)]
                                                 : "";
}

std::string DirectoryKey(int directory) {
    return directory == kGroupDirectory ? kDirectoryKeys[1] : kDirectoryKeys[0];
}

} // namespace

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

std::string RecordNodeText(const Configuration &config, const PageTarget &target) {
    const auto at = [](int i) { return static_cast<std::size_t>(i); };
    if (target.page == Page::ChannelEditor && target.list == kExpansionList) {
        return EntryNodeText("EXP", target.index, config.Expansion[at(target.index - 1)].Enable);
    }
    if (target.page == Page::ChannelEditor) {
        return ChannelNodeText(PlanTable(config, target.list)[at(target.index)]);
    }
    if (target.page == Page::DirectoryEntry && target.list == kGroupDirectory) {
        return EntryNodeText("Group ID", target.index, config.GroupDirectory[at(target.index - 1)].Enable);
    }
    if (target.page == Page::DirectoryEntry) {
        return EntryNodeText("Memory ID", target.index, config.Individual[at(target.index - 1)].Enable);
    }
    return {};
}

std::vector<TreeNode> BuildNavigationTree(const Configuration &config, bool atis) {
    std::vector<TreeNode> nodes = {{"", "General", "General", {Page::General}},
                                   {"General", "Usable", "Usable CH Group Setup", {Page::Usable}},
                                   {"General", "Common", "Common Setup", {Page::Common}},
                                   {"General", "DSC", "DSC Setup", {Page::Dsc}}};
    if (atis) {
        nodes.push_back({"General", "ATIS", "ATIS Setup", {Page::Atis}});
    }
    nodes.push_back({"", "Program", "Programable Channel", {Page::Grey}});
    for (int g = 0; g < kPlanGroupCount; ++g) {
        const auto &group = config.Groups[static_cast<std::size_t>(g)];
        if (!group.Usable) {
            continue;
        }
        const std::string key = ListKey(g);
        nodes.push_back({"Program",
                         key,
                         GroupNodeText(kGroupTexts[static_cast<std::size_t>(g)], group.StatusName),
                         {Page::ChannelTable, g}});
        const auto &table = PlanTable(config, g);
        for (std::size_t i = 0; i < table.size(); ++i) {
            const PageTarget target{Page::ChannelEditor, g, static_cast<int>(i)};
            nodes.push_back({key, NodeKeyOf(target), ChannelNodeText(table[i]), target});
        }
    }
    nodes.push_back({"Program", "PW", "Weather", {Page::Weather}});
    nodes.push_back({"", "DSCSetting", "DSC", {Page::Grey}});
    const std::pair<int, int> directories[] = {{kIndividualDirectory, layout::kIndividualDirectoryCount},
                                               {kGroupDirectory, layout::kGroupDirectoryCount}};
    for (const auto &[directory, count] : directories) {
        nodes.push_back({"DSCSetting",
                         DirectoryKey(directory),
                         directory == kGroupDirectory ? "Group Directory" : "Individual Directory",
                         {Page::DirectoryTable, directory}});
        for (int n = 1; n <= count; ++n) {
            const PageTarget target{Page::DirectoryEntry, directory, n};
            nodes.push_back(
                {DirectoryKey(directory), NodeKeyOf(target), RecordNodeText(config, target), target});
        }
    }
    // Every model of the catalogue has expansion channels.
    nodes.push_back({"",
                     kExpansionKey,
                     GroupNodeText("EXP Channel", config.Groups[kExpGroup].StatusName),
                     {Page::ChannelTable, kExpansionList}});
    for (int n = 1; n <= layout::kExpChannelCount; ++n) {
        const PageTarget target{Page::ChannelEditor, kExpansionList, n};
        nodes.push_back({kExpansionKey, NodeKeyOf(target), RecordNodeText(config, target), target});
    }
    return nodes;
}

std::string NodeKeyOf(const PageTarget &target) {
    switch (target.page) {
    case Page::General:
        return "General";
    case Page::Usable:
        return "Usable";
    case Page::Common:
        return "Common";
    case Page::Dsc:
        return "DSC";
    case Page::Atis:
        return "ATIS";
    case Page::Weather:
        return "PW";
    case Page::ChannelTable:
        return ListKey(target.list);
    case Page::ChannelEditor:
        return ChildKey(target.list == kExpansionList ? "E" : ListKey(target.list), target.index);
    case Page::DirectoryTable:
        return DirectoryKey(target.list);
    case Page::DirectoryEntry:
        return ChildKey(DirectoryKey(target.list), target.index);
    default:
        return {};
    }
}

} // namespace klt
