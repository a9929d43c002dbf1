// The arithmetic of the windows: row layout, restored geometry, tick timing, tray decoding; and
// the dialogs' layouts, which must show every text whole at any font and scale.
#include <gtest/gtest.h>

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QColorSpace>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

#include "tests/sync/utc_at.h"
#include "translations/program_translations.h"
#include "ui/convert/converter_window.h"
#include "ui/editor/clock_editor.h"
#include "ui/main/main_window_layout.h"
#include "ui/main/program_icon.h"
#include "ui/main/tick_schedule.h"
#include "ui/setup/server_test_dialog.h"
#include "ui/setup/setup_dialog.h"
#include "ui/tray/tray_activation.h"
#include "ui/tray/tray_presenter.h"
#include "ui_test_support.h"

namespace horavia {
namespace {

// 10 pixels per character, so widths are easy to follow.
double TenPerChar(const std::string& text) {
    return static_cast<double>(text.size()) * 10;
}

TEST(ClockLayout, RowsColumnsAndWindowSize) {
    const ClockPaintLayout layout = LayOutClockRows(
        {{"Zulu", "12:00:00"}, {"Swatch", "@500"}, {"NY", "07:00:00 AM"}}, 200, TenPerChar);
    ASSERT_EQ(layout.texts.size(), 6u);
    EXPECT_EQ(layout.rows, 3);
    EXPECT_EQ(layout.labelWidth, 60);
    EXPECT_EQ(layout.timeWidth, 110);
    // Labels at x 4, one row pitch apart from y 4.
    EXPECT_EQ(layout.texts[0].x, 4);
    EXPECT_EQ(layout.texts[0].y, 4);
    EXPECT_EQ(layout.texts[2].y, 404);
    // Times after the widest label and a gap of one line height.
    EXPECT_EQ(layout.texts[3].text, "12:00:00");
    EXPECT_EQ(layout.texts[3].x, 60 + 4 + 200);
    EXPECT_EQ(layout.texts[5].y, 404);
    EXPECT_EQ(layout.outerWidth, 60 + 16 + 200 + 110);
    EXPECT_EQ(layout.clientHeight, 3 * 200 + 8);
}

// A tick that changes only texts repaints those texts over their old and new extent; one that
// moves anything repaints the whole window.
TEST(ClockLayout, ChangedTextsAreTheTextsThatChangedInPlace) {
    const auto lay = [](std::vector<ClockRowText> rows) {
        return LayOutClockRows(rows, 200, TenPerChar);
    };
    const ClockPaintLayout before = lay({{"Zulu", "Wednesday"}, {"NY", "07:00:00"}});
    ASSERT_TRUE(ChangedTexts(before, before));
    EXPECT_TRUE(ChangedTexts(before, before)->empty());
    const auto changed = ChangedTexts(before, lay({{"Zulu", "Thursday"}, {"NY", "07:00:01"}}));
    ASSERT_TRUE(changed);
    ASSERT_EQ(changed->size(), 2u);
    EXPECT_EQ((*changed)[0].before, "Wednesday");
    EXPECT_EQ((*changed)[0].after.text, "Thursday");
    EXPECT_EQ((*changed)[0].after.width, 90) << "the old, longer text is covered too";
    EXPECT_EQ((*changed)[1].after.x, before.texts[3].x);
    EXPECT_FALSE(ChangedTexts(before, lay({{"Zulu", "Wednesday"}})));
    EXPECT_FALSE(ChangedTexts(before, lay({{"Zulu-Zulu", "Wednesday"}, {"NY", "07:00:00"}})))
        << "a wider label moves the times";
}

// The icons compiled in as pixels are the drawn PNGs, pixel for pixel, at every size.
TEST(CompiledIcons, AreTheDrawnPngsAtEverySize) {
    const std::vector<std::pair<QString, std::vector<int>>> drawn = {
        {QStringLiteral("horavia"), {16, 22, 24, 32, 48, 64, 128}},
        {QStringLiteral("arrow-up"), {16, 24, 32, 48}},
        {QStringLiteral("arrow-down"), {16, 24, 32, 48}}};
    for (const auto& [name, sizes] : drawn) {
        const QIcon icon = CompiledIcon(name);
        EXPECT_EQ(icon.availableSizes().size(), sizes.size()) << name.toStdString();
        for (int size : sizes) {
            const QString png =
                QStringLiteral(HORAVIA_ICON_FOLDER "/%1-%2.png").arg(name).arg(size);
            QImage expected = QImage(png).convertToFormat(QImage::Format_ARGB32_Premultiplied);
            ASSERT_FALSE(expected.isNull()) << png.toStdString();
            expected.setColorSpace(QColorSpace());  // the pixels are compared, as drawn
            EXPECT_EQ(icon.pixmap(QSize(size, size))
                          .toImage()
                          .convertToFormat(QImage::Format_ARGB32_Premultiplied),
                      expected)
                << png.toStdString();
        }
    }
}

TEST(ClockLayout, NoClockLeavesTheMarginsOnly) {
    const ClockPaintLayout layout = LayOutClockRows({}, 195, TenPerChar);
    EXPECT_TRUE(layout.texts.empty());
    EXPECT_EQ(layout.outerWidth, 195 + 16);
    EXPECT_EQ(layout.clientHeight, 8);
}

TEST(RestoredGeometry, KeptOnTheDesktop) {
    const QRect desktop(0, 0, 1280, 800);
    auto at = [&](double left, double top, double width = 200, double height = 60) {
        return KeepOnDesktop(QRectF(left, top, width, height), desktop);
    };
    EXPECT_EQ(at(-33.3, 20).x(), 0);
    EXPECT_EQ(at(20, -1.3).y(), 0);
    EXPECT_EQ(at(100, 133.3).x(), 100) << "on screen: unchanged";
    // A third still on screen is enough, also where the stored twips fall between pixels
    // (at 15 a pixel) and their division lands a rounding error beyond the edge; less moves
    // the window flush with the far edge.
    EXPECT_EQ(at(18200 / 15.0, 0).x(), 18200 / 15.0);
    const QRect leftScreen(-1280, 0, 1280, 800);
    EXPECT_EQ(KeepOnDesktop(QRectF(-672 / 15.0, 0, 2016 / 15.0, 60), leftScreen).x(), -672 / 15.0);
    EXPECT_EQ(at(1280 - 67, 0).x(), 1280 - 67);
    EXPECT_EQ(at(1280 - 66, 0).x(), 1280 - 200);
    EXPECT_EQ(at(1280 - 40, 0).x(), 1280 - 200);
    EXPECT_EQ(at(0, 800 - 6.7).y(), 800 - 60);
    EXPECT_EQ(at(0, 800 - 20).y(), 800 - 20);
    EXPECT_EQ(at(0, 800 - 19).y(), 800 - 60);
    // Wider than the desktop: the far-edge rule leaves it starting off the near edge.
    EXPECT_EQ(at(666.7, 0, 2000).x(), 1280 - 2000);
    // Absent keys read 100 twips each (6.7 pixels at 96 dpi): on screen as they are.
    const double fresh = 100 / 15.0;
    EXPECT_EQ(at(fresh, fresh, fresh, fresh), QRectF(fresh, fresh, fresh, fresh));
}

TEST(RestoredGeometry, FirstStartOpensInsideTheWorkArea) {
    // A panel of 32 pixels across the top and one of 48 down the left.
    const QRect workArea(48, 32, 1280 - 48, 800 - 32);
    const double f = 100 / 15.0;  // every key absent: 100 twips each
    const QRectF fresh(f, f, f, f);
    const QRectF first = KeepFirstPlaceInWorkArea(fresh, workArea, false, false);
    EXPECT_EQ(first.x(), 48);
    EXPECT_EQ(first.y(), 32) << "the title bar below the panel, where it can be dragged";
    EXPECT_EQ(first.size(), fresh.size());
    // A stored place is the user's: only the desktop rules apply to it.
    const QRectF stored = KeepFirstPlaceInWorkArea(QRectF(f, f, 200, 60), workArea, true, true);
    EXPECT_EQ(stored.x(), f);
    EXPECT_EQ(stored.y(), f);
    const QRectF leftOnly = KeepFirstPlaceInWorkArea(fresh, workArea, true, false);
    EXPECT_EQ(leftOnly.x(), f);
    EXPECT_EQ(leftOnly.y(), 32);
    // Already inside: unchanged.
    EXPECT_EQ(KeepFirstPlaceInWorkArea(QRectF(200, 133.3, 200, 60), workArea, false, false).y(),
              133.3);
}

TEST(RestoredGeometry, DesktopOfSeveralScreens) {
    // A second screen left of the primary one starts at a negative position.
    const QRect desktop(-1280, 0, 2560, 800);
    EXPECT_EQ(KeepOnDesktop(QRectF(-333.3, 0, 200, 60), desktop).x(), -333.3);
    EXPECT_EQ(KeepOnDesktop(QRectF(-1666.7, 0, 200, 60), desktop).x(), -1280);
    EXPECT_EQ(KeepOnDesktop(QRectF(1253.3, 0, 200, 60), desktop).x(), 1280 - 200);
}

using test::UtcAt;

TEST(TickSchedule, WakesJustAfterTheNextSecond) {
    EXPECT_EQ(MsToNextTick(UtcAt(2026, 7, 1, 12, 0, 0, 0)), 1000 + kTickDelayMs);
    EXPECT_EQ(MsToNextTick(UtcAt(2026, 7, 1, 12, 0, 0, 250)), 750 + kTickDelayMs);
    // Woken a little early, the tick sleeps only to the boundary it missed.
    EXPECT_EQ(MsToNextTick(UtcAt(2026, 7, 1, 12, 0, 0, 999)), 1 + kTickDelayMs);
    EXPECT_EQ(SecondOfMinute(UtcAt(2026, 7, 1, 23, 59, 59, 999)), 59);
    EXPECT_EQ(SecondOfMinute(UtcAt(2026, 7, 1, 12, 0, 7, 0)), 7);
    // Before 1970 the milliseconds still count up to the next second.
    EXPECT_EQ(MsToNextTick(UtcAt(1969, 12, 31, 23, 59, 59, 250)), 750 + kTickDelayMs);
    EXPECT_EQ(SecondOfMinute(UtcAt(1969, 12, 31, 23, 59, 59, 250)), 59);
}

// What each activation asks for; the program's answer is checked on the tray form.
TEST(TrayCommands, EachActivationWithAndWithoutSingleClick) {
    using R = QSystemTrayIcon::ActivationReason;
    using C = TrayCommand;
    struct Case {
        R reason;
        C withoutSingleClick;
        C withSingleClick;
    };
    const Case cases[]{
        {QSystemTrayIcon::Trigger, C::ForceForeground, C::ShowHide},
        {QSystemTrayIcon::DoubleClick, C::ShowHide, C::None},
        {QSystemTrayIcon::Context, C::PopupMenu, C::PopupMenu},
        {QSystemTrayIcon::MiddleClick, C::None, C::None},
        {QSystemTrayIcon::Unknown, C::None, C::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TrayCommandFor(c.reason, false), c.withoutSingleClick) << c.reason;
        EXPECT_EQ(TrayCommandFor(c.reason, true), c.withSingleClick) << c.reason;
    }
}

TEST(TrayClicks, ActivationsWithinTheIntervalMakeADoubleClick) {
    using R = QSystemTrayIcon::ActivationReason;
    struct Step {
        R reason;
        qint64 atMs;
        R recognised;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
    };
    const R click = QSystemTrayIcon::Trigger;
    const R twice = QSystemTrayIcon::DoubleClick;
    const R context = QSystemTrayIcon::Context;
    const R middle = QSystemTrayIcon::MiddleClick;
    const std::vector<Case> cases{
        // Single, double and slow double clicks are followed through the tray form's tests.
        {"just outside the interval", {{click, 1000, click}, {click, 1400, click}}},
        {"triple: the third starts a new pair",
         {{click, 1000, click}, {click, 1100, twice}, {click, 1200, click}, {click, 1300, twice}}},
        {"a right click between two clicks",
         {{click, 1000, click}, {context, 1050, context}, {click, 1100, click}}},
        {"a middle click between two clicks",
         {{click, 1000, click}, {middle, 1050, middle}, {click, 1100, click}}},
        // Where the platform reports the double click itself, it passes as it is and the
        // click after it is a click again.
        {"double click reported by the platform",
         {{click, 1000, click}, {twice, 1100, twice}, {click, 1200, click}}},
    };
    for (const Case& c : cases) {
        TrayClicks clicks;
        for (const Step& step : c.steps) {
            EXPECT_EQ(clicks.Recognise(step.reason, step.atMs, 400), step.recognised)
                << c.name << " at " << step.atMs;
        }
    }
}

TEST(TrayTip, FieldHoldsAtMost127Characters) {
    EXPECT_EQ(TrayTipField("Horavia"), QStringLiteral("Horavia"));
    EXPECT_EQ(TrayTipField(std::string(127, 'a')).size(), 127);
    EXPECT_EQ(TrayTipField(std::string(200, 'a')).size(), 127);
    // Characters, not bytes: 130 two-byte characters keep 127 characters.
    std::string umlauts;
    for (int i = 0; i < 130; ++i) umlauts += "\xC3\xBC";
    EXPECT_EQ(TrayTipField(umlauts), QString(127, QChar(0xFC)));
    // A character outside the basic plane is never cut in half.
    std::string clocks(126, 'a');
    clocks += "\xF0\x9F\x95\x90";  // one clock face, two UTF-16 units
    EXPECT_EQ(TrayTipField(clocks).size(), 128);
}

// --- The dialogs at the desktop's font sizes --------------------------------------------------
// Run at 1x here and again at 1.5x and 2x (QT_SCALE_FACTOR; see CMakeLists.txt).

// The application font at `points` for as long as it lives, as a desktop's font setting is.
class AppFontSize {
  public:
    explicit AppFontSize(int points) : saved_(QApplication::font()) {
        QFont font = saved_;
        font.setPointSize(points);
        QApplication::setFont(font);
    }
    ~AppFontSize() { QApplication::setFont(saved_); }
    AppFontSize(const AppFontSize&) = delete;
    AppFontSize& operator=(const AppFontSize&) = delete;

