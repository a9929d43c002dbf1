#include "model/date_format.h"

#include <cstdint>
#include <string_view>

#include "model/text_helpers.h"

namespace horavia {
namespace {

// Everything a pattern can ask for, computed once per value.
struct Fields {
    CivilTime t;
    int weekday = 0;    // 0 = Sunday
    int dayOfYear = 1;  // 1..366
    int week = 1;       // 1..54, weeks start on Sunday, week 1 holds 1 January
    bool dateIsZero = false;
    bool timeIsZero = false;
};

Fields MakeFields(const CivilTime& t) {
    Fields f;
    f.t = t;
    const std::int64_t days = DaysFromCivil(t.year, t.month, t.day);
    const std::int64_t jan1 = DaysFromCivil(t.year, 1, 1);
    f.weekday = WeekdayOfDays(days);
    f.dayOfYear = static_cast<int>(days - jan1) + 1;
    f.week = (f.dayOfYear - 1 + WeekdayOfDays(jan1)) / 7 + 1;
    f.dateIsZero = t.year == 1899 && t.month == 12 && t.day == 30;
    f.timeIsZero = t.hour == 0 && t.minute == 0 && t.second == 0 && t.millisecond == 0;
    return f;
}

enum class Tok : unsigned char {
    End,
    Literal,  // the pattern span [start, start + length)
    TimeSep,
    DateSep,
    Day,
    Day2,
    DayAbbrev,
    DayName,
    ShortDate,
    LongDate,
    Weekday,
    Week,
    Month,
    Month2,
    MonthAbbrev,
    MonthName,
    Quarter,
    DayOfYear,
    Year2,
    Year4,
    Hour,
    Hour2,
    Minute,
    Minute2,
    Second,
    Second2,
    TimePattern,
    GeneralDate,
    AmPmText,  // "AM/PM" or "A/P" as typed; the span is the token itself
    AmPmLocale,
};

struct Token {
    Tok kind = Tok::End;
    std::size_t start = 0;
    std::size_t length = 0;
};

// Characters that may start a token; every other character is literal text.
constexpr bool StartsToken(char c) {
    switch (LowerAscii(c)) {
        case 'd':
        case 'w':
        case 'm':
        case 'q':
        case 'y':
        case 'h':
        case 'n':
        case 's':
        case 't':
        case 'c':
        case 'a':
        case '"':
        case '\\':
        case ':':
        case '/':
            return true;
        default:
            return false;
    }
}

std::size_t RunLength(std::string_view p, std::size_t i, char lower, std::size_t max) {
    std::size_t n = 0;
    while (n < max && i + n < p.size() && LowerAscii(p[i + n]) == lower) ++n;
    return n;
}

bool MatchesNoCase(std::string_view p, std::size_t i, std::string_view word) {
    if (p.size() - i < word.size()) return false;
    for (std::size_t k = 0; k < word.size(); ++k) {
        if (LowerAscii(p[i + k]) != word[k]) return false;
    }
    return true;
}

Token Literal(std::size_t start, std::size_t length) {
    return {Tok::Literal, start, length};
}

// The token at i; advances i past it.
Token Next(std::string_view p, std::size_t& i) {
    if (i >= p.size()) return {};
    const std::size_t at = i;
    switch (LowerAscii(p[at])) {
        case '"': {
            const std::size_t close = p.find('"', at + 1);
            const std::size_t end = close == std::string_view::npos ? p.size() : close;
            i = close == std::string_view::npos ? p.size() : close + 1;
            return Literal(at + 1, end - at - 1);
        }
        case '\\':
            i = at + 2 <= p.size() ? at + 2 : p.size();
            return Literal(at + 1, i - at - 1);  // a trailing lone backslash writes nothing
        case ':':
            ++i;
            return {Tok::TimeSep, at, 1};
        case '/':
            ++i;
            return {Tok::DateSep, at, 1};
        case 'd': {
            static constexpr Tok kinds[] = {Tok::Day,     Tok::Day2,      Tok::DayAbbrev,
                                            Tok::DayName, Tok::ShortDate, Tok::LongDate};
            const std::size_t r = RunLength(p, at, 'd', 6);
            i += r;
            return {kinds[r - 1], at, r};
        }
        case 'w': {
            const std::size_t r = RunLength(p, at, 'w', 2);
            i += r;
            return {r == 2 ? Tok::Week : Tok::Weekday, at, r};
        }
        case 'm': {
            static constexpr Tok kinds[] = {Tok::Month, Tok::Month2, Tok::MonthAbbrev,
                                            Tok::MonthName};
            const std::size_t r = RunLength(p, at, 'm', 4);
            i += r;
            return {kinds[r - 1], at, r};
        }
        case 'q':
            ++i;
            return {Tok::Quarter, at, 1};
        case 'y': {
            const std::size_t r = RunLength(p, at, 'y', 4);
            const std::size_t take = r == 4 ? 4 : r >= 2 ? 2 : 1;
            i += take;
            return {take == 4 ? Tok::Year4 : take == 2 ? Tok::Year2 : Tok::DayOfYear, at, take};
        }
        case 'h': {
            const std::size_t r = RunLength(p, at, 'h', 2);
            i += r;
            return {r == 2 ? Tok::Hour2 : Tok::Hour, at, r};
        }
        case 'n': {
            const std::size_t r = RunLength(p, at, 'n', 2);
            i += r;
            return {r == 2 ? Tok::Minute2 : Tok::Minute, at, r};
        }
        case 's': {
            const std::size_t r = RunLength(p, at, 's', 2);
            i += r;
            return {r == 2 ? Tok::Second2 : Tok::Second, at, r};
        }
        case 't':
            if (RunLength(p, at, 't', 5) == 5) {
                i += 5;
                return {Tok::TimePattern, at, 5};
            }
            ++i;
            return Literal(at, 1);
        case 'c':
            ++i;
            return {Tok::GeneralDate, at, 1};
        case 'a':
            if (MatchesNoCase(p, at, "am/pm")) {
                i += 5;
                return {Tok::AmPmText, at, 5};
            }
            if (MatchesNoCase(p, at, "ampm")) {
                i += 4;
                return {Tok::AmPmLocale, at, 4};
            }
            if (MatchesNoCase(p, at, "a/p")) {
                i += 3;
                return {Tok::AmPmText, at, 3};
            }
            ++i;
            return Literal(at, 1);
        default: {
            std::size_t end = at + 1;
            while (end < p.size() && !StartsToken(p[end])) ++end;
            i = end;
            return Literal(at, end - at);
        }
    }
}

// Any AM/PM token switches the whole pattern's hours to the 12-hour clock.
bool UsesTwelveHours(std::string_view p) {
    if (p.find_first_of("aA") == std::string_view::npos) return false;
    std::size_t i = 0;
    for (Token tok = Next(p, i); tok.kind != Tok::End; tok = Next(p, i)) {
        if (tok.kind == Tok::AmPmText || tok.kind == Tok::AmPmLocale) return true;
    }
    return false;
}

void AppendNumber(std::string& out, int value, int minWidth) {
    char buf[12];
    int n = 0;
    unsigned v = value < 0 ? 0u : static_cast<unsigned>(value);
    do {
        buf[n++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v != 0 && n < 11);
    while (n < minWidth && n < 11) buf[n++] = '0';
    while (n > 0) out.push_back(buf[--n]);
}

// Locale patterns are expanded one level deep only, so a locale pattern that names itself
// cannot recurse without end.
constexpr int kMaxExpansionDepth = 1;

void FormatInto(std::string_view p, const Fields& f, const LocaleInfo& locale, int depth,
                std::string& out) {
    const bool twelveHours = UsesTwelveHours(p);
    const CivilTime& t = f.t;
    const bool morning = t.hour < 12;
    bool afterHour = false;
    std::size_t i = 0;
    for (Token tok = Next(p, i); tok.kind != Tok::End; tok = Next(p, i)) {
        bool wasHour = false;
        switch (tok.kind) {
            case Tok::End:
                break;
            case Tok::Literal:
                out.append(p.data() + tok.start, tok.length);
                continue;  // literals keep the hour context for a following m
            case Tok::TimeSep:
                out += locale.timeSeparator;
                continue;
            case Tok::DateSep:
                out += locale.dateSeparator;
                continue;
            case Tok::Day:
                AppendNumber(out, t.day, 1);
                break;
            case Tok::Day2:
                AppendNumber(out, t.day, 2);
                break;
            case Tok::DayAbbrev:
                out += locale.dayAbbrevs[static_cast<std::size_t>(f.weekday)];
                break;
            case Tok::DayName:
                out += locale.dayNames[static_cast<std::size_t>(f.weekday)];
                break;
            case Tok::ShortDate:
                if (depth < kMaxExpansionDepth)
                    FormatInto(locale.shortDatePattern, f, locale, depth + 1, out);
                break;
            case Tok::LongDate:
                if (depth < kMaxExpansionDepth)
                    FormatInto(locale.longDatePattern, f, locale, depth + 1, out);
                break;
            case Tok::Weekday:
                AppendNumber(out, f.weekday + 1, 1);
                break;
            case Tok::Week:
                AppendNumber(out, f.week, 1);
                break;
            case Tok::Month:
                AppendNumber(out, afterHour ? t.minute : t.month, 1);
                break;
            case Tok::Month2:
                AppendNumber(out, afterHour ? t.minute : t.month, 2);
                break;
            case Tok::MonthAbbrev:
                out += locale.monthAbbrevs[static_cast<std::size_t>(t.month - 1)];
                break;
            case Tok::MonthName:
                out += locale.monthNames[static_cast<std::size_t>(t.month - 1)];
                break;
            case Tok::Quarter:
                AppendNumber(out, (t.month - 1) / 3 + 1, 1);
                break;
            case Tok::DayOfYear:
                AppendNumber(out, f.dayOfYear, 1);
                break;
            case Tok::Year2:
                AppendNumber(out, t.year % 100, 2);
                break;
            case Tok::Year4:
                AppendNumber(out, t.year, 1);
                break;
            case Tok::Hour:
            case Tok::Hour2: {
                int hour = t.hour;
                if (twelveHours) hour = hour % 12 == 0 ? 12 : hour % 12;
                AppendNumber(out, hour, tok.kind == Tok::Hour2 ? 2 : 1);
                wasHour = true;
                break;
            }
            case Tok::Minute:
                AppendNumber(out, t.minute, 1);
                break;
            case Tok::Minute2:
                AppendNumber(out, t.minute, 2);
                break;
            case Tok::Second:
                AppendNumber(out, t.second, 1);
                break;
            case Tok::Second2:
                AppendNumber(out, t.second, 2);
                break;
            case Tok::TimePattern:
                if (depth < kMaxExpansionDepth)
                    FormatInto(locale.timePattern, f, locale, depth + 1, out);
                break;
            case Tok::GeneralDate:
                // As the general date: no time at midnight, no date on day 0.
                if (depth < kMaxExpansionDepth) {
                    if (f.dateIsZero) {
                        FormatInto(locale.timePattern, f, locale, depth + 1, out);
                    } else {
                        FormatInto(locale.shortDatePattern, f, locale, depth + 1, out);
                        if (!f.timeIsZero) {
                            out.push_back(' ');
                            FormatInto(locale.timePattern, f, locale, depth + 1, out);
                        }
                    }
                }
                break;
            case Tok::AmPmText: {
                const std::size_t slash = tok.length == 5 ? 2 : 1;
                if (morning) {
                    out.append(p.data() + tok.start, slash);
                } else {
                    out.append(p.data() + tok.start + slash + 1, tok.length - slash - 1);
                }
                break;
            }
            case Tok::AmPmLocale:
                // Inside the locale's own pattern, the marker as that pattern writes it.
                if (depth > 0 && !locale.patternAmMarker.empty() &&
                    !locale.patternPmMarker.empty()) {
                    out += morning ? locale.patternAmMarker : locale.patternPmMarker;
                } else {
                    out += morning ? locale.amMarker : locale.pmMarker;
                }
                break;
        }
        afterHour = wasHour;
    }
}

constexpr int kFirstYear = 100;
constexpr int kLastYear = 9999;

}  // namespace

std::optional<std::string> FormatDateTime(DayCount value, const std::string& pattern,
                                          const LocaleInfo& locale) {
    const std::optional<CivilTime> civil = ToCivil(value);
    if (!civil) return std::nullopt;
    return FormatDateTime(*civil, pattern, locale);
}

std::optional<std::string> FormatDateTime(const CivilTime& value, const std::string& pattern,
                                          const LocaleInfo& locale) {
    if (value.year < kFirstYear || value.year > kLastYear) return std::nullopt;
    const Fields fields = MakeFields(value);
    std::string out;
    if (pattern.size() > out.capacity()) out.reserve(pattern.size() + pattern.size() / 2);
    FormatInto(pattern.empty() ? std::string_view("c") : std::string_view(pattern), fields, locale,
               0, out);
    return out;
}

}  // namespace horavia
