#include "editor/navigation_tree.h"

#include "model/reference_tables.h"

#include <QtGlobal>

#include <array>

namespace klt {

const char *const kNodeEnableMark = QT_TRANSLATE_NOOP("klt::NavigationTree", "[Enable]");

namespace {

constexpr std::array<const char *, 3> kGroupKeys = {"PU", "PI", "PC"};
constexpr std::array<const char *, 3> kGroupTexts = {QT_TRANSLATE_NOOP("klt::NavigationTree", "Group1"),
                                                     QT_TRANSLATE_NOOP("klt::NavigationTree", "Group2"),
                                                     QT_TRANSLATE_NOOP("klt::NavigationTree", "Group3")};
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

NodeText ChannelNodeParts(const ChannelRecord &record) {
    const auto &master = BuildMasterChannelList();
    const std::string name = record.Position >= 0 && record.Position < kMasterChannelCount
                                 ? master[static_cast<std::size_t>(record.Position)].Label
                                 : "";
    return {QT_TRANSLATE_NOOP("klt::NavigationTree", "CH"), name, record.Enable};
}

NodeText EntryNodeParts(const char *word, int number, bool enabled) {
    return {word, std::to_string(number), enabled};
}

TreeNode Node(const std::string &parentKey, const std::string &key, NodeText parts, PageTarget target) {
    std::string text = parts.english();
    return {parentKey, key, std::move(text), target, std::move(parts)};
}

} // namespace

std::string NodeText::english() const {
    return word + detail + (enabled ? kNodeEnableMark : "");
}

std::string GroupNodeText(const std::string &text, const std::string &statusName) {
    const std::string base = text.substr(0, text.find('('));
    return statusName.empty() ? base : base + "(" + statusName + ")";
}

NodeText GroupNodeParts(int list, const std::string &statusName) {
    const char *word = list == kExpansionList ? QT_TRANSLATE_NOOP("klt::NavigationTree", "EXP Channel")
                       : list >= 0 && list < kPlanGroupCount ? kGroupTexts[static_cast<std::size_t>(list)]
                                                             : "";
    return {word, statusName.empty() ? std::string() : "(" + statusName + ")", false};
}

NodeText RecordNodeParts(const Configuration &config, const PageTarget &target) {
    const auto at = [](int i) { return static_cast<std::size_t>(i); };
    if (target.page == Page::ChannelEditor && target.list == kExpansionList) {
        return EntryNodeParts(QT_TRANSLATE_NOOP("klt::NavigationTree", "EXP"), target.index,
                              config.Expansion[at(target.index - 1)].Enable);
    }
    if (target.page == Page::ChannelEditor) {
        return ChannelNodeParts(PlanTable(config, target.list)[at(target.index)]);
    }
    if (target.page == Page::DirectoryEntry && target.list == kGroupDirectory) {
        return EntryNodeParts(QT_TRANSLATE_NOOP("klt::NavigationTree", "Group ID"), target.index,
                              config.GroupDirectory[at(target.index - 1)].Enable);
    }
    if (target.page == Page::DirectoryEntry) {
        return EntryNodeParts(QT_TRANSLATE_NOOP("klt::NavigationTree", "Memory ID"), target.index,
                              config.Individual[at(target.index - 1)].Enable);
    }
    return {};
}

std::string RecordNodeText(const Configuration &config, const PageTarget &target) {
    return RecordNodeParts(config, target).english();
}

std::vector<TreeNode> BuildNavigationTree(const Configuration &config, bool atis) {
    const auto word = [](const char *text) { return NodeText{text, {}, false}; };
    std::vector<TreeNode> nodes = {
        Node("", "General", word(QT_TRANSLATE_NOOP("klt::NavigationTree", "General")), {Page::General}),
        Node("General", "Usable", word(QT_TRANSLATE_NOOP("klt::NavigationTree", "Usable CH Group Setup")),
             {Page::Usable}),
        Node("General", "Common", word(QT_TRANSLATE_NOOP("klt::NavigationTree", "Common Setup")),
             {Page::Common}),
        Node("General", "DSC", word(QT_TRANSLATE_NOOP("klt::NavigationTree", "DSC Setup")), {Page::Dsc})};
    if (atis) {
        nodes.push_back(Node("General", "ATIS", word(QT_TRANSLATE_NOOP("klt::NavigationTree", "ATIS Setup")),
                             {Page::Atis}));
    }
    nodes.push_back(Node("", "Program", word(QT_TRANSLATE_NOOP("klt::NavigationTree", "Programable Channel")),
                         {Page::Grey}));
    for (int g = 0; g < kPlanGroupCount; ++g) {
        const auto &group = config.Groups[static_cast<std::size_t>(g)];
        if (!group.Usable) {
            continue;
        }
        const std::string key = ListKey(g);
        nodes.push_back(Node("Program", key, GroupNodeParts(g, group.StatusName), {Page::ChannelTable, g}));
        const auto &table = PlanTable(config, g);
        for (std::size_t i = 0; i < table.size(); ++i) {
            const PageTarget target{Page::ChannelEditor, g, static_cast<int>(i)};
            nodes.push_back(Node(key, NodeKeyOf(target), ChannelNodeParts(table[i]), target));
        }
    }
    nodes.push_back(
        Node("Program", "PW", word(QT_TRANSLATE_NOOP("klt::NavigationTree", "Weather")), {Page::Weather}));
    nodes.push_back(
        Node("", "DSCSetting", word(QT_TRANSLATE_NOOP("klt::NavigationTree", "DSC")), {Page::Grey}));
    const std::pair<int, int> directories[] = {{kIndividualDirectory, layout::kIndividualDirectoryCount},
                                               {kGroupDirectory, layout::kGroupDirectoryCount}};
    for (const auto &[directory, count] : directories) {
        nodes.push_back(Node("DSCSetting", DirectoryKey(directory),
                             word(directory == kGroupDirectory
                                      ? QT_TRANSLATE_NOOP("klt::NavigationTree", "Group Directory")
                                      : QT_TRANSLATE_NOOP("klt::NavigationTree", "Individual Directory")),
                             {Page::DirectoryTable, directory}));
        for (int n = 1; n <= count; ++n) {
            const PageTarget target{Page::DirectoryEntry, directory, n};
            nodes.push_back(
                Node(DirectoryKey(directory), NodeKeyOf(target), RecordNodeParts(config, target), target));
        }
    }
    // Every model of the catalogue has expansion channels.
    nodes.push_back(Node("", kExpansionKey,
                         GroupNodeParts(kExpansionList, config.Groups[kExpGroup].StatusName),
                         {Page::ChannelTable, kExpansionList}));
    for (int n = 1; n <= layout::kExpChannelCount; ++n) {
        const PageTarget target{Page::ChannelEditor, kExpansionList, n};
        nodes.push_back(Node(kExpansionKey, NodeKeyOf(target), RecordNodeParts(config, target), target));
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
