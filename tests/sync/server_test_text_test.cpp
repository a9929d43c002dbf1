#include "sync/server_test_text.h"

#include <gtest/gtest.h>

namespace horavia {
namespace {

TEST(ServerTestText, DifferenceIsServerMinusComputerInUtc) {
    const DayCount server = FromCivil(2025, 12, 9, 12, 0, 5);  // UTC, whole seconds
    // The computer runs in UTC+2 (bias -120): its local clock reads 14:00.
    EXPECT_EQ(ServerDifferenceSeconds(server, FromCivil(2025, 12, 9, 14, 0, 0), -120), 5);
    EXPECT_EQ(ServerDifferenceSeconds(server, FromCivil(2025, 12, 9, 14, 0, 10), -120), -5);
    // UTC-5 (bias 300).
    EXPECT_EQ(ServerDifferenceSeconds(server, FromCivil(2025, 12, 9, 7, 0, 5), 300), 0);
    // A computer a whole day ahead.
    EXPECT_EQ(ServerDifferenceSeconds(server, FromCivil(2025, 12, 10, 12, 0, 5), 0), -86400);
}

TEST(ServerTestText, FractionsOfTheComputerClockAreCutLikeTheServers) {
    const DayCount server = FromCivil(2025, 12, 9, 12, 0, 5);
    EXPECT_EQ(ServerDifferenceSeconds(server, FromCivil(2025, 12, 9, 12, 0, 4, 900), 0), 1);
    EXPECT_EQ(ServerDifferenceSeconds(server, FromCivil(2025, 12, 9, 12, 0, 5, 999), 0), 0);
    EXPECT_EQ(ServerDifferenceSeconds(server, FromCivil(2025, 12, 9, 12, 0, 6, 1), 0), -1);
}

TEST(ServerTestText, NtpAnswersAreMeasuredToTheMillisecond) {
    const DayCount computer = FromCivil(2036, 2, 7, 8, 28, 16, 250);  // local, UTC+2
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
        const DayCount answer = FromCivil(2036, 2, 7, 6, 28, 16, c.serverMs);
        const ServerDifference d = MeasureServerDifference(c.server, answer, computer, -120);
        EXPECT_EQ(d.seconds, c.seconds) << c.server << " " << c.serverMs;
        EXPECT_EQ(d.ms, c.ms) << c.server << " " << c.serverMs;
    }
}

TEST(ServerTestText, ThreeLines) {
    EXPECT_EQ(ServerTestText("time.example.org", 57, {-3, {}}, "\r\n"),
              "Name: time.example.org\r\nRespons time: 57 ms\r\n"
              "Difference with local time: -3 s");
    EXPECT_EQ(ServerTestText("h", 2000, {12, {}}, "\n"),
              "Name: h\nRespons time: 2000 ms\nDifference with local time: 12 s");
    EXPECT_EQ(ServerTestText("ntp:h", 3, {-5, -5123}, "\n"),
              "Name: ntp:h\nRespons time: 3 ms\nDifference with local time: -5 s (-5123 ms)");
}

}  // namespace
}  // namespace horavia
