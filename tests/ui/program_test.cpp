// The program: start-up and shut-down in order, the heartbeat, saving, the menu, the icon's clicks.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QSignalSpy>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "failing_file_system.h"
#include "fake_time_server.h"
#include "model/plan_time.h"
#include "platform/qt_settings_store.h"
#include "program_fixture.h"
#include "setup_controls.h"
#include "sync/no_server_query.h"
#include "translations/program_translations.h"
#include "ui/editor/clock_editor.h"
#include "ui/main/message_text.h"
#include "ui/setup/setup_dialog.h"

namespace horavia {
namespace {

using testing::kNow;
using testing::ProgramTest;

TEST_F(ProgramTest, StartUpRunsInOrder) {
    const std::size_t writesBefore = store.Commits();
    Program& ti = Start();
    ASSERT_TRUE(loaded);
    const auto at = [&](const char* entry) { return store.IndexOf(entry); };
    // Settings, then the catalogue and the clocks, then the clock window (its geometry read).
    EXPECT_LT(at("R AlwaysOnTop"), at("R FontSize"));
    EXPECT_LT(at("R DefaultFormat"), at("R SZoneNum"));
    EXPECT_LT(at("R SZoneNum"), at("R WndLeft"));
    EXPECT_NE(at("W S0Dis"), -1) << "a first start writes the two default clocks";
    EXPECT_EQ(store.Commits(), writesBefore + 1) << "in one write of the file";
    EXPECT_EQ(state.book.RowKeys(), (std::vector<std::string>{"K0000", "K0001"}));
    EXPECT_EQ(ti.setupDialog(), nullptr) << "dialogs are made when first used";
    EXPECT_EQ(ti.clockEditor(), nullptr);
    EXPECT_EQ(ti.converter(), nullptr);
    EXPECT_TRUE(MainVisible());
    EXPECT_EQ(Main()->paintLayout().rows, 2) << "painted with the clocks";
    EXPECT_TRUE(ti.tray().isIconAdded());
    EXPECT_EQ(ti.tray().tip(), QStringLiteral("Horavia"));
    EXPECT_TRUE(ti.ticker().isRunning());
    EXPECT_TRUE(messages.shown.empty());

    ti.openSetup();
    ASSERT_NE(ti.setupDialog(), nullptr);
    EXPECT_EQ(ti.setupDialog()->rowKeys(), (std::vector<std::string>{"K0000", "K0001"}));
    WhileTheEditorIsOpen([&] {
        EXPECT_GT(ti.clockEditor()->findChild<QComboBox*>(QStringLiteral("zoneCombo"))->count(), 0)
            << "its zone list sorted and filled";
    });
}

TEST_F(ProgramTest, StartUpSynchronisationLeavesSTLast) {
    test::FakeTimeServer server(test::FakeTimeServer::Mode::Normal);
    ASSERT_TRUE(server.Listen());
    server.SetSeconds(testing::ServerSecondsForNow());
    store.Save("STStartUp", "True");
    store.Save("STLast", "46000.5");
    store.log.clear();
    Start(server.Port());
    // Started by the start-up, over later.
    QSignalSpy synchronised(&program->timeService(), &TimeService::synchronised);
    ASSERT_TRUE(synchronised.wait(5000));
    EXPECT_EQ(server.Accepted(), 1);
    EXPECT_EQ(clockSetter.calls.size(), 1u);
    EXPECT_EQ(store.IndexOf("W STLast"), -1);
    EXPECT_EQ(state.preferences.Values().STLast, 46000.5);
}

// A server that answers five minutes ahead, is believed, then forty years ahead: the start-up
// synchronisation sets nothing and says why.
TEST_F(ProgramTest, StartUpSynchronisationSetsOnlyTheDifferenceConfirmed) {
    test::FakeTimeServer server(test::FakeTimeServer::Mode::Normal);
    ASSERT_TRUE(server.Listen());
    server.SetSeconds(testing::ServerSecondsForNow() + 300);
    messages.onShow = [&](const std::string&) {
        server.SetSeconds(testing::ServerSecondsForNow() + 300 + 14610u * 86400u);
    };
    store.Save("STStartUp", "True");
    Start(server.Port());
    QSignalSpy synchronised(&program->timeService(), &TimeService::synchronised);
    ASSERT_TRUE(synchronised.wait(5000));
    EXPECT_EQ(server.Accepted(), 2);
    EXPECT_TRUE(clockSetter.calls.empty());
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(messages.shown[1].text,
              "The computer's clock was not set: the time server's second answer did not agree "
              "with the difference you confirmed.\n"
              "Difference you confirmed: 300 s\n"
              "Difference in the second answer: 1262304300 s");
    EXPECT_EQ(messages.shown[1].icon, MsgIcon::Exclamation);
    EXPECT_EQ(messages.shown[1].title, "Horavia");
}

// In the user's language (German here): the icon's menu, the setup dialog's tabs and a
// message box; the clocks' own texts stay as they are.
TEST_F(ProgramTest, GermanMenuTabsAndMessages) {
    ProgramTranslations german;
    ASSERT_EQ(german.install({QStringLiteral("de")}).language, QStringLiteral("de"));
    Start();
    EXPECT_EQ(Captions(), (QStringList{"&Einstellungen", "&Umrechnen", "Besprechungs&termin finden",
                                       "&Verbergen", "Jetzt synchronisieren!", "-", "&Hilfe", "-",
                                       "&Beenden"}));
    Item("&Einstellungen")->trigger();
    ASSERT_NE(program->setupDialog(), nullptr);
    auto* tabs = program->setupDialog()->findChild<QTabWidget*>(QStringLiteral("tabs"));
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("&Zeitzonen"));
    EXPECT_EQ(tabs->tabText(2), QStringLiteral("Zeits&ynchronisation"));
    EXPECT_EQ(MessageText(Message{MessageId::NoZones}),
              QStringLiteral("Keine Zeitzoneninformationen gefunden!"));
}

TEST_F(ProgramTest, NoZoneDatabaseEndsTheStart) {
    registry = MemoryRegistry();
    Start();
    EXPECT_FALSE(loaded);
    ASSERT_FALSE(messages.shown.empty());
    EXPECT_EQ(messages.shown.back().text, "No timezone information found !");
}

TEST_F(ProgramTest, MenuItemsAndShowHideCaptions) {
    Program& ti = Start();
    EXPECT_EQ(Captions(), (QStringList{"&Setup", "&Convert", "Find a &meeting time", "&Hide",
                                       "Sync Now!", "-", "&Help", "-", "E&xit"}));
    auto* icon = ti.tray().findChild<QSystemTrayIcon*>(QStringLiteral("trayIcon"));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->contextMenu(), &Menu())
        << "the notification area shows the same menu, captions and all";
    ShowItem()->trigger();
    EXPECT_EQ(ShowItem()->text(), QStringLiteral("S&how"));
    EXPECT_FALSE(MainVisible());
    EXPECT_EQ(store.Value("ShowWnd"), "False");
    ShowItem()->trigger();
    EXPECT_EQ(ShowItem()->text(), QStringLiteral("&Hide"));
    EXPECT_TRUE(MainVisible());
    EXPECT_EQ(store.Value("ShowWnd"), "True");

