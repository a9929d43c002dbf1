// Planning in the clock window: keys and the wheel move every clock, the ways back to now,
// copying, working-hours marks, a typed time and the meeting search.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <QWheelEvent>
#include <functional>

#include "model/plan_time.h"
#include "ui/main/clock_window.h"
#include "ui/main/plan_time_field.h"
#include "ui_test_support.h"

namespace horavia {
namespace {

using namespace std::chrono_literals;

// The fixed clock's now: 2026-07-01 11:30:15 UTC, a Wednesday; the computer keeps UTC+1.
Instant Utc(int day, int hour, int minute, int second = 0) {
    return InstantOfLocal(FromCivil(2026, 7, day, hour, minute, second), 0).value();
}

class PlanWindow : public ::testing::Test, public testing::TestServices {
  public:
    void TearDown() override { delete window; }
    ClockWindow& Open(const std::vector<std::string>& clocks) {
        StoreClocks(clocks);
        store.Save("WorkDefault", "True");
        state.LoadSettings();
        EXPECT_TRUE(state.LoadCatalogue());
        window = new ClockWindow(state, {});
        window->show();
        return *window;
    }
    // The times the two clock rows show (their marks left out), and what they would show at t.
    std::vector<std::string> Times() const {
        const ClockPaintLayout& layout = window->paintLayout();
        std::vector<std::string> times;
        for (std::size_t row = 0; row < 2; ++row) {
            const std::string& text =
                layout.texts[static_cast<std::size_t>(layout.rows) + row].text;
            times.push_back(text.substr(0, text.find("  ")));
        }
        return times;
    }
    std::vector<std::string> TimesAt(Instant t) const {
        return {state.ZoneTimeText(0, true, t), state.ZoneTimeText(1, true, t)};
    }
    void Wheel(int delta, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const QPointF at(5, 5);
        QWheelEvent event(at, window->mapToGlobal(at), {}, QPoint(0, delta), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(window, &event);
    }

    ClockWindow* window = nullptr;
};

TEST_F(PlanWindow, KeysAndTheWheelMoveEveryClock) {
    const Instant now = Utc(1, 11, 30, 15);
    const struct {
        const char* what;
        std::function<void(PlanWindow&)> input;
        Instant shown;
    } cases[] = {
        {"Right", [](PlanWindow& t) { QTest::keyClick(t.window, Qt::Key_Right); }, Utc(1, 11, 45)},
        {"Left", [](PlanWindow& t) { QTest::keyClick(t.window, Qt::Key_Left); }, Utc(1, 11, 30)},
        {"Shift+Right",
         [](PlanWindow& t) { QTest::keyClick(t.window, Qt::Key_Right, Qt::ShiftModifier); },
         Utc(1, 12, 30)},
        {"Shift+Left",
         [](PlanWindow& t) { QTest::keyClick(t.window, Qt::Key_Left, Qt::ShiftModifier); },
         Utc(1, 10, 45)},
        {"Page Down", [](PlanWindow& t) { QTest::keyClick(t.window, Qt::Key_PageDown); },
         now + 24h},
        {"Right twice",
         [](PlanWindow& t) {
             QTest::keyClick(t.window, Qt::Key_Right);
             QTest::keyClick(t.window, Qt::Key_Right);
         },
         Utc(1, 12, 0)},
        {"a notch up", [](PlanWindow& t) { t.Wheel(120); }, Utc(1, 11, 45)},
        {"a notch down", [](PlanWindow& t) { t.Wheel(-120); }, Utc(1, 11, 30)},
        {"a touchpad's two halves",
         [](PlanWindow& t) {
             t.Wheel(60);
             t.Wheel(60);
         },
         Utc(1, 11, 45)},
        {"a half notch", [](PlanWindow& t) { t.Wheel(60); }, now},
        {"Shift and a notch up", [](PlanWindow& t) { t.Wheel(120, Qt::ShiftModifier); },
         Utc(1, 12, 30)},
    };
    for (const auto& c : cases) {
        Open({"Zulu|0|True", "Tokyo|Tokyo Standard Time|True"});
        c.input(*this);
        EXPECT_EQ(Times(), TimesAt(c.shown)) << c.what;
        delete window;
    }
    window = nullptr;
}

TEST_F(PlanWindow, HomeEscapeHidingAndFiveIdleMinutesGoBackToNow) {
    int hideRequests = 0;
    const struct {
        const char* what;
        std::function<void(PlanWindow&)> back;
    } cases[] = {
        {"Home", [](PlanWindow& t) { QTest::keyClick(t.window, Qt::Key_Home); }},
        {"Escape", [](PlanWindow& t) { QTest::keyClick(t.window, Qt::Key_Escape); }},
        {"hidden", [](PlanWindow& t) { t.window->hide(); }},
        {"five idle minutes",
         [](PlanWindow& t) {
             t.clock.SetUtc(Utc(1, 11, 34, 15));
             t.window->refresh();
             ASSERT_TRUE(t.window->plannedInstant()) << "not before five minutes";
             t.clock.SetUtc(Utc(1, 11, 35, 15));
             t.window->refresh();  // as the tick does
         }},
    };
    for (const auto& c : cases) {
        clock.SetUtc(Utc(1, 11, 30, 15));
        Open({"Zulu|0|True", "Tokyo|Tokyo Standard Time|True"});
        QObject::connect(window, &ClockWindow::hideRequested, [&] { ++hideRequests; });
        QTest::keyClick(window, Qt::Key_PageUp);
        ASSERT_TRUE(window->plannedInstant()) << c.what;
        c.back(*this);
        EXPECT_FALSE(window->plannedInstant()) << c.what;
        EXPECT_EQ(Times(), TimesAt(clock.NowUtc())) << c.what;
        EXPECT_EQ(window->rowCount(), 2) << c.what << ": the planning line has gone";
        delete window;
    }
    window = nullptr;
    EXPECT_EQ(hideRequests, 0) << "Escape while planning only goes back to now";
}

TEST_F(PlanWindow, CopyMarksAndTheAccessibleTexts) {
    Open({"Zulu|0|True", "Tokyo|Tokyo Standard Time|True"});
    QTest::keyClick(window, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              "Zulu: 11:30:15\nTokyo: 20:30:15\n2026-07-01T11:30:15Z");
    EXPECT_EQ(window->rowText(1), "Tokyo, 20:30:15") << "no mark before planning";

    QTest::keyClick(window, Qt::Key_Right);  // 11:45 UTC, 20:45 in Tokyo
    EXPECT_EQ(window->paintLayout().texts[4].text, "20:45:00  \u25CB off work");
    QTest::keyClick(window, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              "Zulu: 11:45:00\nTokyo: 20:45:00\n2026-07-01T11:45:00Z")
        << "the marks are not copied";

    QAccessibleInterface* w = QAccessible::queryAccessibleInterface(window);
    ASSERT_EQ(w->childCount(), 3);
    EXPECT_EQ(w->child(0)->text(QAccessible::Name), "Zulu, 11:45:00, at work");
    EXPECT_EQ(w->child(1)->text(QAccessible::Name), "Tokyo, 20:45:00, off work");
    const QString line = w->child(2)->text(QAccessible::Name);
    EXPECT_TRUE(line.startsWith("Planning: ") && line.contains("15 min from now"))
        << line.toStdString();
    QTest::keyClick(window, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(window, Qt::Key_Right, Qt::ShiftModifier);  // 13:45 UTC: 22:45 in Tokyo
    QTest::keyClick(window, Qt::Key_Right);
    EXPECT_EQ(w->child(1)->text(QAccessible::Name), "Tokyo, 23:00:00, night");
    EXPECT_TRUE(w->child(2)->text(QAccessible::Name).contains("2 h 30 min from now"));
}

TEST_F(PlanWindow, ATypedTimeRefusesASkippedReadingAndTakesTheFirstPassOfARepeatedOne) {
    Open({"Zulu|0|True", "Berlin|W. Europe Standard Time|True"});
    QTest::keyClick(window, Qt::Key_Down);
    QTest::keyClick(window, Qt::Key_Down);  // the first press shows the current row
    QTest::keyClick(window, '2');
    QPointer<PlanTimeField> field = window->planField();
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->text(), "2") << "the digit starts the text";
    ASSERT_NE(field->focusWidget(), nullptr);
    QTest::keyClick(field->focusWidget(), '0');
    EXPECT_EQ(field->text(), "20") << "the next digit follows it";
    EXPECT_EQ(field->windowTitle(), QString::fromUtf8("Plan for \u2026 in Berlin"));

    const struct {
        const char* typed;
        const char* refusal;  // the start of what the field says; empty: taken
    } cases[] = {
        {"later", "Type a time"},
        {"2026-03-29 02:30", "02:30 does not exist on"},
        {"2026-10-25 02:30", ""},
    };
    for (const auto& c : cases) {
        field->setText(c.typed);
        field->accept();
        if (*c.refusal != '\0') {
            EXPECT_TRUE(field->refusal().startsWith(c.refusal)) << field->refusal().toStdString();
            EXPECT_FALSE(window->plannedInstant()) << c.typed;
        }
    }
    QTRY_VERIFY(field.isNull() || !field->isVisible());
    ASSERT_TRUE(window->plannedInstant());
    EXPECT_EQ(IsoUtcText(*window->plannedInstant()), "2026-10-25T00:30:00Z") << "the first pass";
    EXPECT_TRUE(window->planningText().contains("happens twice"))
        << window->planningText().toStdString();
}

TEST_F(PlanWindow, CtrlNPlansAtTheNextTimeEveryoneIsAtWork) {
    Open({"Zulu|0|True", "Berlin|W. Europe Standard Time|True"});
    QTest::keyClick(window, Qt::Key_N, Qt::ControlModifier);
    ASSERT_TRUE(window->plannedInstant());
    EXPECT_EQ(*window->plannedInstant(), Utc(1, 11, 45)) << "the first quarter hour from now";
    EXPECT_TRUE(window->planningText().endsWith("Everyone is at work"));
    QTest::keyClick(window, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(*window->plannedInstant(), Utc(1, 12, 0)) << "again: the next one";

    // Working hours 09-17 in Zulu and Tokyo never meet: the fairest slot names who is out.
    int tokyo = 0;
    while (state.catalogue.zones[static_cast<std::size_t>(tokyo)].Key != "Tokyo Standard Time") {
        ++tokyo;
    }
    state.book.Add({"Tokyo", "", tokyo, true});
    QTest::keyClick(window, Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(window->planningText().contains("working hours"))
        << window->planningText().toStdString();

    ASSERT_TRUE(state.preferences.Set(&Preferences::WorkDefault, false));
    QTest::keyClick(window, Qt::Key_Home);
    QTest::keyClick(window, Qt::Key_N, Qt::ControlModifier);
    EXPECT_FALSE(window->plannedInstant()) << "nothing moves without working hours";
    EXPECT_TRUE(window->planningText().startsWith("No clock has working hours"));
}

}  // namespace
}  // namespace horavia
