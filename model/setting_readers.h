// Typed readers over the settings store, with their diagnostic message.
#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <set>
#include <string>

#include "model/services.h"
#include "model/settings_store.h"
#include "model/text_helpers.h"

namespace horavia {

// A day count as settings text: decimal, point separator whatever the locale, and enough
// digits to read back the very same value; "0" for a value that is not finite.
std::string DayCountSettingText(double value);

// The day counts a stored date may hold: the calendar's range either side of 1899-12-30.
inline constexpr double kMaxStoredDayCount = 7'000'000.0;

// Readers: the stored text (or the default) converted; when that fails a message box shows
// "GetSettingBool(app, section, key, default) = raw" and the result is empty. A damaged file
// is told without a flood of boxes: each key once a run, and no more than kMaxToldProblems keys.
class SettingReaders {
  public:
    SettingReaders(SettingsStore& store, MessageBoxPort& messages, char localeDecimal = '.',
                   char localeGroup = ',')
        : store_(store), messages_(messages), decimal_(localeDecimal), group_(localeGroup) {}

    std::optional<bool> GetSettingBool(const std::string& app, const std::string& section,
                                       const std::string& key, const std::string& defaultText);
    std::optional<std::int32_t> GetSettingLng(const std::string& app, const std::string& section,
                                              const std::string& key,
                                              const std::string& defaultText);
    std::optional<double> GetSettingDbl(const std::string& app, const std::string& section,
                                        const std::string& key, const std::string& defaultText);

    // The program's own application and section.
    bool Bool(const std::string& key, const std::string& defaultText) {
        return GetSettingBool(kSettingsApp, kSettingsSection, key, defaultText).value_or(false);
    }

    // The one reader of the program's own numbers: the stored number, as written, must lie
    // within [low, high]; it is then rounded (halves to even). Anything else is told, and
    // WholeInRange is empty.
    std::optional<std::int32_t> WholeInRange(
        const std::string& key, const std::string& defaultText,
        std::int32_t low = std::numeric_limits<std::int32_t>::min(),
        std::int32_t high = std::numeric_limits<std::int32_t>::max());
    // The same for a setting: a bad value reads as the default, as if nothing were stored.
    std::int32_t Whole(const std::string& key, const std::string& defaultText,
                       std::int32_t low = std::numeric_limits<std::int32_t>::min(),
                       std::int32_t high = std::numeric_limits<std::int32_t>::max());
    // The same for a day count, within the calendar's range.
    double StoredDayCount(const std::string& key, const std::string& defaultText);

    // A stored text of the program's own that does not read as what its key holds: told like
    // the others (once a run), and the caller reads it as unset.
    void ReportMalformed(const std::string& key, const std::string& raw) {
        Report("GetSetting", kSettingsApp, kSettingsSection, key, "", raw);
    }

    SettingsStore& Store() { return store_; }

    static constexpr std::size_t kMaxToldProblems = 3;
    // The longest stored text a message quotes, in bytes.
    static constexpr std::size_t kMaxQuotedBytes = 80;

  private:
    // The stored number when it lies within [low, high]; otherwise told.
    std::optional<double> NumberInRange(const char* reader, const std::string& key,
                                        const std::string& defaultText, double low, double high);
    // Numbers written with a point or the locale's decimal separator, and its group separator.
    NumberSyntax Syntax() const { return {{&decimal_, 1}, {&group_, 1}}; }
    void Report(const char* reader, const std::string& app, const std::string& section,
                const std::string& key, const std::string& defaultText, const std::string& raw);
    SettingsStore& store_;
    MessageBoxPort& messages_;
    std::set<std::string> told_;  // keys whose problem was told this run
    char decimal_;
    char group_;
};

}  // namespace horavia