    // Escape on the window, then the menu.
    QTest::keyClick(Main(), Qt::Key_Escape);
    EXPECT_EQ(ShowItem()->text(), QStringLiteral("S&how"));
    EXPECT_FALSE(MainVisible());

    Item("&Help")->trigger();
    EXPECT_EQ(helpOpened, 1);

    ShowItem()->trigger();
    QMouseEvent right(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(10, 10), Qt::RightButton,
                      Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(Main(), &right);  // from the clock window
    EXPECT_TRUE(Menu().isVisible());
    EXPECT_EQ(Menu().defaultAction(), Item("&Setup"));
    Menu().hide();
}

// A Wayland compositor places a menu only relative to a window of the program, at the position
// given in that window's coordinates; without one it puts the menu where it likes.
TEST_F(ProgramTest, TheWindowsMenuOpensAtThePointerOverTheWindow) {
    Start();
    const QPoint local(7, 6);
    const QPoint global = Main()->mapToGlobal(local);
    QMouseEvent right(QEvent::MouseButtonRelease, local, global, Qt::RightButton, Qt::NoButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(Main(), &right);
    ASSERT_TRUE(Menu().isVisible());
    EXPECT_EQ(Menu().pos(), global);
    ASSERT_NE(Menu().windowHandle(), nullptr);
    EXPECT_EQ(Menu().windowHandle()->transientParent(), Main()->windowHandle());
    Menu().hide();

    // From the icon the menu belongs to no window.
    Activate(QSystemTrayIcon::Context);
    ASSERT_TRUE(Menu().isVisible());
    EXPECT_EQ(Menu().windowHandle()->transientParent(), nullptr);
    Menu().hide();
}

TEST_F(ProgramTest, StartsHiddenAndShowsOnlyWhenAsked) {
    store.Save("ShowWnd", "False");
    Start();
    EXPECT_EQ(Main(), nullptr) << "made when first shown";
    EXPECT_TRUE(NextSecond());
    EXPECT_EQ(tips.back(), "Zulu: 11:30 - Swatch: @521") << "the tip goes on without a window";
    EXPECT_EQ(ShowItem()->text(), QStringLiteral("S&how"));
}

// The menu's meeting search shows the hidden window at the time found; the tip keeps to now.
TEST_F(ProgramTest, FindAMeetingTimeShowsTheWindowThere) {
    store.Save("ShowWnd", "False");
    store.Save("WorkDefault", "True");
    Start();
    Item("Find a &meeting time")->trigger();
    ASSERT_NE(Main(), nullptr);
    EXPECT_TRUE(Main()->isVisible());
    ASSERT_TRUE(Main()->plannedInstant());
    EXPECT_EQ(IsoUtcText(*Main()->plannedInstant()), "2026-07-01T11:45:00Z");
    EXPECT_TRUE(NextSecond());
    EXPECT_EQ(tips.back(), "Zulu: 11:30 - Swatch: @521");
}

TEST_F(ProgramTest, WithoutANotificationAreaTheWindowIsTheWayIn) {
    store.Save("ShowWnd", "False");
    trayAvailable = false;
    Start();
    EXPECT_TRUE(MainVisible());
    EXPECT_EQ(store.Value("ShowWnd"), "True");
}

TEST_F(ProgramTest, CloseBoxDestroysTheWindowAndShowCreatesItAgain) {
    store.Save("WndLeft", "1500");
    Start();
    Main()->close();
    testing::ProcessPending();
    EXPECT_EQ(Main(), nullptr);
    EXPECT_EQ(store.Value("ShowWnd"), "False");
    EXPECT_EQ(ShowItem()->text(), QStringLiteral("S&how"));
    EXPECT_EQ(store.Value("WndLeft"), "1500");

    // "Sync Now!" asks the program's time service: no window comes back behind the user.
    Item("Sync Now!")->trigger();
    EXPECT_EQ(Main(), nullptr);
    EXPECT_EQ(store.Value("ShowWnd"), "False");

    ShowItem()->trigger();
    ASSERT_NE(Main(), nullptr);
    EXPECT_TRUE(Main()->isVisible());
    EXPECT_EQ(Main()->frameGeometry().x(), 100) << "geometry restored";
    EXPECT_EQ(Main()->paintLayout().rows, 2);
}

TEST_F(ProgramTest, TheClockListOutlivesTheWindowsAndTheTipFollowsIt) {
    Program& ti = Start();
    ti.openSetup();
    Main()->close();
    testing::ProcessPending();
    ASSERT_EQ(Main(), nullptr);
    testing::SelectClockRow(*ti.setupDialog(), 1);
    testing::Click(*ti.setupDialog(), "upButton");
    EXPECT_EQ(ti.tray().tip().left(8), QStringLiteral("Swatch: ")) << "told at once, no tick";
    QTreeView* list = testing::ClockList(*ti.setupDialog());
    list->edit(testing::ClockCell(*ti.setupDialog(), 0));  // renamed in place
    auto* nameEditor = list->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(nameEditor, nullptr);
    nameEditor->setText(QStringLiteral("Beat"));
    QTest::keyClick(nameEditor, Qt::Key_Return);
    testing::ProcessPending();  // the list commits the text, then the editor goes
    EXPECT_EQ(ti.tray().tip().left(6), QStringLiteral("Beat: "));

    ShowItem()->trigger();  // a new main window shows the list as it is now
    ASSERT_NE(Main(), nullptr);
    ASSERT_EQ(Main()->paintLayout().texts.size(), 4u);
    EXPECT_EQ(Main()->paintLayout().texts[0].text, "Beat");
    EXPECT_EQ(state.book.RowKeys(), (std::vector<std::string>{"K0001", "K0000"}));
}

TEST_F(ProgramTest, TickWorksOncePerSecond) {
    Start();
    localZone.Set(7200, true);
    EXPECT_TRUE(Tick());
    EXPECT_EQ(state.computerZone->OffsetAt(0), 7200) << "the computer's zone is read again";
    ASSERT_EQ(tips.size(), 1u);
    // The computer's zone moved, not the time: every clock still shows the same instant.
    EXPECT_EQ(tips[0], "Zulu: 11:30 - Swatch: @521");
    EXPECT_FALSE(Tick()) << "same second";
    clock.Set(kNow + 0.9 / 86400);
    EXPECT_FALSE(Tick());
    clock.Set(kNow + 1.0 / 86400);
    EXPECT_TRUE(Tick());
    EXPECT_EQ(tips.size(), 2u);
    EXPECT_EQ(Texts()[2], "11:30:16") << "repainted with the new second";
}

TEST_F(ProgramTest, TipOfLongClocks) {
    StoreClocks({std::string(43, 'a') + "|0|True", std::string(43, 'b') + "|0|True",
                 std::string(43, 'c') + "|0|True"});  // 50 characters each with ": hh:nn"
    Start();
    Tick();
    EXPECT_EQ(tips.back(),
              std::string(43, 'a') + ": 11:30 - " + std::string(43, 'b') + ": 11:30 - ...");

    state.book.Rename(0, std::string(115, 'x'));  // 122 characters with ": hh:nn"
    clock.Set(kNow + 1.0 / 86400);
    Tick();
    EXPECT_EQ(tips.back(), " - ...");

    for (int slot : state.book.Order()) state.book.Enable(slot, false);
    clock.Set(kNow + 2.0 / 86400);
    Tick();
    EXPECT_EQ(tips.back(), "Horavia");
}

TEST_F(ProgramTest, DueSynchronisationRunsFromTheTickAndRecordsSTLast) {
    test::FakeTimeServer server(test::FakeTimeServer::Mode::Normal);
    ASSERT_TRUE(server.Listen());
    server.SetSeconds(testing::ServerSecondsForNow());
    store.Save("STInt", "True");
    store.Save("STIntType", "2");
    store.Save("STIntNum", "3");
    Start(server.Port());
    store.log.clear();
    QSignalSpy synchronised(&program->timeService(), &TimeService::synchronised);
    ASSERT_TRUE(Tick());
    testing::ProcessPending();  // started by the time service once the tick is over
    ASSERT_TRUE(synchronised.wait(5000));
    EXPECT_EQ(server.Accepted(), 1);
    EXPECT_EQ(clockSetter.calls.size(), 1u) << "the clock was right to the minute: set at once";
    EXPECT_EQ(state.preferences.Values().STLast, kNow);
    EXPECT_NE(store.IndexOf("W STLast"), -1);

    // Within the interval: no query. "Sync Now!" queries but leaves STLast alone.
    clock.Set(kNow + 1.0 / 86400);
    store.log.clear();
    Tick();
    testing::ProcessPending();
    EXPECT_FALSE(program->timeService().IsBusy());
    EXPECT_EQ(server.Accepted(), 1);
    const std::int64_t firstAskedMs = queryClock.NowMs();
    ASSERT_TRUE(program->timeService().SyncTime());
    ASSERT_TRUE(synchronised.wait(5000));
    ASSERT_EQ(synchronised.size(), 2);
    EXPECT_EQ(synchronised[1][0].value<SyncOutcome>(), SyncOutcome::ClockSet);
    EXPECT_EQ(server.Accepted(), 2);
    EXPECT_GE(queryClock.NowMs() - firstAskedMs, kMinimumQueryIntervalMs) << "paced";
    EXPECT_EQ(state.preferences.Values().STLast, kNow);
    EXPECT_EQ(store.IndexOf("W STLast"), -1);
}

TEST_F(ProgramTest, FailingServerIsRetriedOnlyAfterAFullInterval) {
    store.Save("STInt", "True");
    store.Save("STIntType", "0");
    store.Save("STIntNum", "30");
    Start(testing::ClosedPort());
    QSignalSpy synchronised(&program->timeService(), &TimeService::synchronised);
    EXPECT_TRUE(Tick());
    testing::ProcessPending();
    ASSERT_TRUE(synchronised.wait(5000));
    EXPECT_EQ(state.preferences.Values().STLast, kNow) << "recorded although the query failed";
    EXPECT_TRUE(messages.shown.empty()) << "a failed query is silent";
    EXPECT_TRUE(clockSetter.calls.empty());
}

// "Sync Now!" is the user's own request: a server that gives no time is told, and why. The
// start-up's synchronisation stays quiet.
TEST_F(ProgramTest, SyncNowTellsWhenNoServerAnsweredTheStartUpDoesNot) {
    store.Save("STStartUp", "True");
    Start(testing::ClosedPort());
    QSignalSpy synchronised(&program->timeService(), &TimeService::synchronised);
    ASSERT_TRUE(synchronised.wait(5000));
    EXPECT_EQ(synchronised[0][0].value<SyncOutcome>(), SyncOutcome::QueryFailed);
    EXPECT_TRUE(messages.shown.empty()) << "the start-up's synchronisation is quiet";

    Item("Sync Now!")->trigger();
    ASSERT_TRUE(synchronised.wait(5000));
    EXPECT_EQ(synchronised[1][0].value<SyncOutcome>(), SyncOutcome::QueryFailed);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "The time server did not answer.\nThe computer's clock was not changed.");
    EXPECT_EQ(messages.shown[0].title, "Horavia");
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Exclamation);
    EXPECT_TRUE(clockSetter.calls.empty());
}

