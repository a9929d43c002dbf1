#include "tz/civil_days.h"

namespace horavia {

std::int64_t DaysSince1970(int year, int month, int day) {
    std::int64_t y = year;
    std::int64_t m0 = static_cast<std::int64_t>(month) - 1;
    y += m0 >= 0 ? m0 / 12 : -((11 - m0) / 12);
    m0 = ((m0 % 12) + 12) % 12;
    // Howard Hinnant's days_from_civil, with March as the year's first month.
    y -= m0 < 2 ? 1 : 0;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t mp = (m0 + 10) % 12;
    const std::int64_t doy = (153 * mp + 2) / 5;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468 + (day - 1);
}

YearMonthDay DateOfDaysSince1970(std::int64_t days) {
    // Howard Hinnant's civil_from_days.
    const std::int64_t z = days + 719468;
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

CivilTime CivilTimeAt(std::int64_t unixMs, std::int64_t offsetSeconds) {
    constexpr std::int64_t kMsPerDay = 86'400'000;
    const std::int64_t wall = unixMs + offsetSeconds * 1000;
    const std::int64_t days = wall >= 0 ? wall / kMsPerDay : (wall - kMsPerDay + 1) / kMsPerDay;
    const std::int64_t ms = wall - days * kMsPerDay;
    const YearMonthDay date = DateOfDaysSince1970(days);
    return {date.year,
            date.month,
            date.day,
            static_cast<int>(ms / 3'600'000),
            static_cast<int>(ms / 60'000 % 60),
            static_cast<int>(ms / 1000 % 60),
            static_cast<int>(ms % 1000)};
}

bool IsGregorianLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

std::int64_t NthWeekdaySince1970(int year, int month, int weekday, int n) {
    // The last one is a week before the first such weekday of the month after.
    const std::int64_t first = DaysSince1970(year, n == 5 ? month + 1 : month, 1);
    const std::int64_t firstWeekday = ((first + 4) % 7 + 7) % 7;  // 1970-01-01 was a Thursday
    const std::int64_t ahead = ((weekday - firstWeekday) % 7 + 7) % 7;
    return first + ahead + (n >= 5 ? -7 : (n - 1) * 7);
}

}  // namespace horavia
