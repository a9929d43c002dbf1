// Day and night at the clocks of the window: the marks after the times, the words screen
// readers hear and the rows' tooltips with the day's sunrise and sunset.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

#include "ui/main/clock_window.h"
#include "ui_test_support.h"

namespace horavia {
namespace {

Instant Utc(int month, int day, int hour, int minute, int second = 0) {
    return InstantOfLocal(FromCivil(2026, month, day, hour, minute, second), 0).value();
}

// Places as a clock stores them (SnPlc).
constexpr const char* kBern = "46.948 7.4474 Bern, Switzerland";
constexpr const char* kHonolulu = "21.3069 -157.8583 Honolulu, Hawaii";
constexpr const char* kBerlin = "52.52 13.405 Berlin, Germany";
constexpr const char* kLongyearbyen = "78.2232 15.6267 Longyearbyen, Svalbard";

class SunMarksWindow : public ::testing::Test, public testing::TestServices {
  public:
    void TearDown() override { delete window; }
    // A UTC clock, then a clock of `zone` labelled "Here" with `place` (none when empty).
    ClockWindow& Open(const char* zone, const char* place, bool dayNight, Instant now) {
        delete window;
        clock.SetUtc(now);
        StoreClocks({"Zulu|0|True", std::string("Here|") + zone + "|True"});
        store.Save("S1Plc", place);  // empty: none
        store.Save("DayNight", dayNight ? "True" : "False");
        state.LoadSettings();
        EXPECT_TRUE(state.LoadCatalogue());
        window = new ClockWindow(state, {});
        window->show();
        return *window;
    }
    std::string TimeText(int row) const {
        const ClockPaintLayout& layout = window->paintLayout();
        return layout.texts[static_cast<std::size_t>(layout.rows + row)].text;
    }

    ClockWindow* window = nullptr;
};

TEST_F(SunMarksWindow, EachRowShowsTheSunAtItsPlaceOnlyWhileTurnedOn) {
    // The sun's elevations, from python3-ephem, lie far from every limit: Bern +66°, Honolulu
    // -44°, Berlin -3.8° (civil twilight), Tokyo -15.3° (astronomical), Longyearbyen +35°.
    const struct {
        const char* what;
        const char* zone;
        const char* place;
        bool on;
        Instant at;
        const char* time;  // the row's time text, marks included
        const char* name;  // what screen readers hear
    } cases[] = {
        {"turned off", "Tokyo Standard Time", kBern, false, Utc(7, 1, 11, 30, 15), "20:30:15",
         "Here, 20:30:15"},
        {"Bern at noon", "Tokyo Standard Time", kBern, true, Utc(7, 1, 11, 30, 15),
         "20:30:15  \u2600 day", "Here, 20:30:15, day"},
        {"Honolulu after midnight", "Tokyo Standard Time", kHonolulu, true, Utc(7, 1, 11, 30, 15),
         "20:30:15  \u263E night", "Here, 20:30:15, night"},
        {"Berlin after sunset", "W. Europe Standard Time", kBerlin, true, Utc(7, 1, 20, 0),
         "22:00:00  \u25D0 civil twilight", "Here, 22:00:00, civil twilight"},
        {"Tokyo by its zone's place", "Tokyo Standard Time", "", true, Utc(7, 1, 11, 30, 15),
         "20:30:15  \u25D0 astronomical twilight", "Here, 20:30:15, astronomical twilight"},
        {"Longyearbyen at midnight", "W. Europe Standard Time", kLongyearbyen, true,
         Utc(7, 1, 22, 0), "00:00:00  \u2600 day", "Here, 00:00:00, day"},
    };
    for (const auto& c : cases) {
        Open(c.zone, c.place, c.on, c.at);
        EXPECT_EQ(TimeText(1), c.time) << c.what;
        QAccessibleInterface* w = QAccessible::queryAccessibleInterface(window);
        EXPECT_EQ(w->child(1)->text(QAccessible::Name).toStdString(), c.name) << c.what;
        EXPECT_EQ(window->rowText(0).toStdString(), "Zulu, " + TimeText(0))
            << c.what << ": UTC has no place, so no mark";
    }
}

TEST_F(SunMarksWindow, PlanningShowsTheWorkingHoursAndTheSunAtThePlannedInstant) {
    store.Save("WorkDefault", "True");
    Open("Tokyo Standard Time", kBern, true, Utc(7, 1, 11, 30, 15));
    QTest::keyClick(window, Qt::Key_Right);  // 11:45 UTC
    EXPECT_EQ(TimeText(1), "20:45:00  \u25CB off work \u00B7 \u2600 day");
    EXPECT_EQ(window->rowText(1).toStdString(), "Here, 20:45:00, off work, day");
    for (int i = 0; i < 15; ++i) QTest::keyClick(window, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(window->rowText(1).toStdString(), "Here, 11:45:00, at work, nautical twilight")
        << "02:45 UTC: dawn in Bern, the sun 7.9 degrees down";
}

TEST_F(SunMarksWindow, TheTooltipGivesTheDaysSunriseAndSunsetOnTheClock) {
    // Sunrise and sunset from python3-ephem (the sun's centre at -0°50' without refraction),
    // each at least ten seconds from where it would round to another minute.
    const struct {
        const char* what;
        const char* zone;
        const char* place;
        bool on;
        Instant at;
        const char* tip;
    } cases[] = {
        {"Berlin in April", "W. Europe Standard Time", kBerlin, true, Utc(4, 10, 12, 0),
         "Berlin, Germany: sunrise 06:20, sunset 19:56"},
        {"Tokyo by its zone's place", "Tokyo Standard Time", "", true, Utc(12, 10, 3, 0),
         "Tokyo, Japan: sunrise 06:40, sunset 16:28"},
        {"polar day", "W. Europe Standard Time", kLongyearbyen, true, Utc(6, 21, 12, 0),
         "Longyearbyen, Svalbard: sun up all day"},
        {"polar night", "W. Europe Standard Time", kLongyearbyen, true, Utc(12, 15, 12, 0),
         "Longyearbyen, Svalbard: sun down all day"},
        {"turned off", "W. Europe Standard Time", kBerlin, false, Utc(4, 10, 12, 0), ""},
    };
    for (const auto& c : cases) {
        Open(c.zone, c.place, c.on, c.at);
        EXPECT_EQ(window->rowToolTip(1).toStdString(), c.tip) << c.what;
        EXPECT_EQ(window->rowToolTip(0).toStdString(), "") << c.what << ": UTC has none";
    }
    // The mouse resting on the row shows it.
    Open("W. Europe Standard Time", kBerlin, true, Utc(4, 10, 12, 0));
    const QPoint at = window->rowRect(1).center();
    QHelpEvent help(QEvent::ToolTip, at, window->mapToGlobal(at));
    QCoreApplication::sendEvent(window, &help);
    QTRY_COMPARE(QToolTip::text().toStdString(),
                 std::string("Berlin, Germany: sunrise 06:20, sunset 19:56"));
}

}  // namespace
}  // namespace horavia
