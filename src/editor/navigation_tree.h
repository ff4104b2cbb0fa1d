#pragma once
// The navigation tree of the main window, as data: every node's parent key, key and text, in the
// order they are added; and which page a node shows.

#include "model/records.h"

#include <optional>
#include <string>
#include <vector>

namespace klt {

struct TreeNode {
    std::string parentKey; // empty for a root
    std::string key;
    std::string text;
};

std::vector<TreeNode> BuildNavigationTree(const Configuration &config, bool atis);

// A child key: its prefix, one blank (the sign position of the number) and the number.
std::string ChildKey(const std::string &prefix, int number);
// The number of a child key, read from its third character.
int ChildNumber(const std::string &key);

// Texts of nodes that carry the "[Enable]" mark.
std::string ChannelNodeText(const ChannelRecord &record);
std::string EntryNodeText(const std::string &label, int number, bool enabled);
// A group node's text with the group's status name in brackets: "Group2(INTL)".
std::string GroupNodeText(const std::string &text, const std::string &statusName);

enum class Page {
    General,
    Grey,
    Usable,
    Common,
    Dsc,
    Atis,
    ChannelTable,  // group key "PU", "PI", "PC" or "ExpChannel"
    ChannelEditor, // a channel of a group, or an expansion channel
    Weather,
    DirectoryTable, // "SM" or "SG"
    DirectoryEntry,
    None
};

struct PageTarget {
    Page page{Page::None};
    std::string table{}; // "PU", "PI", "PC", "E" (expansion), "SM", "SG"
    int index = -1;      // record index, or entry number
};

PageTarget PageOfNode(const std::string &parentKey, const std::string &key);

} // namespace klt