  private:
    QFont saved_;
};

QString WithoutMnemonic(QString text) {
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QStringLiteral("\x01"), QStringLiteral("&"));
}

std::string Describe(const QWidget* w) {
    std::string text = w->metaObject()->className();
    if (!w->objectName().isEmpty()) text += " " + w->objectName().toStdString();
    if (const auto* label = qobject_cast<const QLabel*>(w))
        text += " '" + label->text().toStdString() + "'";
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
        text += " '" + button->text().toStdString() + "'";
    }
    return text;
}

// Every widget of `window` that is shown: no caption or text is cut, and every layout has at
// least the room it asks for.
void ExpectEverythingFits(const QWidget& window, const std::string& where) {
    EXPECT_GE(window.width(), window.minimumSizeHint().width()) << where;
    EXPECT_GE(window.height(), window.minimumSizeHint().height()) << where;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window) || w->isWindow()) continue;
        const std::string what = where + ": " + Describe(w);
        if (w->layout() != nullptr) {
            const QSize needed = w->layout()->totalMinimumSize();
            EXPECT_GE(w->width(), needed.width()) << what;
            EXPECT_GE(w->height(), needed.height()) << what;
        }
        if (const auto* bar = qobject_cast<const QTabBar*>(w)) {
            EXPECT_LE(bar->sizeHint().width(), bar->width()) << what << ": all tabs side by side";
            for (const QToolButton* scroll : bar->findChildren<QToolButton*>()) {
                EXPECT_FALSE(scroll->isVisible()) << what << ": no tab scroller";
            }
            for (int i = 0; i < bar->count(); ++i) {
                EXPECT_GT(bar->tabRect(i).width(),
                          bar->fontMetrics().horizontalAdvance(WithoutMnemonic(bar->tabText(i))))
                    << what << " tab " << i;
            }
        } else if (const auto* label = qobject_cast<const QLabel*>(w)) {
            if (label->text().isEmpty()) continue;
            if (label->wordWrap()) {
                EXPECT_GE(label->height(), label->heightForWidth(label->width())) << what;
            } else {
                EXPECT_GE(label->width(), label->sizeHint().width()) << what;
                EXPECT_GE(label->height(), label->fontMetrics().height()) << what;
            }
        } else if (const auto* push = qobject_cast<const QPushButton*>(w)) {
            if (push->text().isEmpty()) continue;
            // The style's least width may be more than the caption needs; the caption is what
            // must show.
            const int margin = push->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, push);
            EXPECT_GE(push->width(),
                      push->fontMetrics().horizontalAdvance(WithoutMnemonic(push->text())) + margin)
                << what;
            EXPECT_GE(push->height(), push->fontMetrics().height()) << what;
        } else if (qobject_cast<const QCheckBox*>(w) != nullptr ||
                   qobject_cast<const QRadioButton*>(w) != nullptr) {
            EXPECT_GE(w->width(), w->sizeHint().width()) << what;
            EXPECT_GE(w->height(), w->sizeHint().height()) << what;
        } else if (qobject_cast<const QComboBox*>(w) != nullptr ||
                   qobject_cast<const QGroupBox*>(w) != nullptr ||
                   qobject_cast<const QAbstractSpinBox*>(w) != nullptr) {
            EXPECT_GE(w->width(), w->minimumSizeHint().width()) << what;
            EXPECT_GE(w->height(), w->minimumSizeHint().height()) << what;
        } else if (qobject_cast<const QAbstractSpinBox*>(w->parentWidget()) != nullptr) {
            // A spin box sizes its field to the room inside its frame, less than the field's
            // own padded hint: its text must fit.
            EXPECT_GE(w->height(), w->fontMetrics().height()) << what;
        } else if (qobject_cast<const QLineEdit*>(w) != nullptr &&
                   qobject_cast<const QComboBox*>(w->parentWidget()) == nullptr) {
            EXPECT_GE(w->height(), w->minimumSizeHint().height()) << what;
        }
    }
}

