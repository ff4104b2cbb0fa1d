#include "app/destination_load.h"
#include "app/model_state.h"
#include "app/program_folder.h"
#include "app/reset.h"
#include "model/destinations.h"
#include "model/image_mapping.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

namespace klt {
namespace {

// A model description file: a new memory of the model with its code at both ends and one marker.
std::string DescriptionFile(int model, std::uint16_t head, std::uint16_t tail,
                            std::uint8_t weatherAlert = 3) {
    RadioImage image;
    Configuration config;
    ImageNewDefaults(image, config, ModelNo(model));
    image.setBe16(0, head);
    image.setBe16(0x7FFE, tail);
    image.set(60, weatherAlert);
    const auto bytes = image.bytes();
    return {reinterpret_cast<const char *>(bytes.data()), bytes.size()};
}

struct Program : test::TestProgram {
    explicit Program(int model) {
        folder.write("global.ini", "[1model]\nuse=1\n[2model]\nuse=1\natis=1\n[3model]\nuse=1\n");
        SetCurrentModel(ctx, ModelNo(model));
    }
};

TEST(Destinations, ListedByNameBeforeTheUnderscoreSortedIgnoringCase) {
    test::TempFolder folder;
    folder.write("usa_012C.ini", "");
    folder.write("EXP_012C.ini", "");
    folder.write("can_01F4.ini", "");
    folder.write("notes.txt", "");
    EXPECT_EQ(ListDestinations(folder.path(), ModelNo(1)), (std::vector<std::string>{"EXP", "USA"}));
    EXPECT_EQ(ListDestinations(folder.path(), ModelNo(3)), (std::vector<std::string>{"CAN"}));
    EXPECT_TRUE(ListDestinations(folder.path(), ModelNo(2)).empty());
    EXPECT_TRUE(ListDestinations(folder.path() / "missing", ModelNo(1)).empty());
}

TEST(Destinations, AtMostTenAreOffered) {
    test::TempFolder folder;
    for (int i = 0; i < 12; ++i) {
        folder.write("D" + std::to_string(i) + "_01C2.ini", "");
    }
    EXPECT_EQ(ListDestinations(folder.path(), ModelNo(2)).size(), 10u);
}

TEST(Destinations, TheMarinerModelsFilesEndInDashM) {
    test::TempFolder folder;
    folder.write("USA-M_012C.ini", "");
    EXPECT_EQ(ListDestinations(folder.path(), ModelNo(11)), (std::vector<std::string>{"USA-M"}));
    EXPECT_EQ(DestinationFilePath(folder.path(), "usa-m", ModelNo(11)).filename(), "USA-M_012C.ini");
}

TEST(Destinations, FilePathsAreFoundWhateverTheirCase) {
    test::TempFolder folder;
    folder.write("usa_012C.ini", "");
    // The file found, under whatever name: on a system whose names ignore case, the asked name is it.
    EXPECT_TRUE(std::filesystem::equivalent(DestinationFilePath(folder.path(), "USA", ModelNo(1)),
                                            folder.path() / "usa_012C.ini"));
    EXPECT_EQ(DestinationFilePath(folder.path(), "can", ModelNo(1)), folder.path() / "CAN_012C.ini");
}

TEST(DestinationLoad, AcceptsOnlyAWholeImageOfTheModel) {
    Program p(2);
    const auto good = p.folder.write("A_01C2.ini", DescriptionFile(2, 300, 300, 0));
    const auto mixed = p.folder.write("B_01C2.ini", DescriptionFile(2, 450, 300, 0));
    const auto shortFile = p.folder.write("C_01C2.ini", DescriptionFile(2, 450, 450, 0).substr(1));
    const auto longFile = p.folder.write("D_01C2.ini", DescriptionFile(2, 450, 450, 0) + "x");

    EXPECT_FALSE(LoadDestinationFile(p.ctx, mixed).loaded);
    EXPECT_EQ(p.ctx.Image.at(60), 0xFF); // the current memory is left as it was
    EXPECT_FALSE(LoadDestinationFile(p.ctx, shortFile).loaded);
    EXPECT_FALSE(LoadDestinationFile(p.ctx, longFile).loaded);
    EXPECT_FALSE(LoadDestinationFile(p.ctx, p.folder.path() / "missing.ini").fault->description.empty());

    const auto load = LoadDestinationFile(p.ctx, good);
    EXPECT_TRUE(load.loaded);
    EXPECT_FALSE(load.fault);
    EXPECT_EQ(p.ctx.Image.be16(0), 300);
    EXPECT_EQ(p.ctx.Config.Common.Weater, 0); // decoded into the records
    EXPECT_EQ(p.ui.pauses, (std::vector<int>{500, 500}));
}

TEST(Reset, RebuildsThePlansAndClearsTheDirectories) {
    Program p(1);
    p.ctx.Config.Usa.resize(3);
    p.ctx.Config.Individual[5] = {true, "OLD", "123456789", {}};
    p.ctx.Config.GroupDirectory[0].Members[3] = true;
    p.ctx.Config.AtisCallSigns[0] = {"211", "OLDBOAT"};
    p.ctx.CurrentFilePath = "old.dat";
    ResetConfiguration(p.ctx, false);
    EXPECT_EQ(p.ctx.Config.Usa.size(), 240u);
    EXPECT_EQ(p.ctx.Config.Weather.size(), 10u);
    const auto &channel15 = p.ctx.Config.Usa[30];
    EXPECT_TRUE(channel15.Enable);
    EXPECT_FALSE(channel15.TxEnable);
    EXPECT_FALSE(channel15.DuplexAllowed);
    for (const auto &entry : p.ctx.Config.Individual) {
        EXPECT_EQ(entry, DirectoryEntry{});
    }
    EXPECT_EQ(p.ctx.Config.GroupDirectory[0], DirectoryEntry{});
    EXPECT_EQ(p.ctx.Config.AtisCallSigns[0],
              AtisCallSignEntry{}); // nothing of the old configuration survives
    EXPECT_EQ(p.ctx.CurrentFilePath, "");
    EXPECT_FALSE(p.ctx.Destinations.Enabled);

    // The memory now matches the records.
    RadioImage encoded = p.ctx.Image;
    EncodeImage(encoded, p.ctx.Config);
    EXPECT_EQ(encoded, p.ctx.Image);
    EXPECT_EQ(p.ctx.Image.be16(0), 300);
}

TEST(Reset, LoadsTheStoredDestinationAndChecksItsSlot) {
    Program p(3);
    p.folder.write("usa_01F4.ini", DescriptionFile(3, 500, 500, 0));
    p.folder.write("CAN_01F4.ini", DescriptionFile(3, 500, 500, 3));
    int refreshed = 0;
    int finished = 0;
    ResetConfiguration(p.ctx, true, {{}, [&] { ++refreshed; }, [&] { ++finished; }});
    EXPECT_TRUE(p.ctx.Destinations.Enabled);
    EXPECT_EQ(p.ctx.Destinations.Captions, (std::vector<std::string>{"CAN", "USA"}));
    EXPECT_EQ(p.ctx.Destinations.Checked, 1);
    EXPECT_EQ(p.ctx.Config.Common.Weater, 0);
    EXPECT_EQ(refreshed, 1);
    EXPECT_EQ(finished, 1);

    p.store.put("IniFilePath", "3IniFileName_", "can");
    ResetConfiguration(p.ctx, true);
    EXPECT_EQ(p.ctx.Destinations.Checked, 0);
    EXPECT_EQ(p.ctx.Config.Common.Weater, 3);

    p.store.put("IniFilePath", "3IniFileName_", "gone");
    ResetConfiguration(p.ctx, true);
    EXPECT_FALSE(p.ctx.Destinations.Checked);
    EXPECT_EQ(p.ctx.Config.Common.Weater, 0xFF); // the built-in defaults
    EXPECT_TRUE(p.ui.messages.empty());          // silent, as at program start
}

TEST(Reset, AModelSwitchLeavesNothingOfTheOldModel) {
    Program p(3);
    ResetConfiguration(p.ctx, false);
    p.ctx.Config.Groups[0].SecondCh = 5;
    SetCurrentModel(p.ctx, ModelNo(1));
    ResetConfiguration(p.ctx, false);
    EXPECT_EQ(p.ctx.Image.be16(0), 300);
    EXPECT_EQ(p.ctx.Config.Groups[0].SecondCh, 0);
    EXPECT_EQ(p.ctx.TitleText, "PC Program for TQ-300");
    EXPECT_FALSE(p.ctx.AtisAvailable);
    SetCurrentModel(p.ctx, ModelNo(2));
    EXPECT_TRUE(p.ctx.AtisAvailable);
}

TEST(ProgramFolder, ExplicitThenEnvironmentThenBesideTheExecutable) {
    test::TempFolder folder;
    EXPECT_EQ(LocateProgramFolder(std::filesystem::path("/x"), "/y", folder.path()), "/x");
    EXPECT_EQ(LocateProgramFolder(std::nullopt, "/y", folder.path()), "/y");
    EXPECT_EQ(LocateProgramFolder(std::nullopt, "", folder.path() / "bin"), folder.path() / "share" / "klt");
    folder.write("global.ini", "");
    EXPECT_EQ(LocateProgramFolder(std::nullopt, nullptr, folder.path()), folder.path());
}

} // namespace
} // namespace klt
