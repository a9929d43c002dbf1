#include "sync/server_choice.h"

#include <gtest/gtest.h>

#include <map>

#include "tests/sync/sync_fakes.h"

namespace horavia {
namespace {

ServerResult Answer(const std::string& host, std::int32_t diff, std::int32_t respons) {
    return {host, diff, respons};
}
ServerResult Silent(const std::string& host) {
    return {host, 0, kNoAnswerRespons};
}

TEST(ServerChoice, WorkedExampleProposesTheThird) {
    const std::vector<ServerResult> results = {Answer("a", 2, 100), Answer("b", 0, 105),
                                               Answer("c", -2, 90)};
    ASSERT_EQ(MeanDifference(results), 0);
    EXPECT_EQ(ServerScore(results[0], 0), 102);
    EXPECT_EQ(ServerScore(results[1], 0), 105);
    EXPECT_EQ(ServerScore(results[2], 0), 92);
    EXPECT_EQ(ChooseServer(results), 2u);
}

TEST(ServerChoice, MeanOfTheAnsweringServersRoundsHalfToEven) {
    auto mean = [](std::vector<std::int32_t> diffs) {
        std::vector<ServerResult> results = {Silent("dead")};  // never counted
        for (std::int32_t d : diffs) results.push_back(Answer("x", d, 10));
        return MeanDifference(results);
    };
    EXPECT_EQ(mean({1, 2}), 2);    // 1.5
    EXPECT_EQ(mean({1, 0}), 0);    // 0.5
    EXPECT_EQ(mean({3, 2}), 2);    // 2.5
    EXPECT_EQ(mean({-1, 0}), 0);   // -0.5
    EXPECT_EQ(mean({-3, 0}), -2);  // -1.5
    EXPECT_EQ(mean({-5, 0}), -2);  // -2.5
    EXPECT_EQ(mean({1, 1, 2}), 1);
    EXPECT_EQ(mean({-1, -1, -2}), -1);
    EXPECT_EQ(mean({7}), 7);
    EXPECT_FALSE(MeanDifference({Silent("a"), Silent("b")}).has_value());
    EXPECT_FALSE(MeanDifference({}).has_value());
}

TEST(ServerChoice, EqualScoresKeepTheLowerIndex) {
    EXPECT_EQ(ChooseServer({Answer("a", 0, 80), Answer("b", 0, 80)}), 0u);
    // The combo's own server, last, loses a tie against a list entry.
    EXPECT_EQ(ChooseServer({Silent("a"), Answer("b", 1, 50), Answer("own", -1, 50)}), 1u);
    EXPECT_EQ(ChooseServer({Answer("a", 0, 60), Answer("b", 0, 50)}), 1u);
}

TEST(ServerChoice, OnlyAnsweringServersAreProposed) {
    EXPECT_EQ(ChooseServer({Silent("a"), Silent("b"), Answer("c", 3, 1999)}), 2u);
    EXPECT_FALSE(ChooseServer({Silent("a"), Silent("b")}).has_value());
    // Servers far from the mean score above a silent one's 5000: still the silent first
    // entry is never proposed.
    EXPECT_EQ(ChooseServer({Silent("a"), Answer("b", 10000, 300), Answer("c", -10000, 200)}), 2u);
}

TEST(ServerChoice, ClocksHoursOffDoNotOverflow) {
    // About eleven hours: beyond 16 bits.
    const std::vector<ServerResult> results = {Answer("a", 40000, 100), Answer("b", 40002, 100),
                                               Answer("c", 39990, 100)};
    EXPECT_EQ(MeanDifference(results), 39997);
    EXPECT_EQ(ServerScore(results[0], 39997), 103);
    EXPECT_EQ(ChooseServer(results), 0u);
    // Differences at the ends of the 32-bit range.
    const std::vector<ServerResult> extreme = {Answer("a", INT32_MAX, 10),
                                               Answer("b", INT32_MIN, 10)};
    EXPECT_EQ(MeanDifference(extreme), 0);  // -0.5 rounds to 0
    EXPECT_EQ(ServerScore(extreme[1], 0), std::int64_t{2147483648} + 10);
    EXPECT_EQ(ChooseServer(extreme), 0u);
}

TEST(ServerChoice, ProposalLines) {
    EXPECT_EQ(ProposalText(Answer("time.example.net", -12, 87)),
              "Do you want to use this server :\r\n\r\nName: time.example.net\r\n"
              "Respons time: 87 ms\r\nDifference with local time: -12 s");
    EXPECT_STREQ(kNoActiveServersText,
                 "No active servers found...\r\nCheck your internet connection!");
}

class Measuring : public ::testing::Test {
  protected:
    // The computer in UTC+2: local 14:00:00 is 12:00:00 UTC.
    FixedClock clock{FromCivil(2026, 5, 4, 14, 0, 0)};
    FixedLocalZone localZone{LocalZoneState{-120, true}};
    test::FakeTimeQuery query;
    test::FakeMessageBox messages;
};

TEST_F(Measuring, AnsweringServer) {
    query.answers.push_back(FromCivil(2026, 5, 4, 12, 0, 9));
    const ServerResult r = MeasureServer("ntp.example", query, clock, localZone);
    EXPECT_EQ(r.Server, "ntp.example");
    EXPECT_EQ(r.Diff, 9);
    EXPECT_EQ(r.Respons, 42);
    EXPECT_TRUE(r.Answered());
}

TEST_F(Measuring, SilentServer) {
    const ServerResult r = MeasureServer("gone.example", query, clock, localZone);
    EXPECT_EQ(r.Server, "gone.example");
    EXPECT_EQ(r.Diff, 0);
    EXPECT_EQ(r.Respons, 5000);
    EXPECT_FALSE(r.Answered());
}

TEST_F(Measuring, DifferencesBeyondThirtyTwoBitsAreLimited) {
    query.answers.push_back(FromCivil(2026, 5, 4, 20, 0, 0));  // 8 hours ahead
    EXPECT_EQ(MeasureServer("h", query, clock, localZone).Diff, 8 * 3600);
    query.answers.push_back(FromCivil(1900, 1, 1));  // 126 years behind
    EXPECT_EQ(MeasureServer("h", query, clock, localZone).Diff, INT32_MIN);
}

TEST_F(Measuring, TestButtonReportsTheAnswer) {
    query.answers.push_back(FromCivil(2026, 5, 4, 11, 59, 57));
    TestServerAndReport("time.example", query, clock, localZone, messages);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "Name: time.example\r\nRespons time: 42 ms\r\nDifference with local time: -3 s");
    EXPECT_EQ(messages.shown[0].title, "Horavia");
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Information);
    EXPECT_EQ(messages.shown[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(query.servers, std::vector<std::string>{"time.example"});
}

TEST_F(Measuring, TestButtonReportsAFailure) {
    TestServerAndReport("nobody.example", query, clock, localZone, messages);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Connection failed!");
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Exclamation);
}

}  // namespace
}  // namespace horavia
