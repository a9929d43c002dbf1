// The main window: rows and size, restored geometry, mouse and keys, closing, and the tick.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <memory>

#include "fake_time_server.h"
#include "manual_query_clock.h"
#include "ui/main/frm_main.h"
#include "ui/main/twips.h"
#include "ui_test_support.h"

namespace horavia {
namespace {

using testing::FakeHost;
using testing::kNow;

class MainWindow : public ::testing::Test, public testing::TestServices {
  protected:
    void TearDown() override { delete window.data(); }

    frmMain& Open(quint16 timePort = testing::ClosedPort()) {
        PreferencesView noControls;
        state.LoadSettings(noControls);
        EXPECT_TRUE(state.LoadCatalogue());
        time = std::make_unique<TimeService>(
            state, clockSetter, TimeServerPorts{timePort, timePort}, QueryTiming{&queryClock});
        window = new frmMain(state, host, *time);
        QObject::connect(window, &frmMain::hideRequested, [this] { host.ShowMainWindow(false); });
        window->Form_Load();
        return *window;
    }
    double Tpp() const { return TwipsPerPixel(window.data()); }
    int Px(int twips) const { return static_cast<int>(std::lround(twips / Tpp())); }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& t : window->PaintLayout().texts) texts.push_back(t.text);
        return texts;
    }

    FakeHost host;
    test::ManualQueryClock queryClock;  // no real deadline or pacing is waited out
    std::unique_ptr<TimeService> time;  // the program's, outliving the window
    QPointer<frmMain> window;
};

