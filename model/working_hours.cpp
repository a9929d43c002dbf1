#include "model/working_hours.h"

#include <algorithm>

#include "model/zone_time.h"

namespace horavia {

namespace {

constexpr int kMinutesPerDay = 24 * 60;
constexpr std::int64_t kMsPerMinute = 60'000;
constexpr std::int64_t kMsPerDay = 86'400'000;

// "hh:mm" with hh 00..23 and mm 00..59; "24:00" only where `endOfDay` allows it.
std::optional<int> ParseClockMinutes(const std::string& text, bool endOfDay) {
    if (text.size() != 5 || text[2] != ':') return std::nullopt;
    for (const std::size_t i : {0U, 1U, 3U, 4U}) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
    }
    const int hour = (text[0] - '0') * 10 + (text[1] - '0');
    const int minute = (text[3] - '0') * 10 + (text[4] - '0');
    if (minute > 59) return std::nullopt;
    const int total = hour * 60 + minute;
    if (total > kMinutesPerDay || (total == kMinutesPerDay && !endOfDay)) return std::nullopt;
    return total;
}

std::string ClockMinutesText(int minutes) {
    const auto two = [](int n) {
        return std::string{static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
    };
    return two(minutes / 60) + ":" + two(minutes % 60);
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0 && (a < 0) != (b < 0)) ? 1 : 0);
}

// Where the clock shows `minutes` after the start of `day` (1440 and more: a later day). A
// reading skipped by a change starts at the change; a repeated one at its first pass.
Instant ShownAt(const ZoneRules* rules, std::int64_t day, int minutes) {
    const YearMonthDay date = DateOfDaysSince1970(day + minutes / kMinutesPerDay);
    const int inDay = minutes % kMinutesPerDay;
    const CivilTime reading{date.year, date.month, date.day, inDay / 60, inDay % 60};
    const std::optional<LocalTimeLookup> found = LookUpReadingOn(rules, reading);
    if (!found) return InstantFromUnixMs((day * kMinutesPerDay + minutes) * kMsPerMinute);
    if (found->kind != LocalTimeLookup::Kind::Skipped || rules == nullptr) {
        return std::min(found->pre, found->post);
    }
    const std::int64_t postSeconds = FloorDiv(UnixMsOf(found->post), 1000);
    const std::optional<OffsetChange> change = rules->NextChange(postSeconds);
    return change ? InstantFromUnixMs(change->at * 1000) : found->pre;
}

// The clock's own day (days since 1970) at the instant.
std::int64_t ShownDay(const ZoneRules* rules, Instant t) {
    const std::optional<CivilTime> c = CivilTimeOn(rules, t);
    if (!c) return FloorDiv(UnixMsOf(t), kMsPerDay);
    return DaysSince1970(c->year, c->month, c->day);
}

}  // namespace

std::optional<WorkingHours> ParseWorkingHours(const std::string& text) {
    if (text.size() != 11 || text[5] != '-') return std::nullopt;
    const std::optional<int> from = ParseClockMinutes(text.substr(0, 5), false);
    const std::optional<int> to = ParseClockMinutes(text.substr(6), true);
    if (!from || !to || *from == *to % kMinutesPerDay) return std::nullopt;
    WorkingHours hours;
    hours.from = *from;
    hours.to = *to;
    return hours;
}

std::string WorkingHoursText(const WorkingHours& hours) {
    return ClockMinutesText(hours.from) + "-" + ClockMinutesText(hours.to);
}

std::optional<WeekdaySet> ParseWorkingDays(const std::string& text) {
    WeekdaySet days = 0;
    for (const char c : text) {
        if (c < '1' || c > '7') return std::nullopt;
        const auto bit = static_cast<WeekdaySet>(1U << (c - '1'));
        if ((days & bit) != 0) return std::nullopt;
        days = static_cast<WeekdaySet>(days | bit);
    }
    if (days == 0) return std::nullopt;
    return days;
}

std::string WorkingDaysText(WeekdaySet days) {
    std::string text;
    for (int d = 0; d < 7; ++d) {
        if ((days & (1U << d)) != 0) text += static_cast<char>('1' + d);
    }
    return text;
}

int IsoWeekdayIndex(int year, int month, int day) {
    // 1970-01-01 was a Thursday (index 3).
    const std::int64_t days = DaysSince1970(year, month, day);
    return static_cast<int>(((days % 7) + 7 + 3) % 7);
}

std::vector<WorkPeriod> WorkPeriodsBetween(const WorkingHours& hours, const ZoneRules* rules,
                                           Instant from, Instant to) {
    std::vector<WorkPeriod> periods;
    if (!(from < to) || hours.days == 0) return periods;
    const int end = hours.to > hours.from ? hours.to : hours.to + kMinutesPerDay;
    // A shift that started the day before may still run at `from`.
    for (std::int64_t day = ShownDay(rules, from) - 1; day <= ShownDay(rules, to); ++day) {
        const YearMonthDay date = DateOfDaysSince1970(day);
        const int weekday = IsoWeekdayIndex(date.year, date.month, date.day);
        if ((hours.days & (1U << weekday)) == 0) continue;
        const WorkPeriod shift{ShownAt(rules, day, hours.from), ShownAt(rules, day, end)};
        if (!(shift.start < shift.end) || !(shift.start < to) || !(from < shift.end)) continue;
        if (!periods.empty() && !(periods.back().end < shift.start)) {
            periods.back().end = std::max(periods.back().end, shift.end);
        } else {
            periods.push_back(shift);
        }
    }
    return periods;
}

WorkState WorkStateAt(const WorkingHours& hours, const ZoneRules* rules, Instant t) {
    const Instant next = t + std::chrono::milliseconds(1);
    for (const WorkPeriod& p : WorkPeriodsBetween(hours, rules, t, next)) {
        if (!(t < p.start) && t < p.end) return WorkState::Working;
    }
    const std::optional<CivilTime> shown = CivilTimeOn(rules, t);
    const bool night = shown && (shown->hour >= 23 || shown->hour < 7);
    return night ? WorkState::Night : WorkState::Outside;
}

}  // namespace horavia
