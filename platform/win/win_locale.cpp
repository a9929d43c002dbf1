#include "platform/win/win_locale.h"

#include <windows.h>

#include <cctype>

#include "platform/win/wide_text.h"

namespace horavia {
namespace {

// One locale field; empty when the system has none.
std::string Field(LCTYPE type) {
    wchar_t buffer[128] = {};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer, 128);
    if (length <= 1) return {};
    return Utf8FromWide(buffer, static_cast<std::size_t>(length - 1));
}

void Take(std::string& target, LCTYPE type) {
    std::string value = Field(type);
    if (!value.empty()) target = std::move(value);
}

std::string Letters(char letter, std::size_t run) {
    return std::string(run, letter);
}

}  // namespace

std::string PatternFromWindows(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size();) {
        const char c = s[i];
        std::size_t run = 1;
        while (i + run < s.size() && s[i + run] == c) ++run;
        switch (c) {
            case 'd':
                out += Letters('d', run > 4 ? 4 : run);
                break;
            case 'M':
                out += Letters('m', run > 4 ? 4 : run);
                break;
            case 'y':
                out += run >= 3 ? "yyyy" : "yy";
                break;
            case 'H':
            case 'h':
                out += run >= 2 ? "hh" : "h";
                break;
            case 'm':
                out += run >= 2 ? "nn" : "n";
                break;
            case 's':
                out += run >= 2 ? "ss" : "s";
                break;
            case 't':
                out += "AMPM";  // the 12-hour clock with the locale's own marker
                break;
            case 'g':
                break;  // the era has no token
            case '\'': {
                // Quoted text, copied escaped; two quotes in a row stand for one.
                if (run % 2 == 0) {
                    for (std::size_t k = 0; k < run / 2; ++k) out += "\\'";
                    break;
                }
                std::size_t j = i + 1;
                while (j < s.size()) {
                    if (s[j] == '\'') {
                        if (j + 1 < s.size() && s[j + 1] == '\'') {
                            out += "\\'";
                            j += 2;
                            continue;
                        }
                        break;
                    }
                    // Only ASCII can be taken for a token; other bytes are copied as they are.
                    if (static_cast<unsigned char>(s[j]) < 0x80) out += '\\';
                    out += s[j++];
                }
                i = j + 1;
                continue;
            }
            default:
                // A picture holds the separators themselves, where ours has placeholders for
                // the locale's (which may differ, as Arabic's carry direction marks).
                for (std::size_t k = 0; k < run; ++k) {
                    if (std::isalpha(static_cast<unsigned char>(c)) || c == '/' || c == ':') {
                        out += '\\';
                    }
                    out += c;
                }
        }
        i += run;
    }
    // Blanks left where a dropped era stood.
    while (!out.empty() && out.back() == ' ') out.pop_back();
    while (!out.empty() && out.front() == ' ') out.erase(out.begin());
    return out;
}

LocaleInfo LocaleFromWindows() {
    LocaleInfo info = EnglishUnitedStates();
    // The system counts Monday first (LOCALE_SDAYNAME1 is Monday); ours counts Sunday first.
    for (int d = 0; d < 7; ++d) {
        const int system = (d + 6) % 7;
        Take(info.dayNames[static_cast<std::size_t>(d)],
             static_cast<LCTYPE>(LOCALE_SDAYNAME1 + system));
        Take(info.dayAbbrevs[static_cast<std::size_t>(d)],
             static_cast<LCTYPE>(LOCALE_SABBREVDAYNAME1 + system));
    }
    for (int m = 0; m < 12; ++m) {
        Take(info.monthNames[static_cast<std::size_t>(m)],
             static_cast<LCTYPE>(LOCALE_SMONTHNAME1 + m));
        Take(info.monthAbbrevs[static_cast<std::size_t>(m)],
             static_cast<LCTYPE>(LOCALE_SABBREVMONTHNAME1 + m));
    }
    Take(info.amMarker, LOCALE_S1159);
    Take(info.pmMarker, LOCALE_S2359);
    Take(info.timeSeparator, LOCALE_STIME);
    Take(info.dateSeparator, LOCALE_SDATE);
    Take(info.decimalSeparator, LOCALE_SDECIMAL);
    Take(info.groupSeparator, LOCALE_STHOUSAND);
    const std::string shortDate = Field(LOCALE_SSHORTDATE);
    if (!shortDate.empty()) info.shortDatePattern = PatternFromWindows(shortDate);
    const std::string longDate = Field(LOCALE_SLONGDATE);
    if (!longDate.empty()) info.longDatePattern = PatternFromWindows(longDate);
    const std::string time = Field(LOCALE_STIMEFORMAT);
    if (!time.empty()) info.timePattern = PatternFromWindows(time);
    return info;
}

}  // namespace horavia
