// Numbers in the image and in files mean the same under a decimal-comma locale: a German desktop must
// program 156.05 MHz as 156.05 MHz and keep it in its files as "156.05".

#include "files/section_table.h"
#include "files/settings_file_format.h"
#include "files/settings_reader.h"
#include "files/settings_writer.h"
#include "model/decimal_format.h"
#include "model/freq_codec.h"
#include "support/random_config.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace klt {
namespace {

using settings_file::Real;
using settings_file::ToReal;

TEST(DecimalCommaLocale, FrequenciesReachTheImageAndTheFileUnchanged) {
    const test::DecimalCommaLocale german;
    ASSERT_TRUE(german.ok()) << "the de_DE.UTF-8 locale is missing: scripts/install-deps generates it";
    EXPECT_EQ(FreqToBcd(156.05), (FreqBytes{0x56, 0x05, 0x00}));
    EXPECT_EQ(FreqToBcd(161.425), (FreqBytes{0x61, 0x42, 0x50}));
    EXPECT_EQ(FreqText3(156.0125), "156.013");
    EXPECT_EQ(FormatFixed(-2.5, 1, 2), "-2.50");
    EXPECT_EQ(Real(156.05), "156.05");
    EXPECT_EQ(ToReal("156.05"), 156.05);
    EXPECT_EQ(ToReal("156,05"), 156.05);
    EXPECT_EQ(ToReal("+7"), 7.0);
    EXPECT_EQ(ToReal("1.2.3"), std::nullopt);
}

TEST(DecimalCommaLocale, ASettingsFileIsTheSameTextAndReadsBack) {
    for (const int model : {1, 3}) {
        std::mt19937 random(static_cast<unsigned>(model) * 7);
        test::TestProgram p(model);
        p.ctx.Config = test::RandomConfiguration(random, model);
        p.ctx.Config.Expansion[0].Rxfreq = 156.05;
        p.ctx.Config.Expansion[0].Txfreq = 161.425;
        const std::string plain =
            ComposeSettingsText(p.ctx.Config, p.ctx.CurrentModel, p.ctx.ModelName, false);

        const test::DecimalCommaLocale german;
        ASSERT_TRUE(german.ok());
        EXPECT_EQ(ComposeSettingsText(p.ctx.Config, p.ctx.CurrentModel, p.ctx.ModelName, false), plain);
        EXPECT_NE(plain.find("Rxfreq=156.05\r\nTxfreq=161.425\r\n"), std::string::npos);
        Configuration read = test::RandomConfiguration(random, model);
        ApplySettingsTable(SectionTable::Parse(plain), read, ModelNo(model), false);
        EXPECT_EQ(read.Expansion[0].Rxfreq, 156.05);
        EXPECT_EQ(ComposeSettingsText(read, p.ctx.CurrentModel, p.ctx.ModelName, false), plain);
    }
}

// A value written reads back as itself, however large or small; what is no number is refused.
TEST(SettingsFileNumbers, EveryWrittenValueReadsBackTheSame) {
    for (const double value : {1e300, -1e300, std::numeric_limits<double>::max(), 1e-20, 5e-324, 1e15,
                               123456789012345.0, 0.5, -0.0001, 156.05}) {
        const std::string text = Real(value);
        EXPECT_EQ(text.find_first_of("e,"), std::string::npos) << text;
        EXPECT_EQ(ToReal(text), value) << text;
    }
    EXPECT_EQ(Real(0.1 + 0.2), "0.3"); // 15 significant digits, as the file always had
    EXPECT_EQ(ToReal(Real(std::nan(""))), std::nullopt);
    EXPECT_EQ(ToReal(Real(std::numeric_limits<double>::infinity())), std::nullopt);
    EXPECT_EQ(ToReal(std::string(400, '9')), std::nullopt);
}

} // namespace
} // namespace klt
