#pragma once
// The navigation tree of the main window, as data: every node's parent key, key and text, in the
// order they are added; and which page a node shows. The texts are English; the tree's own words in
// them are translated where the tree is shown, the keys never.

#include "model/records.h"

#include <optional>
#include <string>
#include <vector>

namespace klt {

enum class Page {
    General,
    Grey,
    Usable,
    Common,
    Dsc,
    Atis,
    ChannelTable,  // a plan group's enabled channels, or the expansion channels
    ChannelEditor, // a channel of a group, or an expansion channel
    Weather,
    DirectoryTable,
    DirectoryEntry,
    None
};

// The lists a channel page shows: plan groups 0 to 2 by their index, and the expansion channels.
inline constexpr int kExpansionList = kExpGroup;
// The two station directories.
inline constexpr int kIndividualDirectory = 0;
inline constexpr int kGroupDirectory = 1;

// What a node of the tree shows: a page, and for the pages of many records which one.
struct PageTarget {
    Page page = Page::None;
    int list = -1;  // channel pages: a plan group or kExpansionList; directory pages: which directory
    int index = -1; // a plan channel's record index; an expansion channel's or a directory entry's number
    bool operator==(const PageTarget &) const = default;
};

// A node's text in its parts: a word of the tree's own (the context "klt::NavigationTree" translates
// it), what a record adds to it in the records' bytes (a number, a channel's name, a group's status
// name in brackets), and the "[Enable]" mark of a record in use.
struct NodeText {
    const char *word = "";
    std::string detail;
    bool enabled = false;
    std::string english() const;
};
extern const char *const kNodeEnableMark;

struct TreeNode {
    std::string parentKey; // empty for a root
    std::string key;
    std::string text; // parts.english()
    PageTarget target;
    NodeText parts;
};

std::vector<TreeNode> BuildNavigationTree(const Configuration &config, bool atis);

// The key of the node that shows a target: the tree's keys are its own, nobody else reads them.
std::string NodeKeyOf(const PageTarget &target);

// A group node's text with the group's status name in brackets: "Group2(INTL)".
std::string GroupNodeText(const std::string &text, const std::string &statusName);
// The same for a channel list's node (a plan group or kExpansionList), in parts.
NodeText GroupNodeParts(int list, const std::string &statusName);
// The text of a channel or directory entry node as its record now is.
std::string RecordNodeText(const Configuration &config, const PageTarget &target);
NodeText RecordNodeParts(const Configuration &config, const PageTarget &target);

} // namespace klt
