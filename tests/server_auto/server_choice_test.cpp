#include "sync/server_choice.h"

#include <gtest/gtest.h>

#include "tests/sync/sync_fakes.h"
#include "tests/sync/utc_at.h"
#include "ui/main/message_text.h"

namespace horavia {
namespace {

// One measurement, the event loop running until it is in.
ServerResult Measure(const std::string& host, TimeQueryPort& query, ClockSource& clock) {
    std::optional<ServerResult> result;
    MeasureServer(host, query, clock, [&](const ServerResult& r) { result = r; });
    test::RunUntil([&] { return result.has_value(); });
    return result.value_or(ServerResult{});
}

// One Test button press, until its message is shown.
void TestServer(const std::string& server, TimeQueryPort& query, ClockSource& clock,
                MessageBoxPort& messages) {
    bool done = false;
    TestServerAndReport(server, query, clock, messages, [&] { done = true; });
    test::RunUntil([&] { return done; });
}

ServerResult Answer(std::int32_t diff, std::int32_t respons) {
    ServerResult r;
    r.Server = "h";
    r.Diff = diff;
    r.Respons = respons;
    return r;
}
const ServerResult kSilent = [] {
    ServerResult r;
    r.Server = "dead";
    return r;
}();

// A server that answers without a time is not a failed connection: the Test button says why.
TEST(ServerChoice, TestButtonTellsWhyAServerGaveNoTime) {
    FixedClock clock{FromCivil(2026, 5, 4, 14, 0, 0), -120};
    test::FakeTimeQuery query;
    test::FakeMessageBox messages;
    query.failure = QueryFailure::RefusesClient;
    TestServer("ntp:time.example", query, clock, messages);
    query.failure = QueryFailure::AskLessOften;
    query.retryInMs = 60'001;
    TestServer("ntp:time.example", query, clock, messages);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text,
              "The time server refuses to answer this computer; it will not be asked again while "
              "Horavia runs.");
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(messages.shown[1].text,
              "The time server asks to be queried less often; it will not be asked again for 2 "
              "minute(s).");
}

TEST(ServerChoice, WorkedExampleProposesTheThird) {
    const std::vector<ServerResult> results = {Answer(2, 100), Answer(0, 105), Answer(-2, 90)};
    ASSERT_EQ(MeanDifference(results), 0);
    EXPECT_EQ(ServerScore(results[0], 0), 102);
    EXPECT_EQ(ServerScore(results[2], 0), 92);
    EXPECT_EQ(ChooseServer(results), 2u);
}

TEST(ServerChoice, MeanOfTheAnsweringServersRoundsHalfToEven) {
    const std::vector<std::pair<std::vector<std::int32_t>, std::int64_t>> cases = {
        {{1, 2}, 2}, {{1, 0}, 0}, {{3, 2}, 2}, {{-1, 0}, 0}, {{-3, 0}, -2}, {{-1, -1, -2}, -1}};
    for (const auto& [diffs, mean] : cases) {
        std::vector<ServerResult> results = {kSilent};  // never counted
        for (std::int32_t d : diffs) results.push_back(Answer(d, 10));
        EXPECT_EQ(MeanDifference(results), mean) << diffs[0] << "," << diffs[1];
    }
    EXPECT_FALSE(MeanDifference({kSilent, kSilent}).has_value());
}

TEST(ServerChoice, TiesKeepTheLowerIndexAndOnlyAnswersAreProposed) {
    EXPECT_EQ(ChooseServer({Answer(0, 80), Answer(0, 80)}), 0u);
    EXPECT_EQ(ChooseServer({kSilent, Answer(1, 50), Answer(-1, 50)}), 1u);
    EXPECT_FALSE(ChooseServer({kSilent, kSilent}).has_value());
    // Both answers score above a silent server's 5000; the silent one is still not proposed.
    EXPECT_EQ(ChooseServer({kSilent, Answer(10000, 300), Answer(-10000, 200)}), 2u);
}

TEST(ServerChoice, ClocksHoursOffDoNotOverflow) {
    // About eleven hours, beyond 16 bits.
    const std::vector<ServerResult> results = {Answer(40000, 100), Answer(40002, 100),
                                               Answer(39990, 100)};
    EXPECT_EQ(MeanDifference(results), 39997);
    EXPECT_EQ(ChooseServer(results), 0u);
    const std::vector<ServerResult> extreme = {Answer(INT32_MAX, 10), Answer(INT32_MIN, 10)};
    EXPECT_EQ(ServerScore(extreme[1], 0), std::int64_t{2147483648} + 10);
    EXPECT_EQ(ChooseServer(extreme), 0u);
    // A difference beyond 32 bits is held at the limit.
    FixedClock clock{FromCivil(2026, 5, 4, 14, 0, 0)};
    test::FakeTimeQuery query;
    query.answers.push_back(test::UtcAt(1900, 1, 1));
    EXPECT_EQ(Measure("old", query, clock).Diff, INT32_MIN);
}

TEST(ServerChoice, TestButtonMessages) {
    // The computer in UTC+2: local 14:00:00 is 12:00:00 UTC.
    FixedClock clock{FromCivil(2026, 5, 4, 14, 0, 0), -120};
    test::FakeTimeQuery query;
    test::FakeMessageBox messages;
    query.answers.push_back(test::UtcAt(2026, 5, 4, 11, 59, 57));
    TestServer("time.example", query, clock, messages);
    TestServer("nobody.example", query, clock, messages);
    // An NTP answer carries milliseconds; the seconds are rounded from them.
    query.answers.push_back(test::UtcAt(2026, 5, 4, 11, 59, 57, 123));
    TestServer("ntp:time.example", query, clock, messages);
    ASSERT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(messages.shown[0].text,
              "Name: time.example\nRespons time: 42 ms\nDifference with local time: -3 s");
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Information);
    EXPECT_EQ(messages.shown[1].text, "Connection failed!");
    EXPECT_EQ(messages.shown[1].icon, MsgIcon::Exclamation);
    EXPECT_EQ(messages.shown[2].text,
              "Name: ntp:time.example\nRespons time: 42 ms\n"
              "Difference with local time: -3 s (-2877 ms)");

