#include "sync/time_reply.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace horavia {
namespace {

std::string Bytes(std::initializer_list<unsigned char> values) {
    std::string text;
    for (unsigned char v : values) text.push_back(static_cast<char>(v));
    return text;
}

TEST(TimeReply, WorkedExamples) {
    // Read in the first era (a clock set in it): seconds / 86400 + 2, day 2 being 1900-01-01.
    EXPECT_EQ(DecodeTimeReplyNear(Bytes({0, 0, 0, 0}), 2.0), 2.0);  // 1900-01-01 00:00:00
    EXPECT_EQ(DecodeTimeReplyNear(Bytes({0xBD, 0xFA, 0x47, 0x00}), 36000.0), 36892.0);  // 2001
    EXPECT_EQ(ReplySeconds(Bytes({0xBD, 0xFA, 0x47, 0x00})), 3187296000u);

    // Every byte is unsigned: FF FF FF FF is the largest value, not -1.
    const auto last = DecodeTimeReplyNear(Bytes({0xFF, 0xFF, 0xFF, 0xFF}), 49000.0);
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
    EXPECT_FALSE(DecodeTimeReplyNear("", 46000.0));
    EXPECT_FALSE(DecodeTimeReplyNear(Bytes({0}), 46000.0));
    EXPECT_FALSE(DecodeTimeReplyNear(Bytes({0xBD, 0xFA, 0x47}), 46000.0));
}

// The count wraps on 2036-02-07 06:28:16 UTC: a reply is read in the era nearest to the
// computer's clock, on whichever side of the wrap either of them is.
TEST(TimeReply, EachReplyIsReadInTheEraNearestTheComputersClock) {
    const struct {
        std::string reply;
        DayCount clock;  // UTC
        DayCount expected;
    } cases[] = {
        // Just before the wrap, read just after it, and the other way round.
        {Bytes({0xFF, 0xFF, 0xFF, 0xFB}), FromCivil(2036, 2, 7, 6, 28, 20),
         FromCivil(2036, 2, 7, 6, 28, 11)},
        {Bytes({0x00, 0x00, 0x00, 0x04}), FromCivil(2036, 2, 7, 6, 28, 10),
         FromCivil(2036, 2, 7, 6, 28, 20)},
        {Bytes({0x00, 0x00, 0x00, 0x04}), FromCivil(2036, 2, 7, 6, 28, 25),
         FromCivil(2036, 2, 7, 6, 28, 20)},
        {Bytes({0xFF, 0xFF, 0xFF, 0xFB}), FromCivil(2036, 2, 7, 6, 28, 5),
         FromCivil(2036, 2, 7, 6, 28, 11)},
        // A server five seconds behind a clock at 2036-03-01 00:00:05.
        {Bytes({0x00, 0x1D, 0xF7, 0x80}), FromCivil(2036, 3, 1, 0, 0, 5), FromCivil(2036, 3, 1)},
        // A clock 60 years away still reads the nearest era, on either side.
        {Bytes({0xBD, 0xFA, 0x47, 0x00}), FromCivil(2061, 1, 1), FromCivil(2001, 1, 1)},
        {Bytes({0x66, 0x3C, 0x5F, 0xC0}), FromCivil(2030, 6, 15), FromCivil(2090, 6, 15, 12)},
        {Bytes({0x66, 0x3C, 0x5F, 0xC0}), FromCivil(1960, 1, 1), FromCivil(1954, 5, 10, 5, 31, 44)},
        // Zero is the wrap itself today, and 1900 only to a clock near 1900.
        {Bytes({0, 0, 0, 0}), FromCivil(2026, 1, 1), FromCivil(2036, 2, 7, 6, 28, 16)},
        {Bytes({0, 0, 0, 0}), FromCivil(1901, 1, 1), 2.0},
        // Never an era before 1900, however near it the clock is.
        {Bytes({0xBD, 0x00, 0x00, 0x00}), FromCivil(1900, 1, 1, 5, 2, 56),
         2.0 + 3170893824.0 / 86400.0},
    };
    for (const auto& c : cases) {
        const auto read = DecodeTimeReplyNear(c.reply, c.clock);
        ASSERT_TRUE(read);
        EXPECT_NEAR(*read, c.expected, 1e-9) << "clock " << c.clock << ": read " << *read;
    }
    // Without a usable clock the first era is all there is.
    EXPECT_EQ(DecodeTimeReplyNear(Bytes({0, 0, 0, 0}), std::nan("")), 2.0);
}

}  // namespace
}  // namespace horavia
