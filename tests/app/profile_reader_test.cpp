#include "app/global_ini.h"
#include "files/profile_reader.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace klt {
namespace {

TEST(ProfileReader, SectionsAndKeysIgnoreCase) {
    test::TempFolder folder;
    const auto ini = folder.write("global.ini",
                                  "; comment\r\n[1Model]\r\n USE = 1 \r\nAtis=True\r\n[2model]\r\nuse=2\r\n");
    EXPECT_EQ(ReadProfileString(ini, "1model", "use"), "1");
    EXPECT_EQ(ReadProfileString(ini, "1MODEL", "ATIS"), "True");
    EXPECT_EQ(ReadProfileString(ini, "2model", "use"), "2");
    EXPECT_EQ(ReadProfileString(ini, "2model", "atis"), "");
    EXPECT_EQ(ReadProfileString(ini, "3model", "use"), "");
    EXPECT_EQ(ReadProfileString(folder.path() / "missing.ini", "1model", "use"), "");
}

TEST(ProfileReader, OneLeadingHashAndTheNoneMarker) {
    test::TempFolder folder;
    const auto ini = folder.write("a.ini", "[s]\nhash=#1\ntwo=##2\nnone=<NONE>\nquoted=\"x y\"\neq=a=b\n");
    EXPECT_EQ(ReadProfileString(ini, "s", "hash"), "1");
    EXPECT_EQ(ReadProfileString(ini, "s", "two"), "#2");
    EXPECT_EQ(ReadProfileString(ini, "s", "none"), "");
    EXPECT_EQ(ReadProfileString(ini, "s", "quoted"), "x y");
    EXPECT_EQ(ReadProfileString(ini, "s", "eq"), "a=b");
}

TEST(ProfileReader, ValuesAreCutTo127Characters) {
    test::TempFolder folder;
    const auto ini = folder.write("a.ini", "[s]\nlong=" + std::string(200, 'x') + "\n");
    EXPECT_EQ(ReadProfileString(ini, "s", "long").size(), 127u);
}

TEST(GlobalIni, UseMustBeTheNumberOne) {
    test::TempFolder folder;
    const auto ini =
        folder.write("global.ini", "[1model]\nuse=#1\n[2model]\nuse=01\natis=1\n[3model]\nuse=2\n"
                                   "[4model]\nuse=\n[10model]\nuse=1\natis=0\n");
    EXPECT_EQ(OfferedModels(ini), (std::vector<Model>{ModelNo(1), ModelNo(2), ModelNo(10)}));
    EXPECT_TRUE(ModelHasAtis(ini, ModelNo(2)));
    EXPECT_FALSE(ModelHasAtis(ini, ModelNo(10)));
    EXPECT_FALSE(ModelHasAtis(ini, ModelNo(1)));
    EXPECT_TRUE(OfferedModels(folder.path() / "none.ini").empty());
}

} // namespace
} // namespace klt
