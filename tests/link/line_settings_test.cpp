#include "link/line_settings.h"

#include <gtest/gtest.h>

namespace klt {
namespace {

TEST(LineSettings, TheLinksSettingsReadAndWriteBackTheSame) {
    for (const char *text :
         {"19200,N,8,1", "57600,N,8,1", "9600,E,7,2", "4800,O,5,1", "1200,M,8,1", "300,S,6,2"}) {
        const auto line = ParseLineSettings(text);
        ASSERT_TRUE(line) << text;
        EXPECT_EQ(LineSettingsText(*line), text);
    }
    const auto fast = ParseLineSettings("57600,N,8,1");
    EXPECT_EQ(fast->baud, 57600);
    EXPECT_EQ(fast->parity, 'N');
    EXPECT_EQ(fast->dataBits, 8);
    EXPECT_EQ(fast->stopBits, 1);
}

TEST(LineSettings, AnythingButFourSuchFieldsIsRefused) {
    for (const char *text : {"", "57600", "57600,N,8", "57600,N,8,1,1", "0,N,8,1", "-9600,N,8,1",
                             "57600,X,8,1", "57600,NN,8,1", "57600,,8,1", "57600,N,9,1", "57600,N,4,1",
                             "57600,N,8,3", "57600 ,N,8,1", "57k,N,8,1", "57600,n,8,1"}) {
        EXPECT_FALSE(ParseLineSettings(text)) << '"' << text << '"';
    }
}

} // namespace
} // namespace klt
