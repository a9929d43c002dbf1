// The synchroniser's question in a real message box: the synchronisation goes on when the box
// has closed, however it closed; while it is open the synchroniser is busy and refuses another
// run; the program's end closes it unanswered and saves.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QSignalSpy>
#include <QTest>
#include <csignal>
#include <memory>
#include <optional>

#include "fake_time_server.h"
#include "platform/platform.h"
#include "program_fixture.h"
#include "sync/sync_time.h"
#include "sync_fakes.h"
#include "ui/main/qt_message_box.h"

namespace horavia {
namespace {

constexpr DayCount kNow = 46000.5;  // 2025-12-09 12:00 UTC

Instant Ahead(int seconds) {
    return InstantOfLocal(kNow, 0).value() + std::chrono::seconds(seconds);
}

// How the user closes the question.
enum class Close { Yes, No, Escape, CloseBox };

TEST(SyncQuestion, ContinuesWhenTheBoxHasClosedAndRefusesAnotherRunMeanwhile) {
    const struct {
        Close how;
        SyncOutcome outcome;
    } cases[] = {{Close::Yes, SyncOutcome::ClockSet},
                 {Close::No, SyncOutcome::Declined},
                 {Close::Escape, SyncOutcome::Declined},
                 {Close::CloseBox, SyncOutcome::Declined}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.how));
        test::FakeTimeQuery query;
        query.answers = {Ahead(600), Ahead(600)};
        test::FakeClockSetter setter;
        QtMessageBoxes boxes;
        FixedClock clock{kNow, 0};
        MemorySettingsStore store;
        TimeSynchroniser sync(query, setter, boxes, clock, store);

        std::optional<SyncOutcome> outcome;
        sync.SyncTime(
            "time.example", [&outcome](SyncOutcome o) { outcome = o; }, SyncRequest::User);
        ASSERT_TRUE(QTest::qWaitFor([&] { return boxes.OpenBox() != nullptr; }, 5000));
        QMessageBox* box = boxes.OpenBox();
        EXPECT_EQ(sync.Stage(), SyncStage::Asking);
        EXPECT_TRUE(box->isVisible());
        EXPECT_EQ(box->icon(), QMessageBox::Question);

        // A tick, then a second Sync Now!, while the question is open.
        for (SyncRequest request : {SyncRequest::Automatic, SyncRequest::User}) {
            std::optional<SyncOutcome> second;
            sync.SyncTime(
                "time.example", [&second](SyncOutcome o) { second = o; }, request);
            EXPECT_EQ(second, SyncOutcome::Skipped);
        }
        testing::ProcessPending();
        EXPECT_EQ(query.servers.size(), 1u) << "no query while the question is open";
        EXPECT_EQ(boxes.OpenBox(), box) << "no second question";
        EXPECT_FALSE(outcome);

        switch (c.how) {
            case Close::Yes:
                box->button(QMessageBox::Yes)->click();
                break;
            case Close::No:
                box->button(QMessageBox::No)->click();
                break;
            case Close::Escape:
                QTest::keyClick(box, Qt::Key_Escape);
                break;
            case Close::CloseBox:
                box->close();
                break;
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return outcome.has_value(); }, 5000));
        EXPECT_EQ(outcome, c.outcome);
        EXPECT_EQ(query.servers.size(), c.outcome == SyncOutcome::ClockSet ? 2u : 1u);
        EXPECT_EQ(setter.calls.size(), c.outcome == SyncOutcome::ClockSet ? 1u : 0u);
        EXPECT_EQ(sync.Stage(), SyncStage::Idle);
    }
}

// SIGTERM arrives while the start-up synchronisation's question is open, wired as the program
// wires it: the box closes unanswered, the synchronisation ends declined, everything is saved,
// and no second question follows.
TEST(SyncQuestion, TheProgramsEndClosesTheQuestionAndSaves) {
    testing::TestServices services;
    QtMessageBoxes boxes;
    AppState state(
        Services{services.store, services.registry, boxes, services.localZone, services.clock},
        EnglishUnitedStates());
    test::FakeTimeServer server(test::FakeTimeServer::Mode::Normal);
    ASSERT_TRUE(server.Listen());
    server.SetSeconds(testing::ServerSecondsForNow() + 600);
    services.store.Save("STStartUp", "True");
    test::ManualQueryClock queryClock;
    ProgramOptions options;
    options.serverQueries = MakeServerTimeQuery;
    options.timePorts = {server.Port(), server.Port()};
    options.queryTiming = QueryTiming{&queryClock};
    options.mapPicture = testing::TinyMap();
    options.notificationArea = [] {
        return std::make_unique<testing::FakeNotificationArea>(true, TrayHostStyle::ClickActivates);
    };
    Program program(state, services.clockSetter, options);
    QObject::connect(&program, &Program::endRequested, [&boxes] { boxes.DismissAll(); });
    const std::unique_ptr<PlatformWatch> termination =
        CreatePlatform()->WatchTerminationRequests([&program] { program.shutDown(); });
    QSignalSpy ended(&program, &Program::ended);
    QSignalSpy synchronised(&program.timeService(), &TimeService::synchronised);
    bool running = false;
    program.start([&running](bool runs) { running = runs; });
    ASSERT_TRUE(running);
    ASSERT_TRUE(QTest::qWaitFor([&] { return boxes.OpenBox() != nullptr; }, 5000));
    QPointer<QMessageBox> question = boxes.OpenBox();
    EXPECT_EQ(question->standardButtons(), QMessageBox::Yes | QMessageBox::No);

    ASSERT_EQ(std::raise(SIGTERM), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return program.hasEnded(); }, 5000));
    EXPECT_TRUE(question.isNull() || !question->isVisible());
    ASSERT_EQ(synchronised.size(), 1);
    EXPECT_EQ(synchronised[0][0].value<SyncOutcome>(), SyncOutcome::Declined);
    EXPECT_EQ(ended.size(), 1);
    EXPECT_TRUE(program.hasEnded());
    EXPECT_NE(services.store.IndexOf("W DefaultFormat"), -1) << "the shut-down save ran";
    EXPECT_TRUE(services.clockSetter.calls.empty());
    testing::ProcessPending();
    EXPECT_EQ(boxes.OpenBox(), nullptr) << "nothing opens after the end";
    EXPECT_EQ(server.Accepted(), 1);
}

}  // namespace
}  // namespace horavia
