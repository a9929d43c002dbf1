// The clocks' coming offset changes: the window's lines under the rows and at the top, what
// screen readers read, the tray menu's lines, the notification a day ahead and Setup's choices.
#include "ui/main/change_lines.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLocale>
#include <QSignalSpy>
#include <QSpinBox>
#include <algorithm>
#include <chrono>
#include <iostream>

#include "program_fixture.h"
#include "ui/main/change_texts.h"

namespace horavia {
namespace {

using testing::ProgramTest;

Instant Utc(int month, int day, int hour, int minute = 0) {
    return InstantOfLocal(FromCivil(2026, month, day, hour, minute, 0), 0).value();
}

// Berlin goes back at 01:00 UTC on 25 October, New York at 06:00 UTC on 1 November; Tokyo
// keeps its offset. The fixed clock's now is 11:30:15 UTC on 1 July.
const OffsetChange kBerlinBack{
    std::chrono::duration_cast<std::chrono::seconds>(Utc(10, 25, 1).time_since_epoch()).count(),
    7200, 3600};
const std::vector<std::string> kClocks{"Berlin|W. Europe Standard Time|True",
                                       "Tokyo|Tokyo Standard Time|True",
                                       "New York|Eastern Standard Time|True"};

class ChangeWindow : public ::testing::Test, public testing::TestServices {
  public:
    void TearDown() override { delete window; }
    ClockWindow& Open(bool lines, int days) {
        StoreClocks(kClocks);
        store.Save("ChangeLines", lines ? "True" : "False");
        store.Save("ChangeDays", std::to_string(days));
        state.LoadSettings();
        EXPECT_TRUE(state.LoadCatalogue());
        window = new ClockWindow(state, {});
        window->show();
        return *window;
    }
    // Which clock rows carry a change line, as screen readers read them.
    std::vector<bool> RowsWithLines() const {
        std::vector<bool> with;
        for (int row = 0; row < 3; ++row) {
            with.push_back(window->rowText(row).contains(QStringLiteral("; ")));
        }
        return with;
    }
    ClockWindow* window = nullptr;
};

TEST_F(ChangeWindow, ALineShowsUnderTheRowsThatChangeWithinTheChosenDays) {
    const struct {
        bool lines;
        int days;
        int plannedDaysLater;
        std::vector<bool> with;
    } cases[] = {
        {false, 366, 0, {false, false, false}},  // off by default: the window as it was
        {true, 0, 0, {false, false, false}},     // 0 days: never
        {true, 100, 0, {false, false, false}},
        {true, 120, 0, {true, false, false}},
        {true, 130, 0, {true, false, true}},
        {true, 10, 110, {true, false, false}},   // planned to 19 October: Berlin 6 days ahead
        {true, 10, 125, {false, false, false}},  // both changed before the planned day
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.days) + " days, planned +" +
                     ::testing::PrintToString(c.plannedDaysLater));
        ClockWindow& w = Open(c.lines, c.days);
        for (int i = 0; i < c.plannedDaysLater; ++i) w.stepPlan(PlanStep::DayLater);
        EXPECT_EQ(RowsWithLines(), c.with);
        const std::size_t shown =
            static_cast<std::size_t>(std::count(c.with.begin(), c.with.end(), true));
        EXPECT_EQ(w.paintLayout().notes.size(), shown);
        if (c.with[0]) {
            ASSERT_FALSE(w.paintLayout().notes.empty());
            const Instant at = w.plannedInstant().value_or(state.services.clock.NowUtc());
            const QString line = ChangeLineText(kBerlinBack, at, state.computerZone.get());
            EXPECT_EQ(QString::fromStdString(w.paintLayout().notes[0].text), line);
            EXPECT_EQ(w.rowText(0), QStringLiteral("Berlin, ") +
                                        QString::fromStdString(state.ZoneTimeText(0, true, at)) +
                                        QStringLiteral("; ") + line);
            EXPECT_GT(w.paintLayout().notes[0].y, w.paintLayout().texts[0].y) << "under its row";
            EXPECT_GT(w.rowRect(1).top(), w.rowRect(0).top() + w.paintLayout().lineHeight)
                << "the next row moved down";
        }
        const ClockPaintLayout& l = w.paintLayout();
        EXPECT_NEAR(
            w.height(),
            l.rows * l.lineHeight + 2 * kClockMargin + static_cast<double>(shown) * l.noteHeight,
            1.0)
            << "the window grows by the lines";
        delete window;
        window = nullptr;
    }
}

