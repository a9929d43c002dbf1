#include "model/setting_readers.h"

#include <array>
#include <charconv>
#include <cmath>

#include "model/text_helpers.h"

namespace horavia {

std::string DayCountSettingText(double value) {
    if (!std::isfinite(value)) return "0";
    std::array<char, 400> buffer{};
    // Shortest fixed notation that reads back exactly; to_chars never uses the locale.
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed);
    if (result.ec != std::errc()) return "0";
    return std::string(buffer.data(), result.ptr);
}

void SettingReaders::Report(const char* reader, const std::string& app, const std::string& section,
                            const std::string& key, const std::string& defaultText,
                            const std::string& raw) {
    // A value read again later (the window's place when the window is made anew) is told
    // once; a file damaged throughout is told by its first few keys only.
    if (told_.size() >= kMaxToldProblems) return;
    if (!told_.insert(ToLowerAscii(app + '\n' + section + '\n' + key)).second) return;
    std::string quoted(Utf8Prefix(raw, kMaxQuotedBytes));
    if (quoted.size() < raw.size()) quoted += "\u2026";
    messages_.Tell(
        Message{MessageId::SettingUnreadable, {reader, app, section, key, defaultText, quoted}},
        kAppTitle, MsgIcon::None);
}

std::optional<bool> SettingReaders::GetSettingBool(const std::string& app,
                                                   const std::string& section,
                                                   const std::string& key,
                                                   const std::string& defaultText) {
    const std::string raw = store_.Get(app, section, key, defaultText);
    const std::string text = Trim(raw);
    if (EqualsIgnoreCase(text, "True")) return true;
    if (EqualsIgnoreCase(text, "False")) return false;
    if (auto number = ParseNumber(text, Syntax())) return *number != 0.0;
    Report("GetSettingBool", app, section, key, defaultText, raw);
    return std::nullopt;
}

std::optional<std::int32_t> SettingReaders::GetSettingLng(const std::string& app,
                                                          const std::string& section,
                                                          const std::string& key,
                                                          const std::string& defaultText) {
    const std::string raw = store_.Get(app, section, key, defaultText);
    if (auto number = ParseNumber(raw, Syntax())) {
        if (auto whole = RoundToInt32(*number)) return whole;
    }
    Report("GetSettingLng", app, section, key, defaultText, raw);
    return std::nullopt;
}

std::optional<double> SettingReaders::GetSettingDbl(const std::string& app,
                                                    const std::string& section,
                                                    const std::string& key,
                                                    const std::string& defaultText) {
    const std::string raw = store_.Get(app, section, key, defaultText);
    if (auto number = ParseNumber(raw, Syntax())) return number;
    Report("GetSettingDbl", app, section, key, defaultText, raw);
    return std::nullopt;
}

std::optional<double> SettingReaders::NumberInRange(const char* reader, const std::string& key,
                                                    const std::string& defaultText, double low,
                                                    double high) {
    const std::string raw = store_.Get(kSettingsApp, kSettingsSection, key, defaultText);
    const std::optional<double> number = ParseNumber(raw, Syntax());
    if (number && *number >= low && *number <= high) return number;
    Report(reader, kSettingsApp, kSettingsSection, key, defaultText, raw);
    return std::nullopt;
}

std::optional<std::int32_t> SettingReaders::WholeInRange(const std::string& key,
                                                         const std::string& defaultText,
                                                         std::int32_t low, std::int32_t high) {
    // The range holds for the number as written: "-0.5" is no count, though it rounds to 0.
    const std::optional<double> number =
        NumberInRange("GetSettingLng", key, defaultText, low, high);
    if (!number) return std::nullopt;
    return RoundToInt32(*number).value_or(low);  // within the range, as its ends are whole
}

std::int32_t SettingReaders::Whole(const std::string& key, const std::string& defaultText,
                                   std::int32_t low, std::int32_t high) {
    if (const std::optional<std::int32_t> whole = WholeInRange(key, defaultText, low, high)) {
        return *whole;
    }
    return ClampValue(ParseWholeNumber(defaultText).value_or(0), low, high);
}

double SettingReaders::StoredDayCount(const std::string& key, const std::string& defaultText) {
    return NumberInRange("GetSettingDbl", key, defaultText, -kMaxStoredDayCount, kMaxStoredDayCount)
        .value_or(ParseNumber(defaultText).value_or(0.0));
}

}  // namespace horavia
