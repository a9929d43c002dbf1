#include "model/day_count.h"

#include <cmath>
#include <cstdlib>

#include "tz/civil_days.h"

namespace horavia {
namespace {

constexpr std::int64_t kEpochOffset = 25569;  // days from 1899-12-30 to 1970-01-01

}  // namespace

// The calendar is the zone rules' own, shifted to count from 1899-12-30.
std::int64_t DaysFromCivil(int year, int month, int day) {
    return DaysSince1970(year, month, day) + kEpochOffset;
}

CivilDate CivilFromDays(std::int64_t days) {
    const YearMonthDay date = DateOfDaysSince1970(days - kEpochOffset);
    return {date.year, date.month, date.day};
}

int WeekdayOfDays(std::int64_t days) {
    // 1899-12-30 was a Saturday (6).
    const std::int64_t w = (days + 6) % 7;
    return static_cast<int>(w < 0 ? w + 7 : w);
}

bool IsLeapYear(int year) {
    return IsGregorianLeapYear(year);
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && IsLeapYear(year)) return 29;
    return kDays[(month - 1) % 12];
}

std::int64_t DayOfNthWeekday(int year, int month, int weekday, int n) {
    // The last one is a week before the first such weekday of the month after.
    const std::int64_t first = DaysFromCivil(year, n == 5 ? month + 1 : month, 1);
    int day = weekday - WeekdayOfDays(first);
    if (day < 0) day += 7;
    return first + day + (n >= 5 ? -7 : (n - 1) * 7);
}

std::optional<CivilTime> ToCivil(DayCount value) {
    if (!std::isfinite(value) || std::fabs(value) > 7'000'000.0) return std::nullopt;
    // Rounded on the straight time line: a time of day that rounds up to midnight carries
    // into the next day, before 1899-12-30 as after it.
    const auto ms =
        static_cast<std::int64_t>(std::llround(LinearDays(value) * static_cast<double>(kMsPerDay)));
    const std::int64_t days = ms >= 0 ? ms / kMsPerDay : (ms - kMsPerDay + 1) / kMsPerDay;
    const std::int64_t time = ms - days * kMsPerDay;
    const CivilDate date = CivilFromDays(days);
    CivilTime t;
    t.year = date.year;
    t.month = date.month;
    t.day = date.day;
    t.hour = static_cast<int>(time / 3'600'000);
    t.minute = static_cast<int>(time / 60'000 % 60);
    t.second = static_cast<int>(time / 1000 % 60);
    t.millisecond = static_cast<int>(time % 1000);
    return t;
}

DayCount FromCivil(int year, int month, int day, int hour, int minute, int second,
                   int millisecond) {
    const auto days = static_cast<double>(DaysFromCivil(year, month, day));
    const double time = (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond) /
                        static_cast<double>(kMsPerDay);
    return days < 0 ? days - time : days + time;
}

DayCount FromCivil(const CivilTime& t) {
    return FromCivil(t.year, t.month, t.day, t.hour, t.minute, t.second, t.millisecond);
}

double LinearDays(DayCount value) {
    if (!(value < 0)) return value;  // also NaN
    const double date = std::trunc(value);
    return date + (date - value);
}

DayCount FromLinearDays(double days) {
    if (!(days < 0)) return days;
    const double date = std::floor(days);
    return date - (days - date);
}

DayCount ShiftMinutes(DayCount value, double minutes) {
    return FromLinearDays(LinearDays(value) + minutes / 1440.0);
}

DayCount DayCountFromUnixMs(std::int64_t ms) {
    const std::int64_t days = ms >= 0 ? ms / kMsPerDay : -((-ms + kMsPerDay - 1) / kMsPerDay);
    const std::int64_t rest = ms - days * kMsPerDay;
    const auto date = static_cast<double>(days + kEpochOffset);
    const double time = static_cast<double>(rest) / static_cast<double>(kMsPerDay);
    return date < 0 ? date - time : date + time;
}

std::int64_t UnixMsFromDayCount(DayCount value) {
    return std::llround((LinearDays(value) - kUnixEpochDay) * static_cast<double>(kMsPerDay));
}

}  // namespace horavia