TEST_F(ChangeWindow, TheTopLineTellsThisComputersOwnChange) {
    ClockWindow& w = Open(true, 120);
    EXPECT_EQ(w.rowCount(), 3) << "a computer that keeps its offset has no top line";
    // The computer keeps Berlin's time from now on.
    const ZoneRules* berlin = state.catalogue.RulesOf(state.Clocks()[0].Zone);
    state.computerZone = std::shared_ptr<const ZoneRules>(std::shared_ptr<void>(), berlin);
    w.refresh();
    ASSERT_EQ(w.rowCount(), 4);
    const QString top = w.rowText(w.computerLineRow());
    EXPECT_TRUE(top.startsWith(QStringLiteral("This computer: "))) << top.toStdString();
    EXPECT_TRUE(top.endsWith(ChangeSentence(kBerlinBack, state.services.clock.NowUtc())));
    ASSERT_EQ(w.paintLayout().notes.size(), 2u);
    EXPECT_EQ(w.paintLayout().notes[0].y, kClockMargin) << "above the first row";
    EXPECT_FALSE(w.rowText(0).contains(QStringLiteral("ahead of you")))
        << "Berlin changes with the computer: no difference to tell";
}

TEST_F(ProgramTest, TheTrayMenuCarriesEachClocksChangeWhereTheHostShowsNoTips) {
    StoreClocks(kClocks);
    store.Save("ChangeDays", "120");
    trayHost = TrayHostStyle::MenuOnClick;
    Start();
    const QString line =
        ChangeLineText(kBerlinBack, state.services.clock.NowUtc(), state.computerZone.get());
    QStringList captions = Captions().mid(0, 5);
    EXPECT_EQ(captions,
              (QStringList{"Berlin: 13:30", line, "Tokyo: 20:30", "New York: 07:30", "-"}));
    EXPECT_FALSE(Menu().actions()[1]->isEnabled());
    state.preferences.Set(&Preferences::ChangeDays, 0);
    EXPECT_EQ(Captions().mid(0, 4),
              (QStringList{"Berlin: 13:30", "Tokyo: 20:30", "New York: 07:30", "-"}))
        << "0 days: no change told";
}

TEST_F(ProgramTest, AChangeIsToldOnceADayAheadWhereChosenAndAnIconCanShowIt) {
    const struct {
        const char* what;
        bool notify;
        bool tray;
        Instant start;
        std::vector<int> later;  // seconds from one tick to the next
        std::vector<int> told;   // messages after each tick
    } cases[] = {
        {"a day and two minutes ahead",
         true,
         true,
         Utc(10, 24, 0, 58),
         {1, 121, 3601, 86401},
         {0, 1, 1, 1}},
        {"less than a day away at start-up", true, true, Utc(10, 24, 12), {1}, {1}},
        {"not chosen", false, true, Utc(10, 24, 12), {1, 61}, {0, 0}},
        {"no notification area", true, false, Utc(10, 24, 12), {1, 61}, {0, 0}},
    };
    std::vector<std::string> clocks = kClocks;
    clocks.push_back("Paris|W. Europe Standard Time|True");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        StoreClocks(clocks);
        store.Save("ChangeNotify", c.notify ? "True" : "False");
        trayAvailable = c.tray;
        clock.SetUtc(c.start);
        Program& ti = Start();
        QSignalSpy told(&ti.tray(), &TrayPresenter::messageShown);
        std::vector<int> counts;
        for (const int seconds : c.later) {
            EXPECT_TRUE(NextSecond(seconds));
            const bool toldNow = told.count() > (counts.empty() ? 0 : counts.back());
            counts.push_back(static_cast<int>(told.count()));
            if (!toldNow) continue;
            EXPECT_EQ(told.last()[0].toString(), QStringLiteral("Horavia"));
            EXPECT_EQ(told.last()[1].toString(),
                      QLocale().createSeparatedList({"Berlin", "Paris"}) + ": " +
                          ChangeSentence(kBerlinBack, state.services.clock.NowUtc()))
                << "one message for the clocks that change together";
        }
        EXPECT_EQ(counts, c.told);
        ti.shutDown();
        program.reset();
    }
}

