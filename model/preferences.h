// The program-wide preferences, read and written through one declarative table.
#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "model/day_count.h"
#include "model/setting_readers.h"
#include "model/working_hours.h"

namespace horavia {

inline constexpr const char* kDefaultServer = "time.nist.gov";
inline constexpr const char* kFormat24 = "hh:nn:ss";
inline constexpr const char* kFormatAmPm = "hh:nn:ss AM/PM";

// The default format once the clock style becomes amPm: the new style's own default when
// `current` is the other style's default, so that the choice takes effect; a format the user
// typed stays as it is.
std::string DefaultFormatForStyle(const std::string& current, bool amPm);
// The font sizes, in points, that the font dialog accepts.
inline constexpr std::int32_t kMinFontSize = 1;
inline constexpr std::int32_t kMaxFontSize = 512;

struct Preferences {
    bool AlwaysOnTop = false;
    bool ShowWnd = true;
    bool StartUp = false;
    bool SingleClick = false;
    std::int32_t SortBy = 0;  // 0..3
    bool AMPM = false;
    std::string FontName = "MS Sans Serif";
    std::int32_t FontSize = 10;
    bool STStartUp = false;
    bool STInt = false;
    std::int32_t STIntNum = 1;
    std::int32_t STIntType = 2;  // 0 seconds .. 4 weeks
    std::string STServer = kDefaultServer;
    DayCount STLast = 0;
    std::string DefaultFormat = kFormat24;
    bool ShowOffset = false;  // each clock's offset and day from the computer's, after its time
    // Working hours for the clocks that have none of their own, used while WorkDefault is on.
    bool WorkDefault = false;
    std::string WorkHours = "09:00-17:00";  // as a clock's working hours are written
    std::string WorkDays = "12345";
    std::int32_t MeetLength = 30;  // minutes of a meeting looked for
    // How many days ahead a clock's next change of offset is told (0: never), and whether the
    // window shows it under each clock.
    std::int32_t ChangeDays = 14;
    bool ChangeLines = false;
    bool ChangeNotify = false;  // a desktop notification the day before a clock changes
    bool DayNight = false;      // day, twilight or night marked on each clock of a zone
    bool ConvMap = false;       // the converter shows the map with the night side
};

enum class PrefType { Bool, Int16, Int32, Text, Date };
// How a value read from the store is mended before it is used.
enum class PrefMend {
    None,
    FontSize,  // kept within what the font dialog offers
    Interval,  // STIntType limited to 0..4, STIntNum made fit for it (NormaliseInterval)
};

struct PreferenceField {
    const char* key;
    PrefType type;
    const char* defaultText;  // nullptr: chosen at load time (DefaultFormat follows AMPM)
    bool Preferences::*boolField = nullptr;
    std::int32_t Preferences::*intField = nullptr;
    std::string Preferences::*textField = nullptr;
    // Read only here: STLast is written by the scheduled synchronisation alone.
    DayCount Preferences::*dateField = nullptr;
    PrefMend mend = PrefMend::None;
    // The numbers a whole-number preference may hold; outside them it reads as its default.
    std::int32_t low = std::numeric_limits<std::int32_t>::min();
    std::int32_t high = std::numeric_limits<std::int32_t>::max();
};

// The preferences in the order they are read (and, less STLast, written).
const std::vector<PreferenceField>& PreferenceTable();

// Reads every preference in table order. A value that is no number within its preference's
// range reads as the default (a sort order outside 0..3, an interval unit below 0); other values
// that would make no sense are mended: the font size is kept within what the font dialog offers,
// the interval's unit within seconds to weeks, and the sync interval is raised to at least 1 (30
// with the unit seconds) and at most 255.
void LoadPreferences(Preferences& prefs, SettingReaders& readers);

// The working hours a clock without its own is given: the preference's while WorkDefault is
// on (09:00-17:00, Monday to Friday, where its texts are damaged), else none.
std::optional<WorkingHours> DefaultWorkingHours(const Preferences& prefs);

// Writes every preference but STLast in table order.
void SavePreferences(const Preferences& prefs, SettingsStore& store);
// Writes one preference as SavePreferences would (STLast is not written).
void SavePreference(const Preferences& prefs, SettingsStore& store, const PreferenceField& field);

// The main window's place: its frame's top-left corner and its outer size, in pixels. Stored
// under the Wnd* keys in twips (1/1440 inch), converted here and nowhere else with the screen's
// twips per pixel (15 at 96 dpi). A stored place need not fall on a whole pixel: its fraction
// is kept until the window is placed. 100 twips each where nothing is stored.
struct WindowPlace {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    bool leftStored = false;  // the window has never been placed by the user on that axis
    bool topStored = false;
};
WindowPlace LoadWindowPlace(SettingReaders& readers, double twipsPerPixel);
// The position only where the platform can tell it; otherwise the stored one is kept. Each
// value is stored as the nearest whole number of twips.
void SaveWindowPlace(SettingsStore& store, double twipsPerPixel, std::optional<int> left,
                     std::optional<int> top, int width, int height);

// The interval as the setup dialog stores it: 1..255, at least 30 with the unit seconds.
std::int32_t NormaliseInterval(std::int32_t number, std::int32_t unit);

inline std::string BoolText(bool value) {
    return value ? "True" : "False";
}

}  // namespace horavia
