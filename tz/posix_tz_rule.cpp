#include "tz/posix_tz_rule.h"

#include <array>

#include "tz/civil_days.h"

namespace horavia {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr int kMaxRuleHours = 167;

class Cursor {
  public:
    explicit Cursor(std::string_view text) : text_(text) {}
    bool AtEnd() const { return at_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[at_]; }
    bool Take(char c) {
        if (Peek() != c || AtEnd()) return false;
        ++at_;
        return true;
    }
    char Next() { return text_[at_++]; }

  private:
    std::string_view text_;
    std::size_t at_ = 0;
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsAlpha(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::optional<int> Number(Cursor& in, int max) {
    if (!IsDigit(in.Peek())) return std::nullopt;
    int value = 0;
    while (IsDigit(in.Peek())) {
        value = value * 10 + (in.Next() - '0');
        if (value > max) return std::nullopt;
    }
    return value;
}

// A zone abbreviation: three or more letters, or anything but '>' between angle brackets.
bool Name(Cursor& in, std::string& name) {
    name.clear();
    if (in.Take('<')) {
        while (!in.AtEnd() && in.Peek() != '>') name += in.Next();
        return in.Take('>') && !name.empty();
    }
    while (IsAlpha(in.Peek())) name += in.Next();
    return name.size() >= 3;
}

// [+-]hh[:mm[:ss]] in seconds.
std::optional<int> Time(Cursor& in, int maxHours) {
    int sign = 1;
    if (in.Take('-')) {
        sign = -1;
    } else {
        in.Take('+');
    }
    const auto hours = Number(in, maxHours);
    if (!hours) return std::nullopt;
    int seconds = *hours * 3600;
    if (in.Take(':')) {
        const auto minutes = Number(in, 59);
        if (!minutes) return std::nullopt;
        seconds += *minutes * 60;
        if (in.Take(':')) {
            const auto secs = Number(in, 59);
            if (!secs) return std::nullopt;
            seconds += *secs;
        }
    }
    return sign * seconds;
}

std::optional<PosixDayRule> DayRule(Cursor& in) {
    PosixDayRule rule;
    if (in.Take('M')) {
        const auto month = Number(in, 12);
        if (!month || *month < 1 || !in.Take('.')) return std::nullopt;
        const auto week = Number(in, 5);
        if (!week || *week < 1 || !in.Take('.')) return std::nullopt;
        const auto weekday = Number(in, 6);
        if (!weekday) return std::nullopt;
        rule.kind = PosixDayRule::Kind::MonthWeekDay;
        rule.month = *month;
        rule.week = *week;
        rule.weekday = *weekday;
    } else if (in.Take('J')) {
        const auto day = Number(in, 365);
        if (!day || *day < 1) return std::nullopt;
        rule.kind = PosixDayRule::Kind::JulianNoLeap;
        rule.day = *day;
    } else {
        const auto day = Number(in, 365);
        if (!day) return std::nullopt;
        rule.kind = PosixDayRule::Kind::ZeroBased;
        rule.day = *day;
    }
    if (in.Take('/')) {
        const auto time = Time(in, kMaxRuleHours);
        if (!time) return std::nullopt;
        rule.seconds = *time;
    }
    return rule;
}

// Days since 1970-01-01 of the rule's day in the year.
std::int64_t DayOfRule(const PosixDayRule& rule, int year) {
    const std::int64_t jan1 = DaysSince1970(year, 1, 1);
    switch (rule.kind) {
        case PosixDayRule::Kind::JulianNoLeap:
            return jan1 + rule.day - 1 + (IsGregorianLeapYear(year) && rule.day >= 60 ? 1 : 0);
        case PosixDayRule::Kind::ZeroBased:
            return jan1 + rule.day;
        case PosixDayRule::Kind::MonthWeekDay:
            break;
    }
    return NthWeekdaySince1970(year, rule.month, rule.weekday, rule.week);
}

}  // namespace

int UtcYearOfSeconds(std::int64_t seconds) {
    const std::int64_t days =
        seconds >= 0 ? seconds / kSecondsPerDay : (seconds - kSecondsPerDay + 1) / kSecondsPerDay;
    return DateOfDaysSince1970(days).year;
}

std::optional<PosixTzRule> ParsePosixTzRule(std::string_view text) {
    Cursor in(text);
    PosixTzRule rule;
    if (!Name(in, rule.standardName)) return std::nullopt;
    // POSIX offsets count west of Greenwich; ours count east.
    const auto standard = Time(in, 24);
    if (!standard) return std::nullopt;
    rule.standardOffset = -*standard;
    if (in.AtEnd()) return rule;

    if (!Name(in, rule.daylightName)) return std::nullopt;
    rule.hasDaylight = true;
    rule.daylightOffset = rule.standardOffset + 3600;
    if (!in.AtEnd() && in.Peek() != ',') {
        const auto daylight = Time(in, 24);
        if (!daylight) return std::nullopt;
        rule.daylightOffset = -*daylight;
    }
    if (in.AtEnd()) {
        // No rules given: the POSIX default of the United States.
        rule.start = {PosixDayRule::Kind::MonthWeekDay, 0, 3, 2, 0, 7200};
        rule.end = {PosixDayRule::Kind::MonthWeekDay, 0, 11, 1, 0, 7200};
        return rule;
    }
    if (!in.Take(',')) return std::nullopt;
    const auto start = DayRule(in);
    if (!start || !in.Take(',')) return std::nullopt;
    const auto end = DayRule(in);
    if (!end || !in.AtEnd()) return std::nullopt;
    rule.start = *start;
    rule.end = *end;
    return rule;
}

PosixYearChanges ChangesOfYear(const PosixTzRule& rule, int year) {
    PosixYearChanges changes;
    changes.daylightStarts =
        DayOfRule(rule.start, year) * kSecondsPerDay + rule.start.seconds - rule.standardOffset;
    changes.daylightEnds =
        DayOfRule(rule.end, year) * kSecondsPerDay + rule.end.seconds - rule.daylightOffset;
    return changes;
}

std::int32_t PosixOffsetAt(const PosixTzRule& rule, std::int64_t utcSeconds) {
    return PosixIsDaylightAt(rule, utcSeconds) ? rule.daylightOffset : rule.standardOffset;
}

bool PosixIsDaylightAt(const PosixTzRule& rule, std::int64_t utcSeconds) {
    if (!rule.hasDaylight) return false;
    // The last change at or before the instant, among the changes of the years around it (a
    // rule time of up to 167 hours can move a change into the next year). Where an end and a
    // start fall on the same instant, as in all-year daylight time, the start wins.
    const int year = UtcYearOfSeconds(utcSeconds);
    bool found = false;
    std::int64_t latest = 0;
    bool daylight = false;
    for (int y = year - 2; y <= year + 1; ++y) {
        const PosixYearChanges c = ChangesOfYear(rule, y);
        const std::array<std::pair<std::int64_t, bool>, 2> events{
            {{c.daylightEnds, false}, {c.daylightStarts, true}}};
        for (const auto& [at, starts] : events) {
            if (at > utcSeconds) continue;
            if (!found || at > latest || (at == latest && starts)) {
                found = true;
                latest = at;
                daylight = starts;
            }
        }
    }
    return daylight;
}

}  // namespace horavia
