// Typed readers over the settings store, with their diagnostic message.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/services.h"
#include "model/settings_store.h"
#include "model/text_helpers.h"

namespace horavia {

// A day count as settings text: decimal, point separator whatever the locale, and enough
// digits to read back the very same value; "0" for a value that is not finite.
std::string DayCountSettingText(double value);

// Readers: the stored text (or the default) converted; when that fails a message box shows
// "GetSettingBool(app, section, key, default) = raw" and the result is empty.
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
    std::int32_t Lng(const std::string& key, const std::string& defaultText) {
        return GetSettingLng(kSettingsApp, kSettingsSection, key, defaultText).value_or(0);
    }
    double Dbl(const std::string& key, const std::string& defaultText) {
        return GetSettingDbl(kSettingsApp, kSettingsSection, key, defaultText).value_or(0.0);
    }

    SettingsStore& Store() { return store_; }

  private:
    // Numbers written with a point or the locale's decimal separator, and its group separator.
    NumberSyntax Syntax() const { return {{&decimal_, 1}, {&group_, 1}}; }
    void Report(const char* reader, const std::string& app, const std::string& section,
                const std::string& key, const std::string& defaultText, const std::string& raw);
    SettingsStore& store_;
    MessageBoxPort& messages_;
    char decimal_;
    char group_;
};

}  // namespace horavia