TEST_F(MainWindow, RowsOnlyForEnabledClocksWithoutGaps) {
    StoreClocks({"Zulu|0|True", "Off|0|False", "Tokyo|Tokyo Standard Time|True"});
    frmMain& w = Open();
    const ClockPaintLayout& layout = w.PaintLayout();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Zulu", "Tokyo", "11:30:15", "20:30:15"}));
    ASSERT_EQ(layout.rows, 2);
    EXPECT_GT(layout.lineHeight, 0);
    EXPECT_EQ(layout.texts[1].y, 60 + layout.lineHeight) << "no gap for the disabled clock";
    EXPECT_EQ(layout.texts[3].y, 60 + layout.lineHeight);
    EXPECT_EQ(layout.texts[2].x, layout.labelWidth + 60 + layout.lineHeight);
    // The width rule is for the whole window (frame included), the height rule for the rows.
    EXPECT_EQ(w.frameGeometry().width(),
              Px(layout.labelWidth + 240 + layout.lineHeight + layout.timeWidth));
    EXPECT_EQ(w.height(), Px(2 * layout.lineHeight + 120));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Horavia"));
    EXPECT_EQ(w.minimumSize(), w.maximumSize()) << "fixed border";
    EXPECT_TRUE(w.windowFlags().testFlag(Qt::Tool)) << "kept out of the taskbar";
    EXPECT_FALSE(w.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(w.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

TEST_F(MainWindow, PaintingOnlyDrawsTheTextsFollowTheTickAndTheClockList) {
    StoreClocks({"Zulu|0|True", "Tokyo|Tokyo Standard Time|True"});
    frmMain& w = Open();
    w.show();
    const QSize size = w.size();
    clock.Set(kNow + 1.0 / 86400);
    w.repaint();
    EXPECT_EQ(Texts()[2], "11:30:15") << "a paint draws what the last tick laid out";
    EXPECT_EQ(w.size(), size);
    w.Timer_Timer();
    EXPECT_EQ(Texts()[2], "11:30:16");

    ASSERT_TRUE(state.book.Enable(0, false));  // as the editor or the setup dialog would
    EXPECT_EQ(w.PaintLayout().rows, 1) << "laid out at once, not at the next tick";
    EXPECT_LT(w.height(), size.height());
    state.book.Add({"Far", "", 0, true});
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Tokyo", "Far", "20:30:16", "11:30:16"}));
}

TEST_F(MainWindow, NoEnabledClockLeavesAnEmptyWindow) {
    StoreClocks({"Off|0|False"});
    frmMain& w = Open();
    const int lineHeight = w.PaintLayout().lineHeight;
    EXPECT_TRUE(w.PaintLayout().texts.empty());
    EXPECT_EQ(w.frameGeometry().width(), Px(lineHeight + 240));
    EXPECT_EQ(w.height(), Px(120));
}

TEST_F(MainWindow, FontChangesPitchAndSizeAtTheNextPaint) {
    frmMain& w = Open();
    const int before = w.PaintLayout().lineHeight;
    const int heightBefore = w.height();
    const int labelsBefore = w.PaintLayout().labelWidth;
    w.ApplyFont("DejaVu Sans", 24);
    EXPECT_GT(w.PaintLayout().lineHeight, before);
    EXPECT_GT(w.height(), heightBefore);
    EXPECT_GT(w.PaintLayout().labelWidth, labelsBefore) << "texts measured in the new font";
}

TEST_F(MainWindow, RestoredGeometryStaysOnTheDesktop) {
    const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
    const double tpp = TwipsPerPixel(nullptr);
    const int desktopWidth = static_cast<int>(desktop.width() * tpp);
    store.Save("WndLeft", "-500");
    store.Save("WndTop", "1500");
    store.Save("WndWidth", "3000");
    frmMain& w = Open();
    EXPECT_EQ(w.frameGeometry().x(), 0);
    EXPECT_EQ(w.frameGeometry().y(), Px(1500));
    delete window.data();

    // Only a fifth of the width would show: flush with the right edge instead.
    store.Save("WndLeft", std::to_string(desktopWidth - 600));
    window = new frmMain(state, host, *time);
    window->Form_Load();
    EXPECT_EQ(window->frameGeometry().x(), Px(desktopWidth - 3000));
}

TEST_F(MainWindow, MouseAndKeys) {
    frmMain& w = Open();
    // Released without being pressed here: the Escape that closed the popup menu.
    QKeyEvent releaseOnly(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &releaseOnly);
    EXPECT_TRUE(host.shows.empty());
    QTest::keyClick(&w, Qt::Key_A);
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_EQ(host.shows, std::vector<bool>{false});

    const QPointF local(5, 5);
    const QPointF global(105, 205);
    QMouseEvent right(QEvent::MouseButtonRelease, local, global, Qt::RightButton, Qt::NoButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &right);
    QMouseEvent left(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &left);
    ASSERT_EQ(host.popups.size(), 1u);
    EXPECT_EQ(host.popups[0].first, QPoint(105, 205));
    EXPECT_TRUE(host.popups[0].second) << "Setup is the default item from the window";

    QMouseEvent twice(QEvent::MouseButtonDblClick, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &twice);
    EXPECT_EQ(host.setupCommands, 1);
}

TEST_F(MainWindow, CloseBoxWritesGeometryHidesAndDestroys) {
    store.Save("WndLeft", "1500");
    store.Save("WndTop", "3000");
    frmMain& w = Open();
    w.show();
    store.log.clear();
    const std::size_t writes = store.Commits();
    w.close();
    EXPECT_EQ(store.Writes(),
              (std::vector<std::string>{"WndLeft", "WndWidth", "WndTop", "WndHeight"}));
    EXPECT_EQ(store.Commits(), writes + 1) << "the geometry is one write of the file";
    EXPECT_EQ(store.Value("WndLeft"), "1500");
    EXPECT_EQ(store.Value("WndTop"), "3000");
    EXPECT_EQ(host.shows, std::vector<bool>{false});
    testing::ProcessPending();
    EXPECT_TRUE(window.isNull()) << "created anew when shown again";
}

TEST_F(MainWindow, TickWorksOncePerSecond) {
    frmMain& w = Open();
    localZone.Set({-120, true});
    EXPECT_TRUE(w.Timer_Timer());
    EXPECT_EQ(w.LastTickSecond(), 15);
    EXPECT_EQ(state.LocalBias, -120) << "the computer's zone is read again";
    ASSERT_EQ(host.tips.size(), 1u);
    EXPECT_EQ(host.tips[0], "Zulu: 10:30 - Swatch: @479");
    EXPECT_FALSE(w.Timer_Timer()) << "same second";
    clock.Set(kNow + 0.9 / 86400);
    EXPECT_FALSE(w.Timer_Timer());
    clock.Set(kNow + 1.0 / 86400);
    EXPECT_TRUE(w.Timer_Timer());
    EXPECT_EQ(host.tips.size(), 2u);
    EXPECT_EQ(Texts()[2], "10:30:16") << "repainted with the new second";
}

TEST_F(MainWindow, TipOfLongClocks) {
    StoreClocks({std::string(43, 'a') + "|0|True", std::string(43, 'b') + "|0|True",
                 std::string(43, 'c') + "|0|True"});  // 50 characters each with ": hh:nn"
    frmMain& w = Open();
    w.Timer_Timer();
    EXPECT_EQ(host.tips.back(),
              std::string(43, 'a') + ": 11:30 - " + std::string(43, 'b') + ": 11:30 - ...");

    state.clocks[0].Label = std::string(115, 'x');  // 122 characters with ": hh:nn"
    clock.Set(kNow + 1.0 / 86400);
    w.Timer_Timer();
    EXPECT_EQ(host.tips.back(), " - ...");

    for (auto& c : state.clocks) c.Enabled = false;
    clock.Set(kNow + 2.0 / 86400);
    w.Timer_Timer();
    EXPECT_EQ(host.tips.back(), "Horavia");
}

// Whatever a label or format holds, the window stays on the desktop and shows what fits.
TEST_F(MainWindow, HugeLabelsAndFormatsAreCutAtTheDesktopsEdge) {
    const std::string megabyte(1 << 20, 'x');
    StoreClocks({"W" + megabyte + "|0|True", "Zulu|0|True"});
    store.Save("S1Fmt", '"' + megabyte + "\" hh");  // a quoted literal of a megabyte
    frmMain& w = Open();
    w.Timer_Timer();
    const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
    EXPECT_LE(w.frameGeometry().width(), desktop.width());
    EXPECT_LE(w.frameGeometry().height(), desktop.height());
    const auto shown = static_cast<std::size_t>(desktop.width());
    const std::vector<std::string> texts = Texts();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0], "W" + std::string(shown - 1, 'x'));
    EXPECT_EQ(texts[1], "Zulu");
    EXPECT_EQ(texts[3], std::string(shown, 'x'));  // the format's start, as written
    EXPECT_EQ(host.tips.back(), " - ...");         // the first label is too long for the tip
}

TEST_F(MainWindow, AnyFontSizeAndManyClocksStayOnTheDesktop) {
    std::vector<std::string> clocks(60, "Zulu|0|True");
    StoreClocks(clocks);
    store.Save("FontSize", "2147483647");
    frmMain& w = Open();
    EXPECT_EQ(state.prefs.FontSize, 512);  // the largest size the font dialog offers
    w.ApplyFont(state.prefs.FontName, state.prefs.FontSize);
    EXPECT_EQ(w.font().pointSize(), 512);
    const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
    EXPECT_EQ(w.frameGeometry().width(), desktop.width());
    EXPECT_EQ(w.frameGeometry().height(), desktop.height());
    EXPECT_EQ(w.PaintLayout().rows, 60);
}

TEST_F(MainWindow, DueSynchronisationRunsFromTheTickAndRecordsSTLast) {
    test::FakeTimeServer server(test::FakeTimeServer::Mode::Normal);
    ASSERT_TRUE(server.Listen());
    server.SetSeconds(testing::ServerSecondsForNow());
    store.Save("STInt", "True");
    store.Save("STIntType", "2");
    store.Save("STIntNum", "3");
    frmMain& w = Open(server.Port());
    store.log.clear();
    ASSERT_TRUE(w.Timer_Timer());
    testing::ProcessPending();  // run by the time service once the tick is over
    EXPECT_EQ(server.Accepted(), 1);
    EXPECT_EQ(clockSetter.calls.size(), 1u) << "the clock was right to the minute: set at once";
    EXPECT_EQ(state.prefs.STLast, kNow);
    EXPECT_NE(store.IndexOf("W STLast"), -1);

    // Within the interval: no query. "Sync Now!" queries but leaves STLast alone.
    clock.Set(kNow + 1.0 / 86400);
    store.log.clear();
    w.Timer_Timer();
    testing::ProcessPending();
    EXPECT_EQ(server.Accepted(), 1);
    const std::int64_t firstAskedMs = queryClock.NowMs();
    EXPECT_EQ(time->SyncTime(), SyncOutcome::ClockSet);
    EXPECT_EQ(server.Accepted(), 2);
    EXPECT_GE(queryClock.NowMs() - firstAskedMs, kMinimumQueryIntervalMs) << "paced";
    EXPECT_EQ(state.prefs.STLast, kNow);
    EXPECT_EQ(store.IndexOf("W STLast"), -1);
}

TEST_F(MainWindow, FailingServerIsRetriedOnlyAfterAFullInterval) {
    store.Save("STInt", "True");
    store.Save("STIntType", "0");
    store.Save("STIntNum", "30");
    frmMain& w = Open(testing::ClosedPort());
    EXPECT_TRUE(w.Timer_Timer());
    testing::ProcessPending();
    EXPECT_EQ(state.prefs.STLast, kNow) << "recorded although the query failed";
    EXPECT_TRUE(messages.shown.empty()) << "a failed query is silent";
    EXPECT_TRUE(clockSetter.calls.empty());
}

TEST_F(MainWindow, SecondsKeepShowingWhileASynchronisationWaits) {
    test::FakeTimeServer server(test::FakeTimeServer::Mode::Silent);
    ASSERT_TRUE(server.Listen());
    store.Save("STInt", "True");  // never synchronised: due at the first tick
    // The computer's clock is always near the end of a second, so the tick comes a few
    // milliseconds after each move.
    const auto nearEndOfSecond = [&](int second) { clock.Set(kNow + (second + 0.99) / 86400.0); };
    nearEndOfSecond(0);
    Open(server.Port());
    // The clock moves on by a second every 20 ms; the tips are counted while the
    // synchronisation started by the timer's own tick waits for the silent server.
    QTimer advance;
    int moved = 0;
    std::size_t firstDuringWait = 0;
    std::size_t lastDuringWait = 0;
    QObject::connect(&advance, &QTimer::timeout, [&] {
        nearEndOfSecond(++moved);
        if (!time->IsBusy()) return;
        if (firstDuringWait == 0) firstDuringWait = host.tips.size();
        lastDuringWait = host.tips.size();
    });
    // The silent server's deadline comes once ticks have shown during the wait.
    queryClock.timeoutWhen = [&] {
        return firstDuringWait > 0 && lastDuringWait >= firstDuringWait + 2;
    };
    advance.start(20);
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.Accepted() == 1 && !time->IsBusy(); }, 5000));
    advance.stop();
    ASSERT_GT(firstDuringWait, 0u) << "the wait was seen";
    EXPECT_GE(lastDuringWait, firstDuringWait + 1) << "ticks went on during the wait";
    EXPECT_EQ(server.Accepted(), 1) << "and none of them started a second query";
}