TEST(ChangeSettings, SetupCloseStoresTheChangeChoices) {
    testing::TestServices services;
    services.state.LoadSettings();
    ASSERT_TRUE(services.state.LoadCatalogue());
    SetupDialog setup(services.state);
    auto* lines = testing::Control<QCheckBox>(setup, "changeLinesCheck");
    auto* days = testing::Control<QSpinBox>(setup, "changeDaysSpin");
    auto* notify = testing::Control<QCheckBox>(setup, "changeNotifyCheck");
    ASSERT_TRUE(lines != nullptr && days != nullptr && notify != nullptr);
    EXPECT_EQ(days->value(), 14);
    days->setValue(0);
    EXPECT_EQ(days->text(), QStringLiteral("never"));
    days->setValue(1);
    EXPECT_EQ(days->text(), QStringLiteral("1 day ahead"));
    days->setValue(30);
    EXPECT_EQ(days->text(), QStringLiteral("30 days ahead"));
    lines->setChecked(true);
    notify->setChecked(true);
    setup.show();
    testing::Click(setup, "closeButton");
    const std::pair<const char*, const char*> stored[]{
        {"ChangeLines", "True"}, {"ChangeDays", "30"}, {"ChangeNotify", "True"}};
    for (const auto& [key, value] : stored) EXPECT_EQ(services.store.Value(key), value) << key;
}

// Not a check of speed: how long the window's tick takes with a hundred clocks and their lines,
// and a search of every clock's next change, for the record.
TEST(ChangeLinesCost, ATickWithAHundredClocksSearchesOncePerMinute) {
    testing::TestServices services;
    std::vector<std::string> clocks;
    for (int i = 0; i < 100; ++i) clocks.push_back(kClocks[static_cast<std::size_t>(i % 3)]);
    services.StoreClocks(clocks);
    services.store.Save("ChangeLines", "True");
    services.store.Save("ChangeDays", "366");
    services.state.LoadSettings();
    ASSERT_TRUE(services.state.LoadCatalogue());
    ClockWindow window(services.state, {});
    window.show();
    ASSERT_EQ(window.paintLayout().notes.size(), 67u);
    QElapsedTimer timer;
    timer.start();
    for (int second = 0; second < 60; ++second) {
        services.clock.SetUtc(Utc(7, 1, 11, 31) + std::chrono::seconds(second));
        window.refresh();
    }
    const double tickMs = static_cast<double>(timer.nsecsElapsed()) / 60e6;
    ChangeLineCache cache;
    timer.restart();
    for (int minute = 0; minute < 20; ++minute) {
        cache.At(services.state, Utc(7, 1, 12, minute), 366);
    }
    const double searchMs = static_cast<double>(timer.nsecsElapsed()) / 20e6;
    for (int second = 1; second < 60; ++second) {
        cache.At(services.state, Utc(7, 1, 12, 19) + std::chrono::seconds(second), 366);
    }
    EXPECT_EQ(cache.searches(), 20u) << "the seconds of a minute reuse its search";
    std::cout << "100 clocks with change lines: one tick's refresh " << tickMs
              << " ms; one search of every clock's next change " << searchMs << " ms\n";
}

}  // namespace
}  // namespace horavia
