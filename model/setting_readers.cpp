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
    messages_.Show(
        Message{MessageId::SettingUnreadable, {reader, app, section, key, defaultText, raw}},
        kAppTitle, MsgButtons::Ok, MsgIcon::None);
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

}  // namespace horavia
