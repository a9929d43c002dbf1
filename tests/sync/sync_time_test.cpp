#include "sync/sync_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

#include "answer_wait.h"
#include "sync_fakes.h"

namespace horavia {
namespace {

using test::FakeClockSetter;
using test::FakeMessageBox;
using test::FakeTimeQuery;

constexpr DayCount kNow = 46000.5;   // 2025-12-09 12:00 local
constexpr std::int32_t kBias = -60;  // UTC = local - 1 h
constexpr double kSecond = 1.0 / 86400.0;

// The instant of a UTC day count, as the clock setter gets it.
Instant Utc(DayCount utc) {
    return InstantOfLocal(utc, 0).value();
}

// The server's answer that puts it `seconds` ahead of the computer's local clock.
Instant AnswerAhead(double seconds, DayCount nowLocal = kNow) {
    return Utc(nowLocal + kBias / 1440.0) + std::chrono::milliseconds(std::llround(seconds * 1000));
}

struct Fixture {
    FakeTimeQuery query;
    FakeClockSetter setter;
    FakeMessageBox box;
    FixedClock clock{kNow, kBias};
    MemorySettingsStore store;
    TimeSynchroniser sync{query, setter, box, clock, store};

    SyncOutcome Sync(const std::string& server) { return test::AwaitSync(sync, server); }