void ExpectResizable(const QWidget& window, const std::string& where) {
    EXPECT_LT(window.minimumWidth(), window.maximumWidth()) << where;
    EXPECT_LT(window.minimumHeight(), window.maximumHeight()) << where;
}

// The first servers answer at once, so the progress list has rows; the rest never answer.
class FirstAnswersQuery : public TimeQueryPort {
  public:
    bool StartQuery(const std::string&, AnswerHandler done) override {
        if (++asked_ <= 4) QTimer::singleShot(0, [done = std::move(done)] { done(TimeAnswer{}); });
        return true;
    }

  private:
    int asked_ = 0;
};

using testing::AddZone;
using testing::MakeTzi;

// Clocks with a long label and a long zone name.
void PrepareClocksToFit(testing::TestServices& services) {
    AddZone(services.registry, "Mountain Standard Time", "(UTC-07:00) Mountain Time (US & Canada)",
            MakeTzi(420, -60, testing::kUsStd, testing::kUsDlt));
    services.StoreClocks({"Denver|Mountain Standard Time|True", "A clock with a long name|0|True",
                          "Tokyo|Tokyo Standard Time|False"});
    services.state.LoadSettings();
    ASSERT_TRUE(services.state.LoadCatalogue());
}

class DialogFit : public ::testing::TestWithParam<int>, public testing::TestServices {
  protected:
    void SetUp() override { PrepareClocksToFit(*this); }
    std::string Where(const char* dialog) const {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return std::string(dialog) + " at " + std::to_string(GetParam()) + " pt, scale " +
               QString::number(screen->devicePixelRatio()).toStdString() + " on " +
               std::to_string(screen->availableGeometry().width()) + "x" +
               std::to_string(screen->availableGeometry().height());
    }
};

