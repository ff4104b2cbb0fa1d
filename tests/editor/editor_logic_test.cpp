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

TEST(NavigationTree, PagesOfNodes) {
    EXPECT_EQ(PageOfNode("", "General").page, Page::General);
    EXPECT_EQ(PageOfNode("", "DSCSetting").page, Page::Grey);
    EXPECT_EQ(PageOfNode("General", "ATIS").page, Page::Atis);
    EXPECT_EQ(PageOfNode("Program", "PW").page, Page::Weather);
    const PageTarget channel = PageOfNode("PI", "PI 140");
    EXPECT_EQ(channel.page, Page::ChannelEditor);
    EXPECT_EQ(channel.table, "PI");
    EXPECT_EQ(channel.index, 140);
    const PageTarget entry = PageOfNode("SG", "SG 7");
    EXPECT_EQ(entry.page, Page::DirectoryEntry);
    EXPECT_EQ(entry.index, 7);
    EXPECT_EQ(PageOfNode("ExpChannel", "E 64").index, 64);
    EXPECT_EQ(PageOfNode("", "ExpChannel").page, Page::ChannelTable);
    EXPECT_EQ(ChildNumber("PU 12"), 12);
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
