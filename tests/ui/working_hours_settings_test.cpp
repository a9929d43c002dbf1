// Working hours where they are stored: Setup's default hours and meeting length at Close, and
// a clock's own hours following it through the clock list's changes.
#include <gtest/gtest.h>

#include <QComboBox>
#include <functional>

#include "setup_controls.h"
#include "ui/editor/working_hours_box.h"
#include "ui/program/clock_list_saver.h"
#include "ui/setup/setup_dialog.h"
#include "ui_test_support.h"

namespace horavia {
namespace {

using testing::Click;
using testing::Control;

TEST(WorkingHoursSettings, SetupCloseStoresTheDefaultHoursAndTheMeetingLength) {
    struct Case {
        const char* name;
        const char* storedLength;
        std::function<void(WorkingHoursBox&, QComboBox&)> choose;
        std::vector<std::string> stored;  // WorkDefault, WorkHours, WorkDays, MeetLength
    };
    const Case cases[]{
        {"nothing changed",
         "30",
         [](WorkingHoursBox&, QComboBox&) {},
         {"False", "09:00-17:00", "12345", "30"}},
        {"overnight, Sunday to Thursday, an hour",
         "30",
         [](WorkingHoursBox& box, QComboBox& length) {
             box.setHours(WorkingHours{22 * 60, 6 * 60, 0x4F});
             length.setCurrentIndex(length.findData(60));
         },
         {"True", "22:00-06:00", "12347", "60"}},
        {"a stored length of its own is offered and kept",
         "45",
         [](WorkingHoursBox& box, QComboBox& length) {
             EXPECT_EQ(length.count(), 3);
             EXPECT_EQ(length.currentData().toInt(), 45);
             box.setShownHours(WorkingHours{18 * 60, 24 * 60, 0x01});
         },
         {"False", "18:00-24:00", "1", "45"}},
        {"fields without a shift keep the stored texts",
         "30",
         [](WorkingHoursBox& box, QComboBox&) {
             box.setHours(WorkingHours{8 * 60, 8 * 60, 0});
         },
         {"True", "09:00-17:00", "12345", "30"}},
    };
    const char* keys[]{"WorkDefault", "WorkHours", "WorkDays", "MeetLength"};
    for (const Case& c : cases) {
        testing::TestServices services;
        services.store.Save("MeetLength", c.storedLength);
        services.state.LoadSettings();
        ASSERT_TRUE(services.state.LoadCatalogue());
        SetupDialog setup(services.state);
        auto* box = Control<WorkingHoursBox>(setup, "workDefaultBox");
        auto* length = Control<QComboBox>(setup, "meetCombo");
        ASSERT_TRUE(box != nullptr && length != nullptr);
        c.choose(*box, *length);
        setup.show();
        Click(setup, "closeButton");
        for (std::size_t i = 0; i < std::size(keys); ++i) {
            EXPECT_EQ(services.store.Value(keys[i]), c.stored[i]) << c.name << ": " << keys[i];
        }
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
    const WorkingHours overnight{22 * 60, 6 * 60, kMondayToFriday};
    const auto withHours = [&](int slot, std::optional<WorkingHours> hours) {
        ClockEntry clock = *state.book.Clock(slot);
        clock.Hours = hours;
        state.book.Edit(slot, clock);
    };
    struct Step {
        const char* name;
        std::function<void()> change;
        std::vector<std::string> stored;  // S0Wrk, S1Wrk, S2Wrk, then S0Days … S2Days
    };
    const std::string none = "<none>";
    const Step steps[]{
        {"edited with hours",
         [&] { withHours(1, overnight); },
         {none, "22:00-06:00", none, none, "12345", none}},
        {"renamed",
         [&] { state.book.Rename(1, "Osaka"); },
         {none, "22:00-06:00", none, none, "12345", none}},
        {"disabled",
         [&] { state.book.Enable(1, false); },
         {none, "22:00-06:00", none, none, "12345", none}},
        {"moved up", [&] { state.book.Move(1, -1); }, {"22:00-06:00", "", none, "12345", "", none}},
        {"hours removed", [&] { withHours(1, std::nullopt); }, {"", "", none, "", "", none}},
        {"another with hours",
         [&] { withHours(2, overnight); },
         {"", "", "22:00-06:00", "", "", "12345"}},
        // A clock added in its place does not take up the hours left under its number.
        {"deleted, then one added",
         [&] {
             state.book.Delete(2);
             state.book.Add(ClockEntry{"Cairo", "", kZoneUtc, true});
         },
         {"", "", "", "", "", ""}},
    };
    for (const Step& step : steps) {
        step.change();
        saver.saveNow();
        std::vector<std::string> stored;
        for (const char* suffix : {"Wrk", "Days"}) {
            for (int n = 0; n < 3; ++n) {
                stored.push_back(services.store.Value("S" + std::to_string(n) + suffix));
            }
        }
        EXPECT_EQ(stored, step.stored) << step.name;
    }
}

}  // namespace
}  // namespace horavia
