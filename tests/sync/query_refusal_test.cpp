// Servers that answer without a time: what the user is told, and that the program does what
// the server asked (wait, or never again).
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>
#include <optional>

#include "fake_ntp_server.h"
#include "fake_time_server.h"
#include "manual_query_clock.h"
#include "sync/query_failure.h"
#include "sync/query_pacer.h"
#include "sync/server_time_query.h"
#include "sync/test_server_command.h"
#include "ui/main/message_text.h"

namespace horavia {
namespace {

using test::FakeNtpServer;
using test::FakeTimeServer;

const std::string kAskLessOften1 =
    "The time server asks to be queried less often; it will not be asked again for 1 minute(s).";

// One query, the whole answer; a lost answer fails the test after ten seconds.
TimeAnswer Ask(ServerTimeQuery& query, const std::string& server) {
    QEventLoop loop;
    std::optional<TimeAnswer> answer;
    const auto connection =
        QObject::connect(&query, &ServerTimeQuery::finished, &loop, [&](const TimeAnswer& found) {
            answer = found;
            loop.quit();
        });
    EXPECT_TRUE(query.Start(server)) << server;
    if (!answer) {
        QTimer::singleShot(10'000, &loop, &QEventLoop::quit);
        loop.exec();
    }
    QObject::disconnect(connection);
    EXPECT_TRUE(answer.has_value()) << server;
    return answer.value_or(TimeAnswer{});
}

TEST(QueryRefusal, EveryReasonIsToldInItsOwnWordsByTestServer) {
    const struct {
        const char* what;
        FakeNtpServer::Mode ntpMode;
        QByteArray kissCode;
        FakeTimeServer::Mode timeMode;
        const char* server;
        std::string text;
    } cases[] = {
        {"RATE", FakeNtpServer::Mode::KissOfDeath, "RATE", FakeTimeServer::Mode::Normal,
         "ntp:127.0.0.1", kAskLessOften1},
        {"DENY", FakeNtpServer::Mode::KissOfDeath, "DENY", FakeTimeServer::Mode::Normal,
         "ntp:127.0.0.1",
         "The time server refuses to answer this computer; it will not be asked again while "
         "Horavia runs."},
        {"RSTR", FakeNtpServer::Mode::KissOfDeath, "RSTR", FakeTimeServer::Mode::Normal,
         "ntp:127.0.0.1",
         "The time server refuses to answer this computer; it will not be asked again while "
         "Horavia runs."},
        {"INIT", FakeNtpServer::Mode::KissOfDeath, "INIT", FakeTimeServer::Mode::Normal,
         "ntp:127.0.0.1", "The time server is not synchronised; its time was not used."},
        {"LI 3",
         FakeNtpServer::Mode::Unsynchronised,
         {},
         FakeTimeServer::Mode::Normal,
         "ntp:127.0.0.1",
         "The time server is not synchronised; its time was not used."},
        {"stratum 16",
         FakeNtpServer::Mode::Stratum16,
         {},
         FakeTimeServer::Mode::Normal,
         "ntp:127.0.0.1",
         "The time server is not synchronised; its time was not used."},
        {"zero stamps",
         FakeNtpServer::Mode::NoStamps,
         {},
         FakeTimeServer::Mode::Normal,
         "ntp:127.0.0.1",
         "The time server sent an incomplete answer."},
        {"three bytes",
         FakeNtpServer::Mode::Normal,
         {},
         FakeTimeServer::Mode::ThreeBytes,
         "127.0.0.1",
         "The time server sent an incomplete answer."},
    };
    for (const auto& c : cases) {
        FakeNtpServer ntp(c.ntpMode);
        if (!c.kissCode.isEmpty()) ntp.SetKissCode(c.kissCode);
        FakeTimeServer time(c.timeMode);
        ASSERT_TRUE(ntp.Listen());
        ASSERT_TRUE(time.Listen());
        QString output;
        QTextStream out(&output);
        EXPECT_EQ(RunTestServerCommand(c.server, {time.Port(), ntp.Port()}, out,
                                       [](const MessageLines& m) { return MessageText(m); }),
                  1)
            << c.what;
        EXPECT_EQ(output.toStdString(), c.text + "\n") << c.what;
    }
}

// The second query to a server that asked to be queried less often is not sent while the
// back-off runs; each further RATE doubles the back-off.
TEST(QueryRefusal, RateBacksOff) {
    FakeNtpServer ntp(FakeNtpServer::Mode::KissOfDeath);
    FakeTimeServer time(FakeTimeServer::Mode::Normal);
    time.SetSeconds(FakeTimeServer::NowSeconds());
    ASSERT_TRUE(ntp.Listen());
    ASSERT_TRUE(time.Listen());
    QueryPacer pacer;
    test::ManualQueryClock clock;
    ServerTimeQuery query(&SystemUtcNow, pacer, {time.Port(), ntp.Port()}, nullptr, {&clock});

    TimeAnswer answer = Ask(query, "ntp:127.0.0.1");
    EXPECT_FALSE(answer.answered);
    EXPECT_EQ(answer.failure, QueryFailure::AskLessOften);
    EXPECT_EQ(answer.retryInMs, kFirstBackOffMs);
    ASSERT_EQ(ntp.Arrivals().size(), 1u);

    clock.Advance(kFirstBackOffMs - 1000);
    answer = Ask(query, "NTP:127.0.0.1");
    EXPECT_EQ(answer.failure, QueryFailure::AskLessOften);
    EXPECT_EQ(answer.retryInMs, 1000);
    EXPECT_EQ(MessageUtf8(QueryFailureText(answer.failure, answer.retryInMs, {})), kAskLessOften1);
    EXPECT_EQ(Ask(query, "127.0.0.1").failure, QueryFailure::AskLessOften)
        << "the same host over the Time Protocol";
    EXPECT_EQ(ntp.Arrivals().size(), 1u) << "not sent within the back-off";
    EXPECT_EQ(time.Accepted(), 0);

    clock.Advance(1000);
    answer = Ask(query, "ntp:127.0.0.1");
    EXPECT_EQ(ntp.Arrivals().size(), 2u) << "asked again once the back-off is over";
    EXPECT_EQ(answer.retryInMs, 2 * kFirstBackOffMs) << "asked again: twice as long";
    EXPECT_EQ(MessageUtf8(QueryFailureText(answer.failure, answer.retryInMs, {})),
              "The time server asks to be queried less often; it will not be asked again for 2 "
              "minute(s).");

    // Other servers are asked as before.
    EXPECT_TRUE(Ask(query, "localhost").answered);
    EXPECT_EQ(time.Accepted(), 1);
}

TEST(QueryRefusal, AServerThatRefusesThisClientIsNeverAskedAgain) {
    for (const QByteArray code : {"DENY", "RSTR"}) {
        FakeNtpServer ntp(FakeNtpServer::Mode::KissOfDeath);
        ntp.SetKissCode(code);
        FakeTimeServer time(FakeTimeServer::Mode::Normal);
        time.SetSeconds(FakeTimeServer::NowSeconds());
        ASSERT_TRUE(ntp.Listen());
        ASSERT_TRUE(time.Listen());
        QueryPacer pacer;
        test::ManualQueryClock clock;
        ServerTimeQuery query(&SystemUtcNow, pacer, {time.Port(), ntp.Port()}, nullptr, {&clock});

        EXPECT_EQ(Ask(query, "ntp:127.0.0.1").failure, QueryFailure::RefusesClient);
        clock.Advance(24 * 3'600'000);
        EXPECT_EQ(Ask(query, "ntp:127.0.0.1").failure, QueryFailure::RefusesClient);
        EXPECT_EQ(Ask(query, "127.0.0.1").failure, QueryFailure::RefusesClient);
        EXPECT_EQ(ntp.Arrivals().size(), 1u) << code.constData();
        EXPECT_EQ(time.Accepted(), 0) << code.constData();
        EXPECT_TRUE(Ask(query, "localhost").answered) << "another server is asked";
    }
}

// A server that is not synchronised, or sent too little, may be asked again at the usual pace.
TEST(QueryRefusal, PacerHoldsOnlyWhatTheServerAskedFor) {
    QueryPacer pacer(4000);
    for (QueryFailure failure :
         {QueryFailure::NoAnswer, QueryFailure::Unsynchronised, QueryFailure::Incomplete}) {
        EXPECT_EQ(pacer.NoteFailure("a", failure, 0), 0);
        EXPECT_FALSE(pacer.Refusal("a", 0).has_value());
    }
    std::int64_t now = 0;
    std::vector<std::int64_t> backOffs;
    for (int i = 0; i < 9; ++i) {
        backOffs.push_back(pacer.NoteFailure("b", QueryFailure::AskLessOften, now));
        const auto standing = pacer.Refusal("b", now + 1);
        ASSERT_TRUE(standing.has_value());
        EXPECT_EQ(standing->failure, QueryFailure::AskLessOften);
        EXPECT_EQ(standing->waitMs, backOffs.back() - 1);
        now += backOffs.back();
        EXPECT_FALSE(pacer.Refusal("b", now).has_value()) << "over at its end";
    }
    EXPECT_EQ(backOffs, (std::vector<std::int64_t>{60'000, 120'000, 240'000, 480'000, 960'000,
                                                   1'920'000, 3'600'000, 3'600'000, 3'600'000}));
    EXPECT_FALSE(pacer.Refusal("a", now).has_value()) << "each server its own";

    pacer.NoteFailure("c", QueryFailure::RefusesClient, 0);
    const auto refused = pacer.Refusal("c", std::int64_t{1} << 50);
    ASSERT_TRUE(refused.has_value());
    EXPECT_EQ(refused->failure, QueryFailure::RefusesClient);
}

}  // namespace
}  // namespace horavia
