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

TEST(ServerTestText, ThreeLines) {
    EXPECT_EQ(ServerTestText("time.example.org", 57, -3, "\r\n"),
              "Name: time.example.org\r\nRespons time: 57 ms\r\n"
              "Difference with local time: -3 s");
    EXPECT_EQ(ServerTestText("h", 2000, 12, "\n"),
              "Name: h\nRespons time: 2000 ms\nDifference with local time: 12 s");
}

}  // namespace
}  // namespace horavia
