#include "app/startup.h"
#include "editor/hex_dump.h"
#include "editor/navigation_tree.h"
#include "model/reference_tables.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace klt {
namespace {

TEST(Switches, TheWholeLineIsOneSwitch) {
    EXPECT_TRUE(ParseSwitches("  /de ").debug);
    EXPECT_TRUE(ParseSwitches("  /de ").slow);
    EXPECT_TRUE(ParseSwitches("/ED").slow);
    EXPECT_TRUE(ParseSwitches("/d").debug);
    EXPECT_FALSE(ParseSwitches("/d").slow);
    EXPECT_TRUE(ParseSwitches("/E").slow);
    const Switches both = ParseSwitches("/D /E");
    EXPECT_FALSE(both.debug || both.slow);
    EXPECT_FALSE(ParseSwitches("").debug);
    EXPECT_FALSE(ParseSwitches("/X").debug);
}

TEST(Startup, ModelPortAndHexViewFromTheStores) {
    test::TempFolder folder;
    const auto ini = folder.write("global.ini", "[1model]\nuse=1\n[2model]\nuse=01\n");
    MemorySettingsStore store;
    StartupPlan plan = PlanStartup(ini, store);
    EXPECT_EQ(plan.model, ModelNo(1)); // "lastmodel" defaults to 1
    EXPECT_TRUE(plan.editMenuVisible);
    EXPECT_EQ(plan.comNum, 1);
    EXPECT_FALSE(plan.hexVisible);
    store.put("Settings", "lastmodel", "3");
    store.put("ComPath", "ComNum", "20");
    store.put("Settings", "hexvisible", "-1");
    plan = PlanStartup(ini, store);
    EXPECT_EQ(plan.model, ModelNo(2));
    EXPECT_EQ(plan.comNum, 20); // kept, though no menu entry matches
    EXPECT_TRUE(plan.hexVisible);
    store.put("Settings", "lastmodel", "x");
    store.put("ComPath", "ComNum", "");
    EXPECT_EQ(PlanStartup(ini, store).model, ModelNo(2));
    EXPECT_EQ(PlanStartup(ini, store).comNum, 1);
    EXPECT_EQ(PlanStartup(folder.path() / "none.ini", store).model, Model::None);

    // Numbers that do not fit 16 bits do not convert: the defaults apply.
    store.put("Settings", "lastmodel", std::string(25, '9'));
    store.put("ComPath", "ComNum", std::string(25, '9'));
    store.put("Settings", "hexvisible", "40000");
    plan = PlanStartup(ini, store);
    EXPECT_EQ(plan.model, ModelNo(2));
    EXPECT_EQ(plan.comNum, 1);
    EXPECT_FALSE(plan.hexVisible);
    EXPECT_EQ(StoredPortNumber(store), 1);
}

TEST(Caption, FileNameFirst) {
    EXPECT_EQ(WindowCaption("PC Program for TQ-300", "KLT Programmer", ""),
              "PC Program for TQ-300  KLT Programmer");
    EXPECT_EQ(WindowCaption("PC Program for TQ-300", "KLT Programmer", "/home/a/boat.dat"),
              "boat.dat - PC Program for TQ-300  KLT Programmer");
}

TEST(NavigationTree, KeysTextsAndOrder) {
    Configuration config;
    for (int g = 0; g < kPlanGroupCount; ++g) {
        PlanTable(config, g) = BuildPlan(g);
    }
    config.Groups = {GroupSetupRecord{true, 0, 0, "USA", {}}, GroupSetupRecord{false, 0, 0, "", {}},
                     GroupSetupRecord{true, 0, 0, "", {}}, GroupSetupRecord{}};
    config.Individual[4].Enable = true;
    const auto nodes = BuildNavigationTree(config, false);
    const auto find = [&nodes](const std::string &key) {
        return std::ranges::find_if(nodes, [&key](const TreeNode &n) { return n.key == key; });
    };
    EXPECT_EQ(nodes.front().key, "General");
    EXPECT_EQ(find("ATIS"), nodes.end());
    EXPECT_EQ(find("PI"), nodes.end());
    EXPECT_EQ(find("PU")->text, "Group1(USA)");
    EXPECT_EQ(find("PU 32")->text, "CH16[Enable]");
    EXPECT_EQ(find("PU 33")->text, "CH16A");
    EXPECT_EQ(find("PU 32")->parentKey, "PU");
    EXPECT_EQ(find("SM 5")->text, "Memory ID5[Enable]");
    EXPECT_EQ(find("SG 32")->text, "Group ID32");
    EXPECT_EQ(find("E 1")->parentKey, "ExpChannel");
    EXPECT_LT(find("PC 239"), find("PW"));
    EXPECT_EQ(nodes.size(), 4u + 1 + 2 * 241 + 1 + 1 + 81 + 33 + 65);
    EXPECT_EQ(BuildNavigationTree(config, true)[4].key, "ATIS");
}

TEST(NavigationTree, EachNodeCarriesThePageItShows) {
    Configuration config;
    for (int g = 0; g < kPlanGroupCount; ++g) {
        PlanTable(config, g) = BuildPlan(g);
        config.Groups[static_cast<std::size_t>(g)].Usable = true;
    }
    config.Expansion[63].Enable = true;
    config.GroupDirectory[6].Enable = true;
    const auto nodes = BuildNavigationTree(config, true);
    const auto target = [&nodes](const std::string &key) {
        const auto found = std::ranges::find(nodes, key, &TreeNode::key);
        return found != nodes.end() ? found->target : PageTarget{};
    };
    EXPECT_EQ(target("General"), (PageTarget{Page::General}));
    EXPECT_EQ(target("DSCSetting").page, Page::Grey);
    EXPECT_EQ(target("ATIS"), (PageTarget{Page::Atis}));
    EXPECT_EQ(target("PW"), (PageTarget{Page::Weather}));
    EXPECT_EQ(target("PI"), (PageTarget{Page::ChannelTable, 1}));
    EXPECT_EQ(target("PI 140"), (PageTarget{Page::ChannelEditor, 1, 140}));
    EXPECT_EQ(target("SG"), (PageTarget{Page::DirectoryTable, kGroupDirectory}));
    EXPECT_EQ(target("SG 7"), (PageTarget{Page::DirectoryEntry, kGroupDirectory, 7}));
    EXPECT_EQ(target("E 64"), (PageTarget{Page::ChannelEditor, kExpansionList, 64}));
    EXPECT_EQ(target("ExpChannel"), (PageTarget{Page::ChannelTable, kExpansionList}));
    // Every node with a page of its own is found again by its target, and its text follows the record.
    for (const TreeNode &node : nodes) {
        if (node.target.page != Page::Grey) {
            EXPECT_EQ(NodeKeyOf(node.target), node.key);
        }
        if (node.target.page == Page::ChannelEditor || node.target.page == Page::DirectoryEntry) {
            EXPECT_EQ(RecordNodeText(config, node.target), node.text) << node.key;
        }
    }
    EXPECT_EQ(GroupNodeText("Group2(INTL)", ""), "Group2");
}

TEST(HexDump, RowsFollowTheImageEnd) {
    RadioImage image;
    EXPECT_EQ(HexDumpLines(image).size(), 2u + 2048);
    EXPECT_EQ(HexDumpLines(image)[2], " 0000: FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF");
    image.setEndAddress(8191);
    EXPECT_EQ(HexDumpLines(image).size(), 2u + 512);
}

} // namespace
} // namespace klt