// Without the part that holds the time queries, a synchronisation or a server test the user
// asked for tells why, and one still waiting when the program goes away answers nobody.
TEST_F(ProgramTest, WithoutTheTimeQueriesSyncNowTellsWhy) {
    serverQueries = [](const QuerySetup&) {
        return std::make_unique<NoServerQuery>("the file is missing");
    };
    Start();
    QSignalSpy synchronised(&program->timeService(), &TimeService::synchronised);
    Item("Sync Now!")->trigger();
    ASSERT_TRUE(synchronised.wait(5000));
    EXPECT_EQ(synchronised[0][0].value<SyncOutcome>(), SyncOutcome::QueryFailed);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "The time queries could not be loaded: the file is missing\nThe computer's clock "
              "was not changed.");

    bool tested = false;
    program->timeService().TestServer("time.example", [&] { tested = true; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return tested; }, 5000));
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].text, "The time queries could not be loaded: the file is missing");
    messages.shown.pop_back();

    Item("Sync Now!")->trigger();
    program.reset();
    testing::ProcessPending();
    EXPECT_EQ(messages.shown.size(), 1u);
}

// A server that sends too little is no silent one: "Sync Now!" says so.
TEST_F(ProgramTest, SyncNowTellsAnIncompleteAnswer) {
    test::FakeTimeServer server(test::FakeTimeServer::Mode::ThreeBytes);
    ASSERT_TRUE(server.Listen());
    Start(server.Port());
    QSignalSpy synchronised(&program->timeService(), &TimeService::synchronised);
    Item("Sync Now!")->trigger();
    ASSERT_TRUE(synchronised.wait(5000));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "The time server sent an incomplete answer.\nThe computer's clock was not "
              "changed.");
}

