// The clock window: rows and size, restored geometry, mouse and keys, closing.
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

#include "ui/main/clock_window.h"
#include "ui/main/twips.h"
#include "ui/main/work_area_follower.h"
#include "ui_test_support.h"

namespace horavia {
namespace {

using testing::kNow;

class MainWindow : public ::testing::Test, public testing::TestServices {
  protected:
    void TearDown() override { delete window.data(); }

    ClockWindow& Open() {
        state.LoadSettings();
        EXPECT_TRUE(state.LoadCatalogue());
        return Create();
    }
    // A window as the program makes it: placed, then shown when it is to show.
    ClockWindow& Create(WindowLimits limits = {}) {
        window = new ClockWindow(state, limits);
        QObject::connect(window, &ClockWindow::hideRequested,
                         [this] { hideRequests.push_back(false); });
        QObject::connect(window, &ClockWindow::setupRequested, [this] { ++setupRequests; });
        QObject::connect(window, &ClockWindow::menuRequested,
                         [this](const QPoint& at) { menuRequests.push_back(at); });
        window->restorePlace();
        window->setVisible(state.preferences.Values().ShowWnd);
        return *window;
    }
    double Tpp() const { return TwipsPerPixel(window.data()); }
    int Px(int twips) const { return static_cast<int>(std::lround(twips / Tpp())); }
    static int Whole(double pixels) { return static_cast<int>(std::lround(pixels)); }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& t : window->paintLayout().texts) texts.push_back(t.text);
        return texts;
    }

    std::vector<bool> hideRequests;  // false for each request to hide the window
    int setupRequests = 0;
    std::vector<QPoint> menuRequests;
    QPointer<ClockWindow> window;
};

TEST_F(MainWindow, RowsOnlyForEnabledClocksWithoutGaps) {
    StoreClocks({"Zulu|0|True", "Off|0|False", "Tokyo|Tokyo Standard Time|True"});
    ClockWindow& w = Open();
    const ClockPaintLayout& layout = w.paintLayout();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Zulu", "Tokyo", "11:30:15", "20:30:15"}));
    ASSERT_EQ(layout.rows, 2);
    EXPECT_GT(layout.lineHeight, 0);
    EXPECT_EQ(layout.texts[1].y, layout.lineHeight + 4) << "no gap for the disabled clock";
    EXPECT_EQ(layout.texts[3].y, layout.lineHeight + 4);
    EXPECT_EQ(layout.texts[2].x, layout.labelWidth + 4 + layout.lineHeight);
    // The width rule is for the whole window (frame included), the height rule for the rows.
    EXPECT_EQ(w.frameGeometry().width(),
              Whole(layout.labelWidth + 16 + layout.lineHeight + layout.timeWidth));
    EXPECT_EQ(w.height(), Whole(2 * layout.lineHeight + 8));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Horavia"));
    EXPECT_EQ(w.minimumSize(), w.maximumSize()) << "fixed border";
    EXPECT_TRUE(w.windowFlags().testFlag(Qt::Tool)) << "kept out of the taskbar";
    EXPECT_FALSE(w.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(w.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

// With the offset shown, each real zone's time is followed by its distance from the
// computer's; scales without a time of day get nothing.
TEST_F(MainWindow, OffsetFromTheComputersTimeFollowsEachTimeWhenChosen) {
    StoreClocks({"Zulu|0|True", "Tokyo|Tokyo Standard Time|True", "Beat|8|True"});
    store.Save("ShowOffset", "True");
    Open();
    const std::vector<std::string> texts = Texts();
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_EQ(texts[3], "11:30:15  \u22121 h");
    EXPECT_EQ(texts[4], "20:30:15  +8 h");
    EXPECT_EQ(texts[5].find("  "), std::string::npos) << texts[5];
}

TEST_F(MainWindow, PaintingOnlyDrawsTheTextsFollowTheTickAndTheClockList) {
    StoreClocks({"Zulu|0|True", "Tokyo|Tokyo Standard Time|True"});
    ClockWindow& w = Open();
    w.show();
    const QSize size = w.size();
    clock.Set(kNow + 1.0 / 86400);
    w.repaint();
    EXPECT_EQ(Texts()[2], "11:30:15") << "a paint draws what the last tick laid out";
    EXPECT_EQ(w.size(), size);
    w.refresh();  // as each tick does
    EXPECT_EQ(Texts()[2], "11:30:16");

    ASSERT_TRUE(state.book.Enable(0, false));  // as the editor or the setup dialog would
    EXPECT_EQ(w.paintLayout().rows, 1) << "laid out at once, not at the next tick";
    EXPECT_LT(w.height(), size.height());
    state.book.Add({"Far", "", 0, true});
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Tokyo", "Far", "20:30:16", "11:30:16"}));
}

// A tick repaints only what changed, down to the digits that moved on; the screen then shows
// what a whole paint would, a shorter text leaving nothing of the longer one behind.
TEST_F(MainWindow, ATickLeavesTheWindowAsAWholePaintWould) {
    StoreClocks({"Zulu|0|True", "Far|0|True", "Seconds|0|True"});
    store.Save("S0Fmt", "dddd");
    store.Save("S1Fmt", "\"wider than any day of the week\" hh");  // holds the window's width
    store.Save("S2Fmt", "hh:nn:ss");
    clock.Set(FromCivil(2026, 7, 2, 0, 59, 58));  // local, UTC+1
    ClockWindow& w = Open();
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QCoreApplication::processEvents();
    const QSize size = w.size();
    const auto rgb = [](const QPixmap& p) {
        return p.toImage().convertToFormat(QImage::Format_RGB32);
    };
    // One second on, then midnight in UTC: Wednesday becomes Thursday.
    for (const DayCount at : {FromCivil(2026, 7, 2, 0, 59, 59), FromCivil(2026, 7, 2, 1, 0, 0)}) {
        clock.Set(at);
        w.refresh();
        QCoreApplication::processEvents();
        ASSERT_EQ(w.size(), size);
        EXPECT_EQ(rgb(w.screen()->grabWindow(w.winId())), rgb(w.grab())) << Texts()[5];
    }
    ASSERT_EQ(Texts()[3], "Thursday");
}

// The first and last columns with anything but the window's background; -1 for none.
std::pair<int, int> InkColumns(QWidget& w) {
    const QImage image = w.grab().toImage();
    const QRgb background = w.palette().color(QPalette::Window).rgb();
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixel(x, y) == background) continue;
            if (first < 0) first = x;
            last = x;
            break;
        }
    }
    return {first, last};
}

