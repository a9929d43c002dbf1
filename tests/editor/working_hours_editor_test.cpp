// Working hours in the clock editor: what the box is given, OK stores with the clock, for zones
// and UTC only, and never a shift without length or days.
#include <QLabel>
#include <QTimeEdit>

#include "tests/editor/editor_fixture.h"
#include "ui/editor/working_hours_box.h"

namespace horavia::testing {
namespace {

using WorkingHoursEditorTest = EditorTest;

TEST_F(WorkingHoursEditorTest, OkStoresTheHoursTheBoxShows) {
    struct Case {
        WorkingHours hours;
        bool valid;
        bool nextDay;  // the end is marked as the next day's
    };
    const Case cases[]{
        {{9 * 60, 17 * 60, kMondayToFriday}, true, false},
        {{22 * 60, 6 * 60, kMondayToFriday}, true, true},
        {{8 * 60, 16 * 60 + 30, 0x4F}, true, false},   // a Friday–Saturday weekend
        {{18 * 60, 24 * 60, kEveryDay}, true, false},  // to midnight
        {{0, 24 * 60, 0x01}, true, false},
        {{9 * 60, 9 * 60, kMondayToFriday}, false, false},
        {{9 * 60, 17 * 60, 0}, false, false},
    };
    auto* box = editor->findChild<WorkingHoursBox*>(QStringLiteral("workingHoursBox"));
    ASSERT_NE(box, nullptr);
    auto* nextDay = box->findChild<QLabel*>(QStringLiteral("workNextDayNote"));
    for (const Case& c : cases) {
        const std::string name = WorkingHoursText(c.hours) + " " + WorkingDaysText(c.hours.days);
        ASSERT_TRUE(editor->prepareClock(2));
        const std::optional<WorkingHours> before = state.Clocks()[2].Hours;
        box->setHours(c.hours);
        EXPECT_EQ(nextDay->isVisibleTo(box), c.nextDay) << name;
        EXPECT_EQ(OkButton()->isEnabled(), c.valid) << name;
        EXPECT_EQ(OkButton()->toolTip(), box->problem()) << name;
        PressOk();
        EXPECT_EQ(state.Clocks()[2].Hours, c.valid ? c.hours : before) << name;
    }
    for (auto* edit : box->findChildren<QTimeEdit*>()) {
        EXPECT_FALSE(edit->displayedSections() & QDateTimeEdit::SecondSection)
            << edit->displayFormat().toStdString() << ": to the minute";
    }
    ASSERT_TRUE(editor->prepareClock(0));  // another clock's fields in between
    ASSERT_TRUE(editor->prepareClock(2));
    LabelEdit()->setText(QStringLiteral("Berlin office"));
    PressOk();
    EXPECT_EQ(state.Clocks()[2].Hours, cases[4].hours) << "kept through an edit of the label";
    editor->prepareNewClock();
    EXPECT_FALSE(box->isChecked()) << "a new clock starts without hours";
}

TEST_F(WorkingHoursEditorTest, OnlyZonesAndUtcTakeHours) {
    auto* box = editor->findChild<WorkingHoursBox*>(QStringLiteral("workingHoursBox"));
    ASSERT_NE(box, nullptr);
    for (const int zone : {int{kZoneUtc}, kAlpha, int{kZoneMars}, int{kZoneJulianLong}}) {
        const bool takesHours = zone == kZoneUtc || zone == kAlpha;
        ASSERT_TRUE(editor->prepareClock(2));
        box->setHours(WorkingHours{});
        ChooseZone(zone);
        EXPECT_EQ(box->isEnabled(), takesHours) << zone;
        PressOk();
        EXPECT_EQ(state.Clocks()[2].Hours.has_value(), takesHours) << zone;
    }
}

}  // namespace
}  // namespace horavia::testing