TEST_P(DialogFit, SetupDialogShowsEveryTabAndTextWhole) {
    const AppFontSize size(GetParam());
    SetupDialog setup(state);
    setup.show();
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {  // the scaled runs really are scaled
        EXPECT_DOUBLE_EQ(setup.devicePixelRatioF(),
                         qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
    }
    ExpectResizable(setup, Where("setup"));
    auto* tabs = setup.findChild<QTabWidget*>(QStringLiteral("tabs"));
    ASSERT_NE(tabs, nullptr);
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        QCoreApplication::processEvents();
        ExpectEverythingFits(setup, Where("setup") + ", tab " + std::to_string(tab));
    }
    // At its smallest, too.
    setup.resize(setup.minimumSize());
    QCoreApplication::processEvents();
    ExpectEverythingFits(setup, Where("setup at its minimum"));
}

TEST_P(DialogFit, ServerTestEditorAndConverterShowEveryTextWhole) {
    const AppFontSize size(GetParam());
    FirstAnswersQuery query;
    ServerTestDialog test(query, clock, messages);
    test.show();
    test.testServers({"time-a-g.nist.gov", "time-b-g.nist.gov", "ntp:ptbtime1.ptb.de"},
                     "time.nist.gov");
    ClockEditor editor(state);  // with the real map
    ASSERT_TRUE(editor.prepareClock(0));
    editor.show();
    ConverterWindow converter(state, messages);
    converter.show();
    QTest::qWait(20);
    for (QWidget* window : std::initializer_list<QWidget*>{&test, &editor, &converter}) {
        const std::string where = Where(window->metaObject()->className());
        ExpectResizable(*window, where);
        ExpectEverythingFits(*window, where);
        window->resize(window->minimumSize());
        QCoreApplication::processEvents();
        ExpectEverythingFits(*window, where + " at its minimum");
    }
    test.close();
}

