#include "sync/time_reply.h"

#include <gtest/gtest.h>

#include <string>

#include "utc_at.h"

namespace horavia {
namespace {

using test::UtcAt;

std::string Bytes(std::initializer_list<unsigned char> values) {
    std::string text;
    for (unsigned char v : values) text.push_back(static_cast<char>(v));
    return text;
}

TEST(TimeReply, WorkedExamples) {
    // Read in the first era (a clock set in it): seconds since 1900-01-01 00:00:00 UTC.
    EXPECT_EQ(DecodeTimeReplyNear(Bytes({0, 0, 0, 0}), UtcAt(1900, 1, 1)), UtcAt(1900, 1, 1));
    EXPECT_EQ(DecodeTimeReplyNear(Bytes({0xBD, 0xFA, 0x47, 0x00}), UtcAt(1998, 7, 23)),
              UtcAt(2001, 1, 1));
    EXPECT_EQ(ReplySeconds(Bytes({0xBD, 0xFA, 0x47, 0x00})), 3187296000u);

    // Every byte is unsigned: FF FF FF FF is the largest value, not -1.
    EXPECT_EQ(DecodeTimeReplyNear(Bytes({0xFF, 0xFF, 0xFF, 0xFF}), UtcAt(2034, 2, 26)),
              UtcAt(2036, 2, 7, 6, 28, 15));
}

TEST(TimeReply, OnlyTheFirstFourBytesCount) {
    EXPECT_EQ(ReplySeconds(Bytes({0x01, 0x02, 0x03, 0x04, 0xFF, 0xEE, 0x00})), 0x01020304u);
    EXPECT_EQ(ReplySeconds(Bytes({0x80, 0x00, 0x00, 0x01})), 0x80000001u);
}

TEST(TimeReply, ShortRepliesFail) {
    const Instant now = UtcAt(2025, 12, 9);
    EXPECT_FALSE(DecodeTimeReplyNear("", now));
    EXPECT_FALSE(DecodeTimeReplyNear(Bytes({0}), now));
    EXPECT_FALSE(DecodeTimeReplyNear(Bytes({0xBD, 0xFA, 0x47}), now));
}

// The count wraps on 2036-02-07 06:28:16 UTC: a reply is read in the era nearest to the
// computer's clock, on whichever side of the wrap either of them is.
TEST(TimeReply, EachReplyIsReadInTheEraNearestTheComputersClock) {
    const struct {
        std::string reply;
        Instant clock;
        Instant expected;
    } cases[] = {
        // Just before the wrap, read just after it, and the other way round.
        {Bytes({0xFF, 0xFF, 0xFF, 0xFB}), UtcAt(2036, 2, 7, 6, 28, 20),
         UtcAt(2036, 2, 7, 6, 28, 11)},
        {Bytes({0x00, 0x00, 0x00, 0x04}), UtcAt(2036, 2, 7, 6, 28, 10),
         UtcAt(2036, 2, 7, 6, 28, 20)},
        {Bytes({0x00, 0x00, 0x00, 0x04}), UtcAt(2036, 2, 7, 6, 28, 25),
         UtcAt(2036, 2, 7, 6, 28, 20)},
        {Bytes({0xFF, 0xFF, 0xFF, 0xFB}), UtcAt(2036, 2, 7, 6, 28, 5),
         UtcAt(2036, 2, 7, 6, 28, 11)},
        // A server five seconds behind a clock at 2036-03-01 00:00:05.
        {Bytes({0x00, 0x1D, 0xF7, 0x80}), UtcAt(2036, 3, 1, 0, 0, 5), UtcAt(2036, 3, 1)},
        // A clock 60 years away still reads the nearest era, on either side.
        {Bytes({0xBD, 0xFA, 0x47, 0x00}), UtcAt(2061, 1, 1), UtcAt(2001, 1, 1)},
        {Bytes({0x66, 0x3C, 0x5F, 0xC0}), UtcAt(2030, 6, 15), UtcAt(2090, 6, 15, 12)},
        {Bytes({0x66, 0x3C, 0x5F, 0xC0}), UtcAt(1960, 1, 1), UtcAt(1954, 5, 10, 5, 31, 44)},
        // Zero is the wrap itself today, and 1900 only to a clock near 1900.
        {Bytes({0, 0, 0, 0}), UtcAt(2026, 1, 1), UtcAt(2036, 2, 7, 6, 28, 16)},
        {Bytes({0, 0, 0, 0}), UtcAt(1901, 1, 1), UtcAt(1900, 1, 1)},
        // Never an era before 1900, however near it the clock is.
        {Bytes({0xBD, 0x00, 0x00, 0x00}), UtcAt(1900, 1, 1, 5, 2, 56),
         UtcAt(1900, 1, 1) + std::chrono::seconds(3170893824)},
    };
    for (const auto& c : cases) {
        const auto read = DecodeTimeReplyNear(c.reply, c.clock);
        ASSERT_TRUE(read);
        EXPECT_EQ(*read, c.expected) << "clock " << UnixMsOf(c.clock);
    }
    // Without a usable clock the first era is all there is.
    EXPECT_EQ(DecodeTimeReplyNear(Bytes({0, 0, 0, 0}), Instant::max()), UtcAt(1900, 1, 1));
    EXPECT_EQ(DecodeTimeReplyNear(Bytes({0, 0, 0, 1}), Instant::min()), UtcAt(1900, 1, 1, 0, 0, 1));
}

}  // namespace
}  // namespace horavia
