#include "app/hex_file_commands.h"
#include "app/model_state.h"
#include "app/reset.h"
#include "model/image_mapping.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <system_error>

namespace klt {
namespace {

using Program = test::TestProgram;

TEST(HexFile, SaveWritesTheMemoryAsItGoesToTheRadio) {
    Program p(3);
    p.ctx.Config.Usa[32].ChTag = "HEX";
    p.ctx.Config.DscBasic.UserMmsi = "366000001";
    const auto path = p.folder.path() / "r.hex";
    ASSERT_TRUE(SaveHexFile(p.ctx, path));
    const std::string bytes = test::ReadFile(path);
    ASSERT_EQ(bytes.size(), 32768u);
    EXPECT_EQ(bytes.substr(0x1300 + 32 * 16, 3), "HEX");
    EXPECT_EQ(bytes[421], 1); // the channel references were checked
    unsigned sum = 0;
    for (std::size_t a = 66; a <= 94; ++a) {
        sum += static_cast<unsigned char>(bytes[a]);
    }
    EXPECT_EQ(static_cast<unsigned char>(bytes[95]), sum & 0xFF);
    EXPECT_EQ(p.ctx.CurrentFilePath, ""); // a hex save does not name the current file
}

TEST(HexFile, OpenDecodesAndNamesTheFile) {
    Program writer(1);
    writer.ctx.Config.International[4].ChTag = "OPENED";
    const auto path = writer.folder.path() / "r.hex";
    ASSERT_TRUE(SaveHexFile(writer.ctx, path));

    Program reader(2); // a TQ-300 memory is also a TQ-400E/TQ-450 memory
    EXPECT_TRUE(OpenHexFile(reader.ctx, path));
    EXPECT_EQ(reader.ctx.Config.International[4].ChTag, "OPENED");
    EXPECT_EQ(reader.ctx.CurrentFilePath, path.string());
    EXPECT_EQ(reader.ctx.Image.be16(0), 300);
    EXPECT_TRUE(reader.ui.messages.empty());
}

TEST(HexFile, AnotherModelsMemoryIsRefused) {
    Program writer(1);
    const auto path = writer.folder.path() / "r.hex";
    ASSERT_TRUE(SaveHexFile(writer.ctx, path));
    Program reader(3);
    const RadioImage before = reader.ctx.Image;
    EXPECT_FALSE(OpenHexFile(reader.ctx, path));
    EXPECT_EQ(reader.ctx.Image, before);
    ASSERT_EQ(reader.ui.messages.size(), 1u);
    // A file, not the radio: titled as the program's other file messages, and the second line says
    // what the file is.
    EXPECT_EQ(reader.ui.messages[0].text,
              "ModelType Error !!\r\n" + path.string() + ": the image is of the TQ-300, not the TQ-500");
    EXPECT_EQ(reader.ui.messages[0].title, reader.ctx.TitleText);
    EXPECT_EQ(reader.ctx.CurrentFilePath, "");

    std::string mixed = test::ReadFile(path);
    mixed[0x7FFE] = 0x01;
    mixed[0x7FFF] = static_cast<char>(0xC2);
    Program tq450(2);
    EXPECT_FALSE(OpenHexFile(tq450.ctx, writer.folder.write("mixed.hex", mixed)));
}

TEST(HexFile, AWrongLengthIsABadFile) {
    Program p(1);
    const RadioImage before = p.ctx.Image;
    for (const std::size_t size : {32767u, 32769u, 0u}) {
        p.ui.messages.clear();
        const auto path = p.folder.write("s.hex", std::string(size, '\x01'));
        EXPECT_FALSE(OpenHexFile(p.ctx, path));
        ASSERT_EQ(p.ui.messages.size(), 1u);
        EXPECT_EQ(p.ui.messages[0].text, "bad file!!\r\n" + path.string() + ": the file has " +
                                             std::to_string(size) + " bytes, an image has 32768");
        EXPECT_EQ(p.ui.messages[0].icon, MessageIcon::Error);
    }
    EXPECT_EQ(p.ctx.Image, before);
}

TEST(HexFile, AFailedSaveSaysSo) {
    Program p(1);
    const auto path = p.folder.path() / "missing" / "r.hex";
    EXPECT_FALSE(SaveHexFile(p.ctx, path));
    ASSERT_EQ(p.ui.messages.size(), 1u);
    EXPECT_EQ(p.ui.messages[0].text,
              "FileSave Error!!\r\n" + path.string() + ": " + std::generic_category().message(ENOENT));
}

} // namespace
} // namespace klt