// With its map strip the converter still fits a 1280 x 800 screen, its frame included.
TEST_P(DialogFit, ConverterWithItsMapFitsTheScreen) {
    const AppFontSize size(GetParam());
    state.preferences.Set(&Preferences::ConvMap, true);
    ConverterWindow converter(state, messages);
    converter.show();
    QCoreApplication::processEvents();
    const std::string where = Where("converter with its map");
    ExpectEverythingFits(converter, where);
    const auto* strip = converter.findChild<QWidget*>(QStringLiteral("mapStrip"));
    ASSERT_NE(strip, nullptr);
    EXPECT_TRUE(strip->isVisible()) << where;
    EXPECT_GT(strip->height(), 0) << where;
    EXPECT_LE(strip->height(), 184) << where;
    const QSizeF onScreen =
        QSizeF(converter.frameGeometry().size()) * converter.devicePixelRatioF();
    if (converter.devicePixelRatioF() == 1.0) {  // scaled screens: EveryWindowOpensInside...
        EXPECT_LE(onScreen.width(), 1280) << where;
        EXPECT_LE(onScreen.height(), 800 - 40) << where << ": room for a panel";
    }
}

// Every window, as it opens and at its least size, lies inside the screen's work area, frame
// included (the converter with and without its map); its texts still show whole.
TEST_P(DialogFit, EveryWindowOpensInsideItsScreen) {
    const AppFontSize size(GetParam());
    const QRect workArea = QGuiApplication::primaryScreen()->availableGeometry();
    SetupDialog setup(state);
    ClockEditor editor(state);
    ASSERT_TRUE(editor.prepareClock(0));
    FirstAnswersQuery query;
    ServerTestDialog test(query, clock, messages);
    ConverterWindow converter(state, messages);
    for (QWidget* window :
         std::initializer_list<QWidget*>{&setup, &editor, &test, &converter, &converter}) {
        if (window == &converter && converter.isVisible()) {
            converter.hide();
            state.preferences.Set(&Preferences::ConvMap, true);
        }
        window->show();
        QCoreApplication::processEvents();
        const std::string where = Where(window->metaObject()->className());
        for (bool least : {false, true}) {
            if (least) window->resize(window->minimumSize());
            QCoreApplication::processEvents();
            const QRect frame = window->frameGeometry();
            EXPECT_TRUE(workArea.contains(frame))
                << where << (least ? " at its least size" : "") << ": frame " << frame.x() << ","
                << frame.y() << " " << frame.width() << "x" << frame.height();
            ExpectEverythingFits(*window, where);
        }
        if (window == &editor) {  // the map at its own size, scrolled to where it must
            const auto* map = editor.findChild<QWidget*>(QStringLiteral("worldMap"));
            ASSERT_NE(map, nullptr);
            EXPECT_EQ(map->size(), map->sizeHint()) << where;
        }
        window->hide();
    }
}