// Under a right-to-left translation (Arabic) the rows are mirrored: labels at the right edge,
// the times to their left, the same distances from the edges.
TEST_F(MainWindow, RightToLeftMirrorsTheRows) {
    StoreClocks({"Zulu|0|True", "Tokyo|Tokyo Standard Time|True"});
    ClockWindow& w = Open();
    w.show();
    const auto [ltrFirst, ltrLast] = InkColumns(w);
    ASSERT_GE(ltrFirst, 0);
    w.setLayoutDirection(Qt::RightToLeft);
    const auto [rtlFirst, rtlLast] = InkColumns(w);
    ASSERT_GE(rtlFirst, 0) << "the texts are drawn inside the window";
    // Side bearings of the first and last letters differ by a pixel or two.
    EXPECT_NEAR(w.width() - 1 - rtlLast, ltrFirst, 3);
    EXPECT_NEAR(w.width() - 1 - rtlFirst, ltrLast, 3);
}

TEST_F(MainWindow, NoEnabledClockLeavesAnEmptyWindow) {
    StoreClocks({"Off|0|False"});
    ClockWindow& w = Open();
    const double lineHeight = w.paintLayout().lineHeight;
    EXPECT_TRUE(w.paintLayout().texts.empty());
    EXPECT_EQ(w.frameGeometry().width(), Whole(lineHeight + 16));
    EXPECT_EQ(w.height(), 8);
}

TEST_F(MainWindow, FontChangesPitchAndSizeAtTheNextPaint) {
    ClockWindow& w = Open();
    const double before = w.paintLayout().lineHeight;
    const int heightBefore = w.height();
    const double labelsBefore = w.paintLayout().labelWidth;
    w.applyFont("DejaVu Sans", 24);
    EXPECT_GT(w.paintLayout().lineHeight, before);
    EXPECT_GT(w.height(), heightBefore);
    EXPECT_GT(w.paintLayout().labelWidth, labelsBefore) << "texts measured in the new font";
}

