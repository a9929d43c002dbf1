// Working hours in the clock editor: the box gives back what it was given, and OK stores them
// with the clock, for zones and UTC only.
#include <QLabel>
#include <QTimeEdit>

#include "tests/editor/editor_fixture.h"
#include "ui/editor/working_hours_box.h"

namespace horavia::testing {
namespace {

constexpr WeekdaySet kSundayToThursday = 0x4F;  // a Friday–Saturday weekend

TEST(WorkingHoursBox, GivesBackTheHoursItWasGiven) {
    struct Case {
        const char* name;
        WorkingHours hours;
        bool nextDay;  // the end is marked as the next day's
    };
    const Case cases[]{
        {"day shift", {9 * 60, 17 * 60, kMondayToFriday}, false},
        {"overnight", {22 * 60, 6 * 60, kMondayToFriday}, true},
        {"Friday-Saturday weekend", {8 * 60, 16 * 60 + 30, kSundayToThursday}, false},
        {"to midnight", {18 * 60, 24 * 60, kEveryDay}, false},
        {"the whole day", {0, 24 * 60, 0x01}, false},
        {"half an hour into the next day", {23 * 60 + 30, 30, 0x40}, true},
    };
    WorkingHoursBox box(QStringLiteral("Working hours"));
    auto* nextDay = box.findChild<QLabel*>(QStringLiteral("workNextDayNote"));
    ASSERT_NE(nextDay, nullptr);
    for (const Case& c : cases) {
        box.setHours(c.hours);
        EXPECT_EQ(box.hours(), c.hours) << c.name;
        EXPECT_TRUE(box.problem().isEmpty()) << c.name;
        EXPECT_EQ(nextDay->isVisibleTo(&box), c.nextDay) << c.name;
    }
    for (auto* edit : box.findChildren<QTimeEdit*>()) {
        EXPECT_FALSE(edit->displayedSections() & QDateTimeEdit::SecondSection)
            << edit->displayFormat().toStdString() << ": to the minute";
    }
    box.setHours(std::nullopt);
    EXPECT_EQ(box.hours(), std::nullopt);
    EXPECT_EQ(box.shownHours(), cases[std::size(cases) - 1].hours) << "unticked, kept to show";
}

TEST(WorkingHoursBox, HoldsNoShiftWithoutLengthOrDays) {
    WorkingHoursBox box(QStringLiteral("Working hours"));
    for (const WorkingHours& none :
         {WorkingHours{9 * 60, 9 * 60, kMondayToFriday}, WorkingHours{540, 1020, 0}}) {
        box.setHours(none);
        EXPECT_TRUE(box.isChecked());
        EXPECT_EQ(box.hours(), std::nullopt) << WorkingHoursText(none);
        EXPECT_FALSE(box.problem().isEmpty()) << WorkingHoursText(none);
    }
}

using WorkingHoursEditorTest = EditorTest;

WorkingHoursBox* HoursBox(const ClockEditor& editor) {
    return editor.findChild<WorkingHoursBox*>(QStringLiteral("workingHoursBox"));
}

TEST_F(WorkingHoursEditorTest, OkStoresTheHoursAndEditingKeepsThem) {
    const WorkingHours overnight{22 * 60, 6 * 60, kSundayToThursday};
    ASSERT_TRUE(editor->prepareClock(2));
    ASSERT_NE(HoursBox(*editor), nullptr);
    EXPECT_FALSE(HoursBox(*editor)->isChecked()) << "Berlin has no hours of its own";
    HoursBox(*editor)->setHours(overnight);
    PressOk();
    EXPECT_EQ(state.Clocks()[2].Hours, overnight);

    ASSERT_TRUE(editor->prepareClock(0));  // another clock's fields in between
    ASSERT_TRUE(editor->prepareClock(2));
    LabelEdit()->setText(QStringLiteral("Berlin office"));
    PressOk();
    EXPECT_EQ(state.Clocks()[2].Hours, overnight) << "kept through an edit of the label";

    editor->prepareNewClock();
    EXPECT_FALSE(HoursBox(*editor)->isChecked()) << "a new clock starts without hours";
    ChooseZone(kBeta);
    PressOk();
    EXPECT_EQ(state.Clocks()[1].Hours, std::nullopt);
}

TEST_F(WorkingHoursEditorTest, OnlyZonesAndUtcTakeHoursAndANoShiftBlocksOk) {
    struct Case {
        int zone;
        bool takesHours;
    };
    const WorkingHours day{9 * 60, 17 * 60, kMondayToFriday};
    for (const Case& c : {Case{kZoneUtc, true}, Case{kAlpha, true}, Case{kZoneMars, false},
                          Case{kZoneSwatch, false}, Case{kZoneJulianLong, false}}) {
        ASSERT_TRUE(editor->prepareClock(2));
        HoursBox(*editor)->setHours(day);
        ChooseZone(c.zone);
        ASSERT_EQ(SelectedZone(), c.zone);
        EXPECT_EQ(HoursBox(*editor)->isEnabled(), c.takesHours) << c.zone;
        PressOk();
        EXPECT_EQ(state.Clocks()[2].Hours, c.takesHours ? std::optional(day) : std::nullopt)
            << c.zone;
    }

    ASSERT_TRUE(editor->prepareClock(2));
    ChooseZone(kDelta);
    HoursBox(*editor)->setHours(WorkingHours{9 * 60, 17 * 60, 0});
    EXPECT_FALSE(OkButton()->isEnabled());
    EXPECT_EQ(OkButton()->toolTip(), HoursBox(*editor)->problem());
    ChooseZone(kZoneMars);
    EXPECT_TRUE(OkButton()->isEnabled()) << "hours a pseudo-clock cannot have do not block it";
}

}  // namespace
}  // namespace horavia::testing
