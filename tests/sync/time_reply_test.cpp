#include "sync/time_reply.h"

#include <gtest/gtest.h>

#include <string>

namespace horavia {
namespace {

std::string Bytes(std::initializer_list<unsigned char> values) {
    std::string text;
    for (unsigned char v : values) text.push_back(static_cast<char>(v));
    return text;
}

TEST(TimeReply, WorkedExamples) {
    EXPECT_EQ(DecodeTimeReply(Bytes({0, 0, 0, 0})), 2.0);                  // 1900-01-01 00:00:00
    EXPECT_EQ(DecodeTimeReply(Bytes({0xBD, 0xFA, 0x47, 0x00})), 36892.0);  // 2001-01-01
    EXPECT_EQ(ReplySeconds(Bytes({0xBD, 0xFA, 0x47, 0x00})), 3187296000u);

    // Every byte is unsigned: FF FF FF FF is the largest value, not -1.
    const auto last = DecodeTimeReply(Bytes({0xFF, 0xFF, 0xFF, 0xFF}));
    ASSERT_TRUE(last);
    const auto civil = ToCivil(*last);
    ASSERT_TRUE(civil);
    EXPECT_EQ(civil->year, 2036);
    EXPECT_EQ(civil->month, 2);
    EXPECT_EQ(civil->day, 7);
    EXPECT_EQ(civil->hour, 6);
    EXPECT_EQ(civil->minute, 28);
    EXPECT_EQ(civil->second, 15);
    EXPECT_EQ(civil->millisecond, 0);
}

TEST(TimeReply, OnlyTheFirstFourBytesCount) {
    EXPECT_EQ(ReplySeconds(Bytes({0x01, 0x02, 0x03, 0x04, 0xFF, 0xEE, 0x00})), 0x01020304u);
    EXPECT_EQ(ReplySeconds(Bytes({0x80, 0x00, 0x00, 0x01})), 0x80000001u);
}

TEST(TimeReply, ShortRepliesFail) {
    EXPECT_FALSE(DecodeTimeReply(""));
    EXPECT_FALSE(DecodeTimeReply(Bytes({0})));
    EXPECT_FALSE(DecodeTimeReply(Bytes({0xBD, 0xFA, 0x47})));
}

}  // namespace
}  // namespace horavia