    // The proposal of the Auto button shows them too.
    query.answers.push_back(test::UtcAt(2026, 5, 4, 12, 0, 1, 600));
    const ServerResult measured = Measure("ntp:time.example", query, clock);
    EXPECT_EQ(measured.Diff, 2);
    EXPECT_EQ(measured.DiffMs, 1600);
    EXPECT_EQ(MessageUtf8(ProposalText(measured)),
              "Do you want to use this server :\n\nName: ntp:time.example\n"
              "Respons time: 42 ms\nDifference with local time: 2 s (1600 ms)");
}

TEST(ServerChoice, AnAuthenticatedServerIsPreferredWhenOneAnswers) {
    ServerResult nts = Answer(0, 400);
    nts.Authenticated = true;
    ServerResult slowNts = Answer(0, 900);
    slowNts.Authenticated = true;
    EXPECT_EQ(ChooseServer({Answer(0, 20), nts, Answer(0, 30)}), 1u) << "though slower";
    EXPECT_EQ(ChooseServer({Answer(0, 20), slowNts, nts}), 2u) << "the best of those";
    ServerResult silentNts = kSilent;
    silentNts.Authenticated = true;
    EXPECT_EQ(ChooseServer({Answer(0, 90), silentNts, Answer(0, 30)}), 2u)
        << "only an authenticated server that answered counts";
}

TEST(ServerChoice, NtpAndNtsMessagesSayWhetherAuthenticatedWithOffsetAndDelay) {
    FixedClock clock{FromCivil(2026, 5, 4, 14, 0, 0), -120};
    test::FakeTimeQuery query;
    test::FakeMessageBox messages;
    query.details = [](const std::string& server, TimeAnswer& answer) {
        if (!answer.answered) {
            answer.problem =
                Message{MessageId::NtsKeyExchangeFailed,
                        {"the server's certificate was refused (certificate has expired)"}};
            return;
        }
        answer.authenticated = server.rfind("nts:", 0) == 0;
        answer.offsetMs = -2876.6;
        answer.delayMs = 18.25;
    };
    query.answers.push_back(test::UtcAt(2026, 5, 4, 11, 59, 57, 123));
    TestServer("nts:time.example", query, clock, messages);
    query.answers.push_back(test::UtcAt(2026, 5, 4, 11, 59, 57, 123));
    TestServer("ntp:time.example", query, clock, messages);
    TestServer("nts:expired.example", query, clock, messages);
    ASSERT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(messages.shown[0].text,
              "Name: nts:time.example\nRespons time: 42 ms\n"
              "Difference with local time: -3 s (-2877 ms)\nAuthenticated: yes (NTS)\n"
              "Offset: -2876.6 ms\nRound-trip delay: 18.2 ms");
    EXPECT_EQ(messages.shown[1].text,
              "Name: ntp:time.example\nRespons time: 42 ms\n"
              "Difference with local time: -3 s (-2877 ms)\nAuthenticated: no\n"
              "Offset: -2876.6 ms\nRound-trip delay: 18.2 ms");
    EXPECT_EQ(messages.shown[2].text,
              "Connection failed!\nNTS key exchange failed: the server's certificate was "
              "refused (certificate has expired)");
    EXPECT_EQ(messages.shown[2].icon, MsgIcon::Exclamation);

    query.answers.push_back(test::UtcAt(2026, 5, 4, 12, 0, 1, 600));
    const ServerResult measured = Measure("nts:time.example", query, clock);
    EXPECT_TRUE(measured.Authenticated);
    EXPECT_EQ(MessageUtf8(ProposalText(measured)),
              "Do you want to use this server :\n\nName: nts:time.example\n"
              "Respons time: 42 ms\nDifference with local time: 2 s (1600 ms)\n"
              "Authenticated: yes (NTS)\nOffset: -2876.6 ms\nRound-trip delay: 18.2 ms");
}

}  // namespace
}  // namespace horavia