TEST_F(ProgramTest, SecondsKeepShowingWhileASynchronisationWaits) {
    test::FakeTimeServer server(test::FakeTimeServer::Mode::Silent);
    ASSERT_TRUE(server.Listen());
    store.Save("STInt", "True");  // never synchronised: due at the first tick
    // The computer's clock is always near the end of a second, so the tick comes a few
    // milliseconds after each move.
    const auto nearEndOfSecond = [&](int second) { clock.Set(kNow + (second + 0.99) / 86400.0); };
    nearEndOfSecond(0);
    Start(server.Port());
    // The clock moves on by a second every 20 ms; the tips are counted while the
    // synchronisation started by the timer's own tick waits for the silent server.
    QTimer advance;
    int moved = 0;
    std::size_t firstDuringWait = 0;
    std::size_t lastDuringWait = 0;
    QObject::connect(&advance, &QTimer::timeout, [&] {
        nearEndOfSecond(++moved);
        if (!program->timeService().IsBusy()) return;
        if (firstDuringWait == 0) firstDuringWait = tips.size();
        lastDuringWait = tips.size();
    });
    // The silent server's deadline comes once ticks have shown during the wait.
    queryClock.timeoutWhen = [&] {
        return firstDuringWait > 0 && lastDuringWait >= firstDuringWait + 2;
    };
    advance.start(20);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return server.Accepted() == 1 && !program->timeService().IsBusy(); }, 5000));
    advance.stop();
    ASSERT_GT(firstDuringWait, 0u) << "the wait was seen";
    EXPECT_GE(lastDuringWait, firstDuringWait + 1) << "ticks went on during the wait";
    EXPECT_EQ(server.Accepted(), 1) << "and none of them started a second query";
}