TEST_F(MainWindow, RestoredGeometryStaysOnTheDesktop) {
    const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
    const double tpp = TwipsPerPixel(nullptr);
    const int desktopWidth = static_cast<int>(desktop.width() * tpp);
    store.Save("WndLeft", "-500");
    store.Save("WndTop", "1500");
    store.Save("WndWidth", "3000");
    ClockWindow& w = Open();
    EXPECT_EQ(w.frameGeometry().x(), 0);
    EXPECT_EQ(w.frameGeometry().y(), Px(1500));
    delete window.data();

    // Only a fifth of the width would show: flush with the right edge instead.
    store.Save("WndLeft", std::to_string(desktopWidth - 600));
    Create();
    EXPECT_EQ(window->frameGeometry().x(), Px(desktopWidth - 3000));
}

TEST_F(MainWindow, MouseAndKeys) {
    ClockWindow& w = Open();
    // Released without being pressed here: the Escape that closed the popup menu.
    QKeyEvent releaseOnly(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &releaseOnly);
    EXPECT_TRUE(hideRequests.empty());
    QTest::keyClick(&w, Qt::Key_A);
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_EQ(hideRequests, std::vector<bool>{false});

    const QPointF local(5, 5);
    const QPointF global(105, 205);
    QMouseEvent right(QEvent::MouseButtonRelease, local, global, Qt::RightButton, Qt::NoButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &right);
    QMouseEvent left(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &left);
    EXPECT_EQ(menuRequests, std::vector<QPoint>{QPoint(105, 205)}) << "right button only";

    QMouseEvent twice(QEvent::MouseButtonDblClick, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &twice);
    EXPECT_EQ(setupRequests, 1);
}

TEST_F(MainWindow, CloseBoxWritesGeometryHidesAndDestroys) {
    store.Save("WndLeft", "1500");
    store.Save("WndTop", "3000");
    ClockWindow& w = Open();
    w.show();
    store.log.clear();
    const std::size_t writes = store.Commits();
    w.close();
    EXPECT_EQ(store.Writes(),
              (std::vector<std::string>{"WndLeft", "WndWidth", "WndTop", "WndHeight"}));
    EXPECT_EQ(store.Commits(), writes + 1) << "the geometry is one write of the file";
    EXPECT_EQ(store.Value("WndLeft"), "1500");
    EXPECT_EQ(store.Value("WndTop"), "3000");
    EXPECT_EQ(hideRequests, std::vector<bool>{false});
    testing::ProcessPending();
    EXPECT_TRUE(window.isNull()) << "created anew when shown again";
}

// Whatever a label or format holds, the window stays on the desktop and shows what fits.
TEST_F(MainWindow, HugeLabelsAndFormatsAreCutAtTheDesktopsEdge) {
    const std::string megabyte(1 << 20, 'x');
    StoreClocks({"W" + megabyte + "|0|True", "Zulu|0|True"});
    store.Save("S1Fmt", '"' + megabyte + "\" hh");  // a quoted literal of a megabyte
    ClockWindow& w = Open();
    const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
    EXPECT_LE(w.frameGeometry().width(), desktop.width());
    EXPECT_LE(w.frameGeometry().height(), desktop.height());
    const auto shown = static_cast<std::size_t>(desktop.width());
    const std::vector<std::string> texts = Texts();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0], "W" + std::string(shown - 1, 'x'));
    EXPECT_EQ(texts[1], "Zulu");
    EXPECT_EQ(texts[3], std::string(shown, 'x'));  // the format's start, as written
    EXPECT_EQ(state.TipText(), " - ...");          // the first label is too long for the tip
}

TEST_F(MainWindow, AnyFontSizeAndManyClocksStayOnTheDesktop) {
    std::vector<std::string> clocks(60, "Zulu|0|True");
    StoreClocks(clocks);
    store.Save("FontSize", "2147483647");
    ClockWindow& w = Open();
    EXPECT_EQ(state.preferences.Values().FontSize, 512);  // the largest size the font dialog offers
    w.applyFont(state.preferences.Values().FontName, state.preferences.Values().FontSize);
    EXPECT_EQ(w.font().pointSize(), 512);
    const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
    EXPECT_EQ(w.frameGeometry().width(), desktop.width());
    EXPECT_EQ(w.frameGeometry().height(), desktop.height());
    EXPECT_EQ(w.paintLayout().rows, 60);
}