INSTANTIATE_TEST_SUITE_P(Points, DialogFit, ::testing::Values(8, 10, 12, 14),
                         [](const auto& info) { return std::to_string(info.param) + "pt"; });

// In every language the program is translated into, longer words widen the dialogs rather
// than cut a caption (right to left in Arabic).
class TranslatedDialogFit : public ::testing::TestWithParam<const char*>,
                            public testing::TestServices {
  protected:
    void SetUp() override {
        ASSERT_EQ(translations.install({QString::fromLatin1(GetParam())}).language,
                  QString::fromLatin1(GetParam()));
        PrepareClocksToFit(*this);
    }
    ProgramTranslations translations;
};

TEST_P(TranslatedDialogFit, EveryTabAndWindowShowsItsTextsWhole) {
    const std::string where = std::string("in ") + GetParam();
    SetupDialog setup(state);
    setup.show();
    auto* tabs = setup.findChild<QTabWidget*>(QStringLiteral("tabs"));
    ASSERT_NE(tabs, nullptr);
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        QCoreApplication::processEvents();
        ExpectEverythingFits(setup, "setup " + where + ", tab " + std::to_string(tab));
    }
    ClockEditor editor(state);
    ASSERT_TRUE(editor.prepareClock(0));
    editor.show();
    ConverterWindow converter(state, messages);
    converter.show();
    QTest::qWait(20);
    for (QWidget* window : std::initializer_list<QWidget*>{&editor, &converter}) {
        window->resize(window->minimumSize());
        QCoreApplication::processEvents();
        ExpectEverythingFits(*window, window->metaObject()->className() + (" " + where));
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedDialogFit,
                         ::testing::Values("de", "fr", "es", "pt_BR", "ru", "ja", "zh_CN", "ar"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace horavia