// Offscreen windows get a frame of 2 pixels at once; a real window manager's late framing is
// checked on a real desktop by the end-to-end test.
TEST(FramePlacement, PutsTheFrameAndFollowsTheUser) {
    QWidget window(nullptr, Qt::Tool);
    window.resize(120, 40);
    FramePlacement placement(window, true, 20, 20);
    placement.PlaceFrameAt(QPoint(300, 200));
    window.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !placement.IsPlacing(); }, 2000));
    EXPECT_EQ(window.frameGeometry().topLeft(), QPoint(300, 200));
    EXPECT_EQ(window.geometry().topLeft(), QPoint(302, 202)) << "the inside, within its frame";
    EXPECT_EQ(placement.FramePosition(), QPoint(300, 200));

    window.move(500, 400);  // dragged
    EXPECT_EQ(placement.FramePosition(), QPoint(500, 400));
    window.hide();
    EXPECT_EQ(placement.FramePosition(), QPoint(500, 400)) << "kept while hidden";
}

TEST(FramePlacement, WherePositionsAreUnknownNothingIsMadeUp) {
    QWidget window(nullptr, Qt::Tool);
    window.move(10, 20);
    FramePlacement placement(window, false, 20, 20);
    placement.PlaceFrameAt(QPoint(300, 200));
    window.show();
    EXPECT_EQ(placement.FramePosition(), std::nullopt);
    EXPECT_FALSE(placement.IsPlacing());
    EXPECT_EQ(window.pos(), QPoint(10, 20)) << "not moved either";
    window.hide();
}

}  // namespace
}  // namespace horavia