// Hiding and showing a window again is how the stays-on-top hint changes; under Wayland the
// compositor would then put the window somewhere new, and the hint does nothing there anyway.
TEST_F(MainWindow, WhereNothingStaysOnTopTheWindowIsNeverShownAfresh) {
    store.Save("AlwaysOnTop", "True");
    for (const char* platform : {"xcb", "wayland"}) {
        const bool wayland = QByteArray(platform) == "wayland";
        state.LoadSettings();
        ASSERT_TRUE(state.LoadCatalogue());
        ClockWindow& w = Create(WindowLimitsOf(QString::fromLatin1(platform)));
        EXPECT_EQ(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint), !wayland) << platform;
        std::vector<std::string> hides;
        testing::HideRecorder recorder(&w, hides, "hidden");
        w.setAlwaysOnTop(false);  // as when the setup dialog opens
        w.setAlwaysOnTop(true);   // and closes
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint), !wayland) << platform;
        EXPECT_EQ(hides.size(), wayland ? 0U : 2U) << platform;
        delete window.data();
    }
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

TEST(WorkAreaFollower, PlaceInANewWorkArea) {
    struct Case {
        const char* name;
        QRect frame;
        QRect workArea;
        bool programPlace, leftStored, topStored;
        std::optional<QPoint> expected;
    };
    const QRect belowTopPanel(0, 27, 1280, 800 - 27);
    const Case cases[]{
        {"a first start before the top panel",
         {7, 7, 200, 60},
         belowTopPanel,
         true,
         false,
         false,
         QPoint(7, 27)},
        {"a left panel", {7, 7, 200, 60}, {48, 0, 1232, 800}, true, false, false, QPoint(48, 7)},
        {"a bottom panel",
         {0, 760, 200, 60},
         {0, 0, 1280, 768},
         true,
         false,
         false,
         QPoint(0, 708)},
        {"already inside", {100, 100, 200, 60}, belowTopPanel, true, false, false, std::nullopt},
        {"moved by the user", {7, 7, 200, 60}, belowTopPanel, false, false, false, std::nullopt},
        {"a stored top is the user's",
         {7, 7, 200, 60},
         belowTopPanel,
         true,
         false,
         true,
         std::nullopt},
        {"taller than the area: the title bar shows",
         {0, 0, 200, 900},
         belowTopPanel,
         true,
         false,
         false,
         QPoint(0, 27)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(
            PlaceInNewWorkArea(c.frame, c.workArea, c.programPlace, c.leftStored, c.topStored),
            c.expected)
            << c.name;
    }
}

// The wiring: the screen announces its new work area, the window the program placed moves into
// it; once the user has moved the window it stays.
TEST(WorkAreaFollower, MovesOnlyTheProgramsPlace) {
    QWidget window(nullptr, Qt::Tool);
    window.resize(120, 40);
    FramePlacement placement(window, true, 20, 20);
    WorkAreaFollower follower(window, placement);
    follower.setStoredAxes(false, false);
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect whole = screen->availableGeometry();
    placement.PlaceFrameAt(whole.topLeft());
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !placement.IsPlacing(); }, 2000));

    emit screen->availableGeometryChanged(whole.adjusted(0, 27, 0, 0));
    // a panel at the top
    EXPECT_TRUE(QTest::qWaitFor([&] { return !placement.IsPlacing(); }, 2000));
    EXPECT_EQ(window.frameGeometry().topLeft(), whole.topLeft() + QPoint(0, 27));
    EXPECT_TRUE(placement.StandsWhereProgramPut());

    window.move(whole.topLeft() + QPoint(200, 10));  // dragged, over where the panel will be
    EXPECT_FALSE(placement.StandsWhereProgramPut());
    emit screen->availableGeometryChanged(whole.adjusted(0, 40, 0, 0));
    EXPECT_EQ(placement.FramePosition(), whole.topLeft() + QPoint(200, 10));
    emit screen->availableGeometryChanged(whole);
    window.hide();
}

}  // namespace
}  // namespace horavia
