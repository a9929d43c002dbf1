#include "model/setting_readers.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "model/text_helpers.h"

namespace horavia {

std::optional<double> ParseNumber(const std::string& raw, char localeDecimal, char localeGroup) {
    const std::string text = Trim(raw);
    std::string clean;
    clean.reserve(text.size());
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) clean += text[i++];
    bool digits = false;
    bool inFraction = false;
    bool inExponent = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            clean += c;
            digits = true;
        } else if (!inFraction && !inExponent && (c == '.' || c == localeDecimal)) {
            clean += '.';
            inFraction = true;
        } else if (!inFraction && !inExponent && c == localeGroup && localeGroup != '.' && digits &&
                   i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '9') {
            // A group separator between digits of the whole part.
        } else if (!inExponent && digits && (c == 'e' || c == 'E')) {
            clean += 'e';
            inExponent = true;
            if (i + 1 < text.size() && (text[i + 1] == '+' || text[i + 1] == '-'))
                clean += text[++i];
        } else {
            return std::nullopt;
        }
    }
    if (!digits) return std::nullopt;
    double value = 0;
    const char* first = clean.data();
    if (*first == '+') ++first;
    auto [ptr, ec] = std::from_chars(first, clean.data() + clean.size(), value);
    if (ec != std::errc() || ptr != clean.data() + clean.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::int32_t> RoundToInt32(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    const double rounded = std::nearbyint(value);  // the default mode rounds halves to even
    if (rounded < static_cast<double>(std::numeric_limits<std::int32_t>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(rounded);
}

std::string FormatDayCount(double value) {
    char buf[64];
    auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, value);
    if (ec != std::errc()) return "0";
    return std::string(buf, ptr);
}

void SettingReaders::Report(const char* reader, const std::string& app, const std::string& section,
                            const std::string& key, const std::string& defaultText,
                            const std::string& raw) {
    messages_.Show(std::string(reader) + "(" + app + ", " + section + ", " + key + ", " +
                       defaultText + ") = " + raw,
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
    if (auto number = ParseNumber(text, decimal_, group_)) return *number != 0.0;
    Report("GetSettingBool", app, section, key, defaultText, raw);
    return std::nullopt;
}

std::optional<std::int32_t> SettingReaders::GetSettingLng(const std::string& app,
                                                          const std::string& section,
                                                          const std::string& key,
                                                          const std::string& defaultText) {
    const std::string raw = store_.Get(app, section, key, defaultText);
    if (auto number = ParseNumber(raw, decimal_, group_)) {
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
    if (auto number = ParseNumber(raw, decimal_, group_)) return number;
    Report("GetSettingDbl", app, section, key, defaultText, raw);
    return std::nullopt;
}

}  // namespace horavia
