#include "sync/server_test_text.h"

#include <gtest/gtest.h>

#include "ui/main/message_text.h"
#include "utc_at.h"

namespace horavia {
namespace {

using test::UtcAt;

TEST(ServerTestText, TimeProtocolDifferenceCutsBothMomentsToWholeSeconds) {
    const Instant server = UtcAt(2025, 12, 9, 12, 0, 5);
    EXPECT_EQ(MeasureServerDifference("h", server, UtcAt(2025, 12, 9, 12, 0, 0)).seconds, 5);
    EXPECT_EQ(MeasureServerDifference("h", server, UtcAt(2025, 12, 9, 12, 0, 10)).seconds, -5);
    EXPECT_EQ(MeasureServerDifference("h", server, UtcAt(2025, 12, 10, 12, 0, 5)).seconds, -86400);
    // Fractions of the computer's clock are cut like the server's.
    EXPECT_EQ(MeasureServerDifference("h", server, UtcAt(2025, 12, 9, 12, 0, 4, 900)).seconds, 1);
    EXPECT_EQ(MeasureServerDifference("h", server, UtcAt(2025, 12, 9, 12, 0, 5, 999)).seconds, 0);
    EXPECT_EQ(MeasureServerDifference("h", server, UtcAt(2025, 12, 9, 12, 0, 6, 1)).seconds, -1);
    // Before 1970 too.
    EXPECT_EQ(
        MeasureServerDifference("h", UtcAt(1960, 1, 1), UtcAt(1959, 12, 31, 23, 59, 58, 1)).seconds,
        2);
    EXPECT_FALSE(MeasureServerDifference("h", server, server).ms);
}

TEST(ServerTestText, NtpAnswersAreMeasuredToTheMillisecond) {
    const Instant computer = UtcAt(2036, 2, 7, 6, 28, 16, 250);
    const struct {
        const char* server;
        int serverMs;  // the server's answer: 06:28:16 UTC plus this
        std::int64_t seconds;
        std::optional<std::int64_t> ms;
    } cases[] = {
        {"ntp:h", 250 + 1499, 1, 1499},  // seconds rounded from the milliseconds
        {"ntp:h", 250 + 1500, 2, 1500},
        {"ntp:h", 250 - 1500, -2, -1500},
        {"ntp:h", 250 - 499, 0, -499},
        {"ntp:h", 250, 0, 0},
        // The Time Protocol keeps cutting both moments to whole seconds.
        {"h", 250 + 1499, 1, std::nullopt},
        {"h", 250 - 499, -1, std::nullopt},
    };
    for (const auto& c : cases) {
        const Instant answer = UtcAt(2036, 2, 7, 6, 28, 16) + std::chrono::milliseconds(c.serverMs);
        const ServerDifference d = MeasureServerDifference(c.server, answer, computer);
        EXPECT_EQ(d.seconds, c.seconds) << c.server << " " << c.serverMs;
        EXPECT_EQ(d.ms, c.ms) << c.server << " " << c.serverMs;
    }
}

TEST(ServerTestText, ThreeLines) {
    EXPECT_EQ(MessageUtf8(ServerTestText("time.example.org", 57, {-3, {}})),
              "Name: time.example.org\nRespons time: 57 ms\n"
              "Difference with local time: -3 s");
    EXPECT_EQ(MessageUtf8(ServerTestText("h", 2000, {12, {}})),
              "Name: h\nRespons time: 2000 ms\nDifference with local time: 12 s");
    EXPECT_EQ(MessageUtf8(ServerTestText("ntp:h", 3, {-5, -5123})),
              "Name: ntp:h\nRespons time: 3 ms\nDifference with local time: -5 s (-5123 ms)");
}

TEST(ServerTestText, NtpAnswersAddAuthenticationOffsetAndDelay) {
    EXPECT_EQ(MessageUtf8(AnswerDetails(true, 2500.26, 0.04)),
              "Authenticated: yes (NTS)\nOffset: 2500.3 ms\nRound-trip delay: 0.0 ms");
    EXPECT_EQ(MessageUtf8(AnswerDetails(false, -1250.0, 12.345)),
              "Authenticated: no\nOffset: -1250.0 ms\nRound-trip delay: 12.3 ms");
    EXPECT_TRUE(AnswerDetails(false, std::nullopt, std::nullopt).empty())
        << "the Time Protocol's answer has no offset";
    TimeAnswer failed;
    EXPECT_EQ(MessageUtf8(ConnectionFailedText(failed)), "Connection failed!");
    failed.problem = Message{MessageId::NtsKeyExchangeFailed, {"could not connect to h"}};
    EXPECT_EQ(MessageUtf8(ConnectionFailedText(failed)),
              "Connection failed!\nNTS key exchange failed: could not connect to h");
}

}  // namespace
}  // namespace horavia
