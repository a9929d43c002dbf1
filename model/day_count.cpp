#include "model/day_count.h"

#include <cmath>
#include <cstdlib>

namespace horavia {
namespace {

// Howard Hinnant's days_from_civil, counted from 1970-01-01, then shifted to 1899-12-30.
std::int64_t DaysFrom1970(std::int64_t y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t mp = (m + 9) % 12;
    const std::int64_t doy = (153 * mp + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

constexpr std::int64_t kEpochOffset = 25569;  // days from 1899-12-30 to 1970-01-01

}  // namespace

std::int64_t DaysFromCivil(int year, int month, int day) {
    // Months outside 1..12 roll into neighbouring years, as a date serial would.
    std::int64_t y = year;
    std::int64_t m0 = static_cast<std::int64_t>(month) - 1;
    y += m0 >= 0 ? m0 / 12 : -((11 - m0) / 12);
    m0 = ((m0 % 12) + 12) % 12;
    return DaysFrom1970(y, static_cast<int>(m0 + 1), 1) + (day - 1) + kEpochOffset;
}

CivilDate CivilFromDays(std::int64_t days) {
    const std::int64_t z = days - kEpochOffset + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const std::int64_t d = doy - (153 * mp + 2) / 5 + 1;
    const std::int64_t m = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t y = yoe + era * 400 + (m <= 2 ? 1 : 0);
    return {static_cast<int>(y), static_cast<int>(m), static_cast<int>(d)};
}

int WeekdayOfDays(std::int64_t days) {
    // 1899-12-30 was a Saturday (6).
    const std::int64_t w = (days + 6) % 7;
    return static_cast<int>(w < 0 ? w + 7 : w);
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
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
    const auto ms = static_cast<std::int64_t>(std::llround(value * static_cast<double>(kMsPerDay)));
    const std::int64_t days = ms / kMsPerDay;  // truncates toward zero
    const std::int64_t time = std::llabs(ms % kMsPerDay);
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
