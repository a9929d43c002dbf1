// Working hours where they are stored: Setup's default hours and meeting length at Close, and
// a clock's own hours following it through the clock list's changes.
#include <gtest/gtest.h>

#include <QComboBox>
#include <functional>
#include <regex>

#include "setup_controls.h"
#include "ui/editor/working_hours_box.h"
#include "ui/program/clock_list_saver.h"
#include "ui/setup/setup_dialog.h"
#include "ui_test_support.h"

namespace horavia {
namespace {

TEST(WorkingHoursSettings, SetupCloseStoresTheDefaultHoursAndTheMeetingLength) {
    struct Case {
        const char* storedLength;
        std::optional<WorkingHours> hours;
        int chosenLength;                 // 0: as shown
        std::vector<std::string> stored;  // WorkDefault, WorkHours, WorkDays, MeetLength
    };
    const Case cases[]{
        {"30", WorkingHours{22 * 60, 6 * 60, 0x4F}, 60, {"True", "22:00-06:00", "12347", "60"}},
        // A length of its own is offered and kept; fields without a shift keep the texts.
        {"45", WorkingHours{8 * 60, 8 * 60, 0}, 0, {"True", "09:00-17:00", "12345", "45"}},
    };
    for (const Case& c : cases) {
        testing::TestServices services;
        services.store.Save("MeetLength", c.storedLength);
        services.state.LoadSettings();
        ASSERT_TRUE(services.state.LoadCatalogue());
        SetupDialog setup(services.state);
        auto* box = testing::Control<WorkingHoursBox>(setup, "workDefaultBox");
        auto* length = testing::Control<QComboBox>(setup, "meetCombo");
        ASSERT_TRUE(box != nullptr && length != nullptr);
        box->setHours(c.hours);
        if (c.chosenLength != 0) length->setCurrentIndex(length->findData(c.chosenLength));
        setup.show();
        testing::Click(setup, "closeButton");
        std::vector<std::string> stored;
        for (const char* key : {"WorkDefault", "WorkHours", "WorkDays", "MeetLength"}) {
            stored.push_back(services.store.Value(key));
        }
        EXPECT_EQ(stored, c.stored) << c.storedLength;
    }
}

TEST(WorkingHoursSettings, AClocksHoursFollowItThroughEveryChangeOfTheList) {
    testing::TestServices services;
    services.StoreClocks(
        {"Zulu|0|True", "Tokyo|Tokyo Standard Time|True", "Berlin|W. Europe Standard Time|True"});
    AppState& state = services.state;
    state.LoadSettings();
    ASSERT_TRUE(state.LoadCatalogue());
    ClockListSaver saver(state);
    const auto withHours = [&](int slot, std::optional<WorkingHours> hours) {
        ClockEntry clock = *state.book.Clock(slot);
        clock.Hours = hours;
        state.book.Edit(slot, clock);
    };
    const auto stored = [&](const char* suffix) {
        std::string text;
        for (int n = 0; n < 3; ++n)
            text += services.store.Value("S" + std::to_string(n) + suffix) + "|";
        return text;
    };
    const WorkingHours night{22 * 60, 6 * 60, kMondayToFriday};
    const std::pair<std::function<void()>, const char*> steps[]{
        {[&] { withHours(1, night); }, "<none>|22:00-06:00|<none>|"},
        {[&] { state.book.Enable(1, false); }, "<none>|22:00-06:00|<none>|"},
        {[&] { state.book.Move(1, -1); }, "22:00-06:00||<none>|"},
        {[&] { withHours(1, std::nullopt); }, "||<none>|"},
        {[&] { withHours(2, night); }, "||22:00-06:00|"},
        // A clock added in a deleted one's place does not take up the hours left behind.
        {[&] {
             state.book.Delete(2);
             state.book.Add(ClockEntry{"Cairo", "", 0, true});
         },
         "|||"},
    };
    for (const auto& [change, expected] : steps) {
        change();
        saver.saveNow();
        EXPECT_EQ(stored("Wrk"), expected);
        EXPECT_EQ(stored("Days"), std::regex_replace(expected, std::regex("22:00-06:00"), "12345"));
    }
}

}  // namespace
}  // namespace horavia