    // The user answers the question `seconds` after it was asked; the clock moves on.
    void AnswerAfter(double seconds) {
        box.whileOpen = [this, seconds] { clock.Set(clock.NowLocal() + seconds * kSecond); };
    }
};

const std::string kBody = "The difference between local and atomic time\nis ";

TEST(SyncTime, FailedQueryShowsNothingAndChangesNothing) {
    Fixture f;
    f.query.answers = {std::nullopt};
    EXPECT_EQ(f.Sync("time.example"), SyncOutcome::QueryFailed);
    EXPECT_EQ(f.query.servers, std::vector<std::string>{"time.example"});
    EXPECT_TRUE(f.box.shown.empty());
    EXPECT_TRUE(f.setter.calls.empty());
}

// "Sync Now!" was the user's own request: a query that brings no time is told, with the
// server's reason. The start-up and the schedule stay quiet whatever the reason.
TEST(SyncTime, OnlyTheUsersRequestTellsWhyNoTimeCame) {
    const struct {
        QueryFailure failure;
        std::int64_t retryInMs;
        std::string reason;
    } cases[] = {
        {QueryFailure::NoAnswer, 0, "The time server did not answer."},
        {QueryFailure::AskLessOften, 90'000,
         "The time server asks to be queried less often; it will not be asked again for 2 "
         "minute(s)."},
        {QueryFailure::RefusesClient, 0,
         "The time server refuses to answer this computer; it will not be asked again while "
         "Horavia runs."},
        {QueryFailure::Unsynchronised, 0,
         "The time server is not synchronised; its time was not used."},
        {QueryFailure::Incomplete, 0, "The time server sent an incomplete answer."},
    };
    for (const auto& c : cases) {
        Fixture f;
        f.query.failure = c.failure;
        f.query.retryInMs = c.retryInMs;
        f.query.answers = {std::nullopt, std::nullopt};
        EXPECT_EQ(f.Sync("time.example"), SyncOutcome::QueryFailed);
        EXPECT_TRUE(f.box.shown.empty()) << c.reason << ": automatic";

        EXPECT_EQ(test::AwaitSync(f.sync, "time.example", SyncRequest::User),
                  SyncOutcome::QueryFailed);
        ASSERT_EQ(f.box.shown.size(), 1u) << c.reason;
        EXPECT_EQ(f.box.shown[0].text, c.reason + "\nThe computer's clock was not changed.");
        EXPECT_EQ(f.box.shown[0].title, "Horavia");
        EXPECT_EQ(f.box.shown[0].icon, MsgIcon::Exclamation);
        EXPECT_EQ(f.box.shown[0].buttons, MsgButtons::Ok);
        EXPECT_TRUE(f.setter.calls.empty());
    }

    // A key exchange that failed says why.
    Fixture nts;
    nts.query.answers = {std::nullopt};
    nts.query.details = [](const std::string&, TimeAnswer& answer) {
        answer.problem =
            Message{MessageId::NtsKeyExchangeFailed, {"the certificate is not trusted"}};
    };
    EXPECT_EQ(test::AwaitSync(nts.sync, "nts:time.example", SyncRequest::User),
              SyncOutcome::QueryFailed);
    ASSERT_EQ(nts.box.shown.size(), 1u);
    EXPECT_EQ(nts.box.shown[0].text,
              "The time server did not answer.\nNTS key exchange failed: the certificate is "
              "not trusted\nThe computer's clock was not changed.");

    // The user said Yes, and the second query brought nothing.
    Fixture f;
    f.query.answers = {AnswerAhead(600), std::nullopt};
    f.box.answer = MsgAnswer::Yes;
    EXPECT_EQ(test::AwaitSync(f.sync, "time.example", SyncRequest::User),
              SyncOutcome::SecondQueryFailed);
    ASSERT_EQ(f.box.shown.size(), 2u);
    EXPECT_EQ(f.box.shown[1].text,
              "The time server did not answer.\nThe computer's clock was not changed.");
    EXPECT_TRUE(f.setter.calls.empty());
}

TEST(SyncTime, SmallDifferenceSetsTheClockWithoutAsking) {
    // Never more than 90 seconds from the clock: from there on, the user is asked.
    for (double seconds : {0.0, 40.0, -40.0, 89.0, -89.999}) {
        Fixture f;
        f.query.answers = {AnswerAhead(seconds)};
        EXPECT_EQ(f.Sync("s"), SyncOutcome::ClockSet) << seconds;
        EXPECT_TRUE(f.box.shown.empty()) << seconds;
        ASSERT_EQ(f.setter.calls.size(), 1u);
        // The server's instant, without any correction.
        EXPECT_EQ(f.setter.calls[0], AnswerAhead(seconds)) << seconds;
    }
}

// The system may ask for the right to set the clock (polkit's password dialog) only when the
// user is there to answer: for "Sync Now!" and after a Yes; never at start-up or on schedule.
TEST(SyncTime, TheSystemMayAskForTheRightOnlyWhenTheUserAsked) {
    using P = ClockSetPrompt;
    const struct {
        SyncRequest request;
        double seconds;
        P prompt;
    } cases[] = {{SyncRequest::Automatic, 40, P::Never},
                 {SyncRequest::User, 40, P::Allowed},
                 {SyncRequest::Automatic, 600, P::Allowed},
                 {SyncRequest::User, -600, P::Allowed}};
    for (const auto& c : cases) {
        Fixture f;
        f.query.answers = {AnswerAhead(c.seconds), AnswerAhead(c.seconds)};
        EXPECT_EQ(test::AwaitSync(f.sync, "s", c.request), SyncOutcome::ClockSet) << c.seconds;
        EXPECT_EQ(f.setter.prompts, std::vector<P>{c.prompt}) << c.seconds;
    }
}

// Differences in seconds and the expected question: minutes, and the hour warning (0: none).
struct QuestionCase {
    double seconds;
    int minutes;
    int warningHours;
};

TEST(SyncTime, QuestionTextAndHourWarningFollowTheThresholds) {
    const QuestionCase cases[] = {
        {100, 2, 0},          {-100, 2, 0},     {150, 2, 0},      {210, 4, 0},
        {5 * 60, 5, 0},       {6 * 60, 6, 0},   {54 * 60, 54, 0}, {55 * 60, 55, 1},
        {-59 * 60, 59, 1},    {65 * 60, 65, 1}, {66 * 60, 66, 0}, {175 * 60, 175, 3},
        {-725 * 60, 725, 12}, {90, 2, 0},
    };
    for (const auto& c : cases) {
        Fixture f;
        f.query.answers = {AnswerAhead(c.seconds)};
        f.box.answer = MsgAnswer::No;
        EXPECT_EQ(f.Sync("s"), SyncOutcome::Declined) << c.seconds;
        ASSERT_EQ(f.box.shown.size(), 1u) << c.seconds;
        std::string expected;
        if (c.warningHours != 0) {
            expected = "Local time is " + std::to_string(c.warningHours) +
                       " hour(s) off.\nCheck wether your local timezone is set up "
                       "correctly!\n\n";
        }
        expected +=
            kBody + std::to_string(c.minutes) + " minutes. Should the local\ntime be updated ?";
        EXPECT_EQ(f.box.shown[0].text, expected) << c.seconds;
        EXPECT_EQ(f.box.shown[0].title, "Horavia");
        EXPECT_EQ(f.box.shown[0].buttons, MsgButtons::YesNo);
        EXPECT_EQ(f.box.shown[0].icon, MsgIcon::Question);
        EXPECT_TRUE(f.setter.calls.empty()) << "No leaves the clock alone";
        EXPECT_EQ(f.query.servers.size(), 1u) << "No asks the server only once";
    }
}

TEST(SyncTime, OneHourOffGivesSixLines) {
    EXPECT_EQ(MessageUtf8(SyncQuestionText(60)),
              "Local time is 1 hour(s) off.\n"
              "Check wether your local timezone is set up correctly!\n"
              "\n"
              "The difference between local and atomic time\n"
              "is 60 minutes. Should the local\n"
              "time be updated ?");
}

TEST(SyncTime, YesQueriesAgainAndSetsTheSecondAnswer) {
    Fixture f;
    // A zone set an hour wrong: the answer is set in the computer's (wrong) zone. The user
    // takes ten seconds to answer; the second answer shows the same difference within a second.
    f.AnswerAfter(10);
    const Instant second = AnswerAhead(3600 + 1, kNow + 10 * kSecond);
    f.query.answers = {AnswerAhead(3600), second};
    f.box.answer = MsgAnswer::Yes;
    EXPECT_EQ(f.Sync("srv"), SyncOutcome::ClockSet);
    EXPECT_EQ(f.query.servers, (std::vector<std::string>{"srv", "srv"}));
    ASSERT_EQ(f.setter.calls.size(), 1u);
    EXPECT_EQ(f.setter.calls[0], second);
    EXPECT_EQ(f.box.shown.size(), 1u);
}

// The user confirmed a difference: the second answer is set only when it shows that same
// difference, give or take two seconds, however long the user took to answer (a server that
// keeps time moves on with the computer's clock).
TEST(SyncTime, SecondAnswerIsSetOnlyWhenItShowsTheConfirmedDifference) {
    constexpr double kFortyYears = 14610 * 86400.0;
    const struct {
        double answerAfter;  // seconds the question stayed open
        double first;        // server ahead of the computer, at each query
        double second;
        bool set;
    } cases[] = {
        {1, 300, 301, true},     {0, 300, 301.9, true},        {0, 300, 298.1, true},
        {0, 300, 302.5, false},  {60, 300, 301.9, true},       {60, 300, 298.1, true},
        {60, 300, 361.9, false}, {0, 300, kFortyYears, false}, {0, -600, 600, false},
    };
    for (const auto& c : cases) {
        Fixture f;
        f.AnswerAfter(c.answerAfter);
        const DayCount later = kNow + c.answerAfter * kSecond;
        f.query.answers = {AnswerAhead(c.first), AnswerAhead(c.second, later)};
        const SyncOutcome outcome = f.Sync("s");
        EXPECT_EQ(f.query.servers.size(), 2u);
        if (c.set) {
            EXPECT_EQ(outcome, SyncOutcome::ClockSet) << c.second;
            ASSERT_EQ(f.setter.calls.size(), 1u);
            EXPECT_EQ(f.setter.calls[0], AnswerAhead(c.second, later));
            EXPECT_EQ(f.box.shown.size(), 1u) << "only the question";
        } else {
            EXPECT_EQ(outcome, SyncOutcome::AnswerDisagreed) << c.second;
            EXPECT_TRUE(f.setter.calls.empty()) << c.second;
            ASSERT_EQ(f.box.shown.size(), 2u);
            EXPECT_EQ(f.box.shown[1].title, "Horavia");
            EXPECT_EQ(f.box.shown[1].buttons, MsgButtons::Ok);
            EXPECT_EQ(f.box.shown[1].icon, MsgIcon::Exclamation);
        }
    }
}

// A server that says 5 minutes, is believed, then says 40 years: nothing is set, and the user
// learns why, with both differences in seconds (and milliseconds for an NTP server).
TEST(SyncTime, SecondAnswerThatDisagreesIsToldWithBothDifferences) {
    Fixture f;
    f.query.answers = {AnswerAhead(300), AnswerAhead(300 + 14610 * 86400.0)};
    EXPECT_EQ(f.Sync("time.example"), SyncOutcome::AnswerDisagreed);
    EXPECT_NE(f.box.shown[0].text.find("is 5 minutes."), std::string::npos);
    EXPECT_EQ(f.box.shown.back().text,
              "The computer's clock was not set: the time server's second answer did not agree "
              "with the difference you confirmed.\n"
              "Difference you confirmed: 300 s\n"
              "Difference in the second answer: 1262304300 s");
    EXPECT_TRUE(f.setter.calls.empty());

    Fixture ntp;
    ntp.query.answers = {AnswerAhead(-299.75), AnswerAhead(-3.5)};
    EXPECT_EQ(ntp.Sync("ntp:pool.example"), SyncOutcome::AnswerDisagreed);
    EXPECT_EQ(ntp.box.shown.back().text,
              std::string("The computer's clock was not set: the time server's second answer did "
                          "not agree with the difference you confirmed.") +
                  "\nDifference you confirmed: -300 s (-299750 ms)\n"
                  "Difference in the second answer: -4 s (-3500 ms)");
}

TEST(SyncTime, FailedSecondQueryShowsNothingMore) {
    Fixture f;
    f.query.answers = {AnswerAhead(600), std::nullopt};
    EXPECT_EQ(f.Sync("s"), SyncOutcome::SecondQueryFailed);
    EXPECT_EQ(f.box.shown.size(), 1u);
    EXPECT_TRUE(f.setter.calls.empty());
}

TEST(SyncTime, RefusalToSetTheClockIsReported) {
    for (double seconds : {10.0, 600.0}) {  // without and after the question
        Fixture f;
        f.setter.result = ClockSetResult::Failed;
        f.query.answers = {AnswerAhead(seconds), AnswerAhead(seconds)};
        EXPECT_EQ(f.Sync("s"), SyncOutcome::SetRefused);
        ASSERT_FALSE(f.box.shown.empty());
        const test::ShownMessage& last = f.box.shown.back();
        EXPECT_EQ(last.text,
                  "Failed setting new date/time. In Windows NT/XP, you need Administrator "
                  "privileges for this!");
        EXPECT_EQ(last.title, "Horavia");
        EXPECT_EQ(last.buttons, MsgButtons::Ok);
        EXPECT_EQ(last.icon, MsgIcon::Exclamation);
    }
}

// Where the system keeps the clock itself, or the user may not set it, the message says so
// and names the difference the server showed: to the millisecond for an NTP server.
TEST(SyncTime, RefusalsWithAReasonNameTheDifferenceFound) {
    const struct {
        ClockSetResult result;
        const char* server;
        double seconds;  // server ahead of the computer
        std::string text;
        MsgIcon icon;
    } cases[] = {
        {ClockSetResult::AutomaticSyncOn, "ntp:pool.example", -40.25,
         "The computer's clock was not set: the system keeps it synchronised itself "
         "(automatic time synchronisation is on).\n"
         "Difference with local time: -40 s (-40250 ms)",
         MsgIcon::Information},
        {ClockSetResult::AutomaticSyncOn, "time.example", 75,
         "The computer's clock was not set: the system keeps it synchronised itself "
         "(automatic time synchronisation is on).\n"
         "Difference with local time: 75 s",
         MsgIcon::Information},
        {ClockSetResult::NoAnswer, "time.example", 20,
         "The computer's clock was not set: the system's date-time service did not answer.\n"
         "Difference with local time: 20 s",
         MsgIcon::Exclamation},
        {ClockSetResult::NotAuthorised, "ntp:pool.example", 0.004,
         "Failed setting new date/time: you are not allowed to change the system clock.\n"
         "Difference with local time: 0 s (4 ms)",
         MsgIcon::Exclamation},
        // After the question, the difference of the second answer, which was the one set.
        {ClockSetResult::NotAuthorised, "time.example", 3605,
         "Failed setting new date/time: you are not allowed to change the system clock.\n"
         "Difference with local time: 3606 s",
         MsgIcon::Exclamation},
    };
    for (const auto& c : cases) {
        Fixture f;
        f.setter.result = c.result;
        f.query.answers = {AnswerAhead(c.seconds), AnswerAhead(c.seconds + 1)};
        EXPECT_EQ(f.Sync(c.server), SyncOutcome::SetRefused) << c.text;
        ASSERT_FALSE(f.box.shown.empty());
        const test::ShownMessage& last = f.box.shown.back();
        EXPECT_EQ(last.text, c.text);
        EXPECT_EQ(last.icon, c.icon) << c.text;
        EXPECT_EQ(last.buttons, MsgButtons::Ok);
        EXPECT_EQ(last.title, "Horavia");
    }
}

// An NTP or NTS answer adds whether it was authenticated, its offset and delay below the
// question and below a refusal's difference; the existing lines stay as they were.
TEST(SyncTime, NtpAnswersTellAuthenticationOffsetAndDelay) {
    Fixture f;
    f.query.details = [](const std::string& server, TimeAnswer& answer) {
        answer.authenticated = server.rfind("nts:", 0) == 0;
        answer.offsetMs = 300000.0;
        answer.delayMs = 31.5;
    };
    f.query.answers = {AnswerAhead(300)};
    f.box.answer = MsgAnswer::No;
    EXPECT_EQ(f.Sync("nts:time.example"), SyncOutcome::Declined);
    ASSERT_EQ(f.box.shown.size(), 1u);
    EXPECT_EQ(f.box.shown[0].text, kBody +
                                       "5 minutes. Should the local\ntime be updated ?\n"
                                       "\nAuthenticated: yes (NTS)\nOffset: 300000.0 ms\n"
                                       "Round-trip delay: 31.5 ms");

    Fixture refused;
    refused.query.details = f.query.details;
    refused.setter.result = ClockSetResult::AutomaticSyncOn;
    refused.query.answers = {AnswerAhead(12)};
    EXPECT_EQ(refused.Sync("ntp:time.example"), SyncOutcome::SetRefused);
    ASSERT_EQ(refused.box.shown.size(), 1u);
    EXPECT_EQ(refused.box.shown[0].text,
              "The computer's clock was not set: the system keeps it synchronised itself "
              "(automatic time synchronisation is on).\n"
              "Difference with local time: 12 s (12000 ms)\nAuthenticated: no\n"
              "Offset: 300000.0 ms\nRound-trip delay: 31.5 ms");
}

TEST(SyncTime, NoSecondSynchronisationWhileOneWaits) {
    Fixture f;
    f.query.answers = {AnswerAhead(600), AnswerAhead(600)};
    std::vector<SyncOutcome> nested;
    // A tick during the server's wait, then another while the question is open.
    std::vector<SyncStage> stages;
    const auto nestedSync = [&] {
        stages.push_back(f.sync.Stage());
        nested.push_back(f.Sync("s"));
    };
    f.query.duringWait = nestedSync;
    f.box.whileOpen = nestedSync;
    EXPECT_EQ(f.Sync("s"), SyncOutcome::ClockSet);
    EXPECT_EQ(nested, std::vector<SyncOutcome>(3, SyncOutcome::Skipped));
    EXPECT_EQ(stages, (std::vector<SyncStage>{SyncStage::Querying, SyncStage::Asking,
                                              SyncStage::QueryingAgain}));
    EXPECT_EQ(f.sync.Stage(), SyncStage::Idle);
    EXPECT_EQ(f.query.servers.size(), 2u);
    EXPECT_EQ(f.box.shown.size(), 1u);
    EXPECT_EQ(f.setter.calls.size(), 1u);

    // Once finished, the next one runs again, also after a failure.
    f.query.duringWait = nullptr;
    f.query.answers = {std::nullopt};
    EXPECT_FALSE(f.sync.IsRunning());
    EXPECT_EQ(f.Sync("s"), SyncOutcome::QueryFailed);
    f.query.answers = {AnswerAhead(1)};
    EXPECT_EQ(f.Sync("s"), SyncOutcome::ClockSet);
}

// The question and the system's answer are awaited through the event loop: the synchroniser
// stays busy until each comes, and a refusal ends the run only once its message has closed.
TEST(SyncTime, WaitsForTheAnswerAndTheSystemWithoutBlocking) {
    Fixture f;
    f.query.answers = {AnswerAhead(600), AnswerAhead(600)};
    f.setter.held = true;
    f.box.held = true;
    std::optional<SyncOutcome> outcome;
    f.sync.SyncTime("s", [&outcome](SyncOutcome o) { outcome = o; });
    test::RunUntil([&f] { return f.box.IsOpen(); });
    ASSERT_TRUE(f.box.IsOpen());
    std::vector<SyncOutcome> meanwhile;
    const auto another = [&] {
        f.sync.SyncTime("s", [&meanwhile](SyncOutcome o) { meanwhile.push_back(o); });
    };
    another();
    EXPECT_EQ(f.sync.Stage(), SyncStage::Asking);
    f.box.Close(MsgAnswer::Yes);
    test::RunUntil([&f] { return f.setter.IsWaiting(); });
    ASSERT_TRUE(f.setter.IsWaiting());
    EXPECT_EQ(f.sync.Stage(), SyncStage::Setting);
    another();

    f.setter.Answer(ClockSetResult::NotAuthorised);
    ASSERT_TRUE(f.box.IsOpen());
    EXPECT_EQ(f.box.shown.back().icon, MsgIcon::Exclamation);
    another();
    EXPECT_FALSE(outcome) << "over once the refusal has been read";
    f.box.Close(MsgAnswer::Ok);
    EXPECT_EQ(outcome, SyncOutcome::SetRefused);
    EXPECT_EQ(meanwhile, std::vector<SyncOutcome>(3, SyncOutcome::Skipped));
    EXPECT_EQ(f.query.servers.size(), 2u);
}

TEST(SyncTime, FarOffClockNeitherOverflowsNorFails) {
    EXPECT_EQ(DifferenceMinutes(Utc(2.0e6), Utc(2.0)), 2147483647);
    // An answer beyond every calendar counts as none.
    Fixture f;
    f.query.answers = {Instant::max(), Instant::min()};
    EXPECT_EQ(f.Sync("s"), SyncOutcome::QueryFailed);
    EXPECT_EQ(f.Sync("s"), SyncOutcome::QueryFailed);
    EXPECT_TRUE(f.box.shown.empty());
    EXPECT_TRUE(f.setter.calls.empty());
}

}  // namespace
}  // namespace horavia