TEST_F(ProgramTest, ShowAndHideWaitWhileTheEditorIsOpen) {
    Start();
    WhileTheEditorIsOpen([&] {
        ShowItem()->trigger();
        EXPECT_EQ(ShowItem()->text(), QStringLiteral("S&how"));
        EXPECT_EQ(store.Value("ShowWnd"), "False");
        EXPECT_TRUE(MainVisible()) << "the window follows the choice next time";
    });
}

TEST_F(ProgramTest, IconClicksWithoutSingleClick) {
    Program& ti = Start();
    Activate(QSystemTrayIcon::DoubleClick);
    EXPECT_FALSE(MainVisible()) << "double click shows or hides";
    Activate(QSystemTrayIcon::Trigger);
    EXPECT_FALSE(MainVisible()) << "a single click with nothing open does nothing";
    EXPECT_EQ(ti.foregroundCandidate(), nullptr);
    Activate(QSystemTrayIcon::DoubleClick);
    EXPECT_TRUE(MainVisible());
    EXPECT_EQ(ti.foregroundCandidate(), Main());

    Item("&Setup")->trigger();
    EXPECT_TRUE(ti.setupDialog()->isVisible());
    EXPECT_EQ(ti.foregroundCandidate(), ti.setupDialog()) << "the dialog before the window";
    Activate(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(MainVisible());

    Activate(QSystemTrayIcon::Context);
    EXPECT_TRUE(Menu().isVisible());
    EXPECT_EQ(Menu().defaultAction(), nullptr) << "no default item from the icon";
    Menu().hide();
}

TEST_F(ProgramTest, IconClicksWithSingleClick) {
    store.Save("SingleClick", "True");
    Start();
    Activate(QSystemTrayIcon::Trigger);
    EXPECT_FALSE(MainVisible());
    Activate(QSystemTrayIcon::DoubleClick);
    EXPECT_FALSE(MainVisible()) << "the double click does nothing more";
    Activate(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(MainVisible());
}

// Notification areas over D-Bus report each click as one activation.
TEST_F(ProgramTest, ActivationsMakeDoubleClicksWithinTheDesktopsInterval) {
    const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    Start();
    const auto click = [&](int afterMs) {
        clickNowMs += afterMs;
        Activate(QSystemTrayIcon::Trigger);
    };
    click(0);  // single: brings the window forward, shows or hides nothing
    EXPECT_TRUE(MainVisible());
    click(interval + 100);  // a second click only after the interval: single again
    EXPECT_TRUE(MainVisible()) << "slow double click";
    click(interval + 100);
    click(80);
    EXPECT_FALSE(MainVisible()) << "double click hides";
    EXPECT_EQ(ShowItem()->text(), QStringLiteral("S&how"));
    click(interval + 100);
    click(80);
    EXPECT_TRUE(MainVisible()) << "and shows again";
    Activate(QSystemTrayIcon::Context);
    EXPECT_TRUE(Menu().isVisible());
    EXPECT_EQ(Menu().defaultAction(), nullptr);
    Menu().hide();
}

TEST_F(ProgramTest, ActivationsWithSingleClickEachShowOrHide) {
    store.Save("SingleClick", "True");
    Start();
    Activate(QSystemTrayIcon::Trigger);
    EXPECT_FALSE(MainVisible()) << "a click hides";
    clickNowMs += 80;
    Activate(QSystemTrayIcon::Trigger);
    EXPECT_FALSE(MainVisible()) << "the double click's second click does nothing more";
    clickNowMs += QGuiApplication::styleHints()->mouseDoubleClickInterval() + 100;
    Activate(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(MainVisible()) << "a later click shows";
}

TEST_F(ProgramTest, SetupTakesTheWindowOutOfTheTopBandOnce) {
    store.Save("AlwaysOnTop", "True");
    Program& ti = Start();
    EXPECT_TRUE(Main()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    Item("&Setup")->trigger();
    EXPECT_TRUE(ti.setupDialog()->isVisible());
    EXPECT_FALSE(Main()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    Item("&Setup")->trigger();  // already open: brought forward, no second dialog
    EXPECT_TRUE(ti.setupDialog()->isVisible());
}

// A preference changed through its owner reaches the window, the icon and the zone lists
// with no dialog in between; each change is one write, the font none (Close writes it).
TEST_F(ProgramTest, PreferencesReachTheWindowAndTheIconWithoutSetup) {
    Start();
    ASSERT_TRUE(MainVisible());
    const std::size_t writes = store.Commits();
    state.preferences.Set(&Preferences::AlwaysOnTop, true);
    EXPECT_TRUE(Main()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(MainVisible());
    state.preferences.SetFont("Arial", 15);
    EXPECT_EQ(Main()->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(Main()->font().pointSize(), 15);
    state.preferences.Set(&Preferences::SortBy, 3);  // east to west
    EXPECT_EQ(state.catalogue.zones[static_cast<std::size_t>(state.catalogue.order[0])].Key,
              "Tokyo Standard Time");
    state.preferences.Set(&Preferences::SingleClick, true);
    Activate(QSystemTrayIcon::Trigger);
    EXPECT_FALSE(MainVisible()) << "one click now hides";
    EXPECT_EQ(store.Value("ShowWnd"), "False");
    EXPECT_EQ(store.Commits(), writes + 4);  // on top, sort, single click, the window hidden
    EXPECT_EQ(store.Value("FontName"), "<none>");
}

TEST_F(ProgramTest, ShutDownWritesSettingsThenGeometryAndEnds) {
    store.Save("WndLeft", "1500");
    Program& ti = Start();
    Item("&Setup")->trigger();
    QPointer<ClockWindow> main = Main();
    testing::HideRecorder setupHidden(ti.setupDialog(), store.log, "setup closed");
    store.log.clear();
    const std::size_t writes = store.Commits();
    Item("E&xit")->trigger();
    EXPECT_EQ(store.Commits(), writes + 1) << "clocks, preferences and geometry in one write";
    const std::vector<std::string> expected{
        "SZoneNum",     "S0Dis",     "S0Fmt",     "S0Zon",       "S0Ena",         "S1Dis",
        "S1Fmt",        "S1Zon",     "S1Ena",     "AlwaysOnTop", "ShowWnd",       "StartUp",
        "SingleClick",  "SortBy",    "AMPM",      "FontName",    "FontSize",      "STStartUp",
        "STInt",        "STIntNum",  "STIntType", "STServer",    "DefaultFormat", "ShowOffset",
        "WorkDefault",  "WorkHours", "WorkDays",  "MeetLength",  "ChangeDays",    "ChangeLines",
        "ChangeNotify", "DayNight",  "ConvMap",   "WndLeft",     "WndWidth",      "WndTop",
        "WndHeight"};
    EXPECT_EQ(store.Writes(), expected) << "no STLast";
    EXPECT_LT(store.IndexOf("W DefaultFormat"), store.IndexOf("setup closed"));
    EXPECT_LT(store.IndexOf("setup closed"), store.IndexOf("W WndLeft"));
    EXPECT_EQ(store.Value("ShowWnd"), "True") << "ShowWnd keeps its value";
    EXPECT_EQ(store.Value("WndLeft"), "1500");
    EXPECT_FALSE(ti.tray().isIconAdded());
    EXPECT_EQ(ended, 1);
    testing::ProcessPending();
    EXPECT_TRUE(main.isNull());

    // Asked again (a signal after Exit): nothing more happens.
    store.log.clear();
    ti.shutDown();
    EXPECT_TRUE(store.log.empty());
    EXPECT_EQ(ended, 1);
}

}  // namespace
}  // namespace horavia

namespace horavia {
namespace {

// The real settings file, whose saves fail at one step for as long as the test says.
TEST(ProgramSettingsFile, AFailedSaveIsToldOnceAndTheProgramGoesOnAndTriesAgain) {
    QTemporaryDir dir;
    testing::FailingFileSystem fs;
    fs.failStep = "CreateTemp";
    const QString folder = dir.path() + "/Horavia";
    QtSettingsStore settings(folder, fs);
    testing::TestServices s;
    AppState state(Services{settings, s.registry, s.messages, s.localZone, s.clock},
                   EnglishUnitedStates());
    ProgramOptions options;
    options.serverQueries = MakeServerTimeQuery;
    options.timePorts = {testing::ClosedPort(), testing::ClosedPort()};
    options.mapPicture = testing::TinyMap();
    options.notificationArea = [] {
        return std::make_unique<testing::FakeNotificationArea>(true, TrayHostStyle::ClickActivates);
    };
    Program ti(state, s.clockSetter, options);
    bool running = false;
    ti.start([&running](bool runs) { running = runs; });
    ASSERT_TRUE(running);  // a first start: its defaults cannot be written

    ASSERT_EQ(s.messages.shown.size(), 1u);
    const auto& told = s.messages.shown[0];
    const std::string path = (folder + "/Horavia 2.0.ini").toStdString();
    EXPECT_EQ(told.text, "The settings could not be saved to\n" + path +
                             "\n(creating a temporary file: Injected failure).\n\n"
                             "Horavia keeps working with your settings and tries again at the "
                             "next save.");
    EXPECT_EQ(told.title, "Horavia");
    EXPECT_EQ(told.icon, MsgIcon::Exclamation);
    EXPECT_EQ(ti.clockWindow()->paintLayout().rows, 2) << "the default clocks, from memory";
    ti.openSetup();
    testing::Click(*ti.setupDialog(), "closeButton");
    EXPECT_EQ(s.messages.shown.size(), 1u) << "told once";
    EXPECT_FALSE(QFile::exists(folder + "/Horavia 2.0.ini"));

    fs.failStep.clear();
    testing::Click(*ti.setupDialog(), "closeButton");
    QFile file(folder + "/Horavia 2.0.ini");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    EXPECT_TRUE(saved.contains("\nS1Dis=Swatch\n") && saved.contains("\nSVersion=2\n"));
    EXPECT_FALSE(settings.Problem());

    fs.failStep = "Rename";
    ti.shutDown();
    EXPECT_EQ(s.messages.shown.size(), 2u) << "a new failure after a good save is told again";
}

}  // namespace
}  // namespace horavia
