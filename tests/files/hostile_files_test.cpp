// Files that are not what their names say: devices, folders, files far too large, values that do
// not fit. None of them may hang the program, take its memory, or change the configuration.

#include "app/destination_load.h"
#include "app/hex_file_commands.h"
#include "app/settings_file_commands.h"
#include "files/profile_reader.h"
#include "files/settings_writer.h"
#include "files/whole_file.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <system_error>

namespace klt {
namespace {

using Program = test::TestProgram;

std::string Text(const Program &p) {
    return ComposeSettingsText(p.ctx.Config, p.ctx.CurrentModel, p.ctx.ModelName, p.ctx.AtisAvailable);
}

TEST(HostileFiles, DevicesAndFoldersAreRefusedWithoutBeingRead) {
    Program p(1);
    const Configuration before = p.ctx.Config;
    // The devices that never end on each system, and a folder.
#ifdef _WIN32
    const std::filesystem::path devices[] = {p.folder.path()}; // Windows' devices are no files at all
#else
    const std::filesystem::path devices[] = {"/dev/zero", "/dev/urandom", p.folder.path()};
#endif
    for (const auto &path : devices) {
        p.ui.messages.clear();
        EXPECT_FALSE(OpenSettingsFile(p.ctx, path, false)) << path;
        ASSERT_EQ(p.ui.messages.size(), 1u) << path;
        const std::string reason =
            path == p.folder.path() ? std::generic_category().message(EISDIR) : "not a regular file";
        EXPECT_EQ(p.ui.messages[0].text, "FileRead Error!!\r\n" + path.string() + ": " + reason) << path;
        EXPECT_EQ(p.ctx.Config, before) << path;
        EXPECT_EQ(ReadProfileString(path, "1model", "use"), "") << path;
        EXPECT_FALSE(LoadDestinationFile(p.ctx, path).loaded) << path;

        p.ui.messages.clear();
        EXPECT_FALSE(OpenHexFile(p.ctx, path)) << path;
        ASSERT_EQ(p.ui.messages.size(), 1u) << path;
        EXPECT_EQ(p.ui.messages[0].text, "bad file!!\r\n" + path.string() + ": " + reason) << path;
    }
}

// No settings file comes near 4 MB; a file that large is refused before it is read, whatever it holds.
TEST(HostileFiles, ASettingsFilePastFourMegabytesIsRefused) {
    Program p(1);
    std::string text = Text(p);
    const auto fits = p.folder.write("fits.dat", text + std::string(kMaxTextFileBytes - text.size(), ' '));
    EXPECT_TRUE(OpenSettingsFile(p.ctx, fits, false));
    text += std::string(kMaxTextFileBytes - text.size() + 1, ' ');
    const auto large = p.folder.write("large.dat", text);
    p.ui.messages.clear();
    EXPECT_FALSE(OpenSettingsFile(p.ctx, large, false));
    ASSERT_EQ(p.ui.messages.size(), 1u);
    EXPECT_EQ(p.ui.messages[0].text,
              "FileRead Error!!\r\n" + large.string() + ": the file is larger than 4194304 bytes");
    EXPECT_EQ(ReadWholeFile(large).bytes.size(), 0u);
}

// A value that cannot be written back as it was read is not taken: the field keeps its reset value,
// and what the program then writes reads back unchanged.
TEST(HostileFiles, ValuesThatWouldNotComeBackAreNotTaken) {
    Program p(1);
    const Configuration reset = p.ctx.Config;
    std::string text = Text(p);
    const auto put = [&text](const std::string &line, const std::string &replacement) {
        const auto at = text.find(line);
        ASSERT_NE(at, std::string::npos) << line;
        text.replace(at, line.size(), replacement);
    };
    put("Rxfreq=0\r\n", "Rxfreq=" + std::string(400, '9') + "\r\n");
    put("Priority CH 1=32\r\n", "Priority CH 1=-2147483648\r\n");
    put("Weater=255\r\n", "Weater=-32768\r\n");
    put("Offset Time=31\r\n", "Offset Time=-32768\r\n"); // a signed field takes it: it is written signed
    ASSERT_TRUE(OpenSettingsFile(p.ctx, p.folder.write("odd.dat", text), false, {}, FileNotes::Warn));
    ASSERT_EQ(p.ui.messages.size(), 1u);
    const std::string &warned = p.ui.messages[0].text;
    EXPECT_NE(warned.find("[CHEXP1] Rxfreq=999"), std::string::npos) << warned;
    EXPECT_NE(warned.find("[Usable CH Group Setup] Priority CH 1=-2147483648: out of the radio's range"),
              std::string::npos)
        << warned;
    EXPECT_NE(warned.find("[Common Setup] Weater=-32768: out of the radio's range"), std::string::npos)
        << warned;
    EXPECT_EQ(warned.find("Offset Time"), std::string::npos) << warned;
    EXPECT_EQ(p.ctx.Config.Expansion[0].Rxfreq, reset.Expansion[0].Rxfreq);
    EXPECT_EQ(p.ctx.Config.Groups[1].PriorityCh, reset.Groups[1].PriorityCh);
    EXPECT_EQ(p.ctx.Config.Common.Weater, reset.Common.Weater);
    EXPECT_EQ(p.ctx.Config.Common.OffsetTime, -32768);

    const std::string written = Text(p);
    Program again(1);
    ASSERT_TRUE(OpenSettingsFile(again.ctx, again.folder.write("again.dat", written), false));
    EXPECT_EQ(Text(again), written);
}

} // namespace
} // namespace klt
