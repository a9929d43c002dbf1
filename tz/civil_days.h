// The proleptic Gregorian calendar as the zone rules count it: whole days since 1970-01-01,
// the day from which their instants count.
#pragma once

#include <cstdint>

namespace horavia {

struct YearMonthDay {
    int year = 1970;
    int month = 1;
    int day = 1;
};

// A date and time as a clock shows it, in no zone.
struct CivilTime {
    int year = 1970;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// Days from 1970-01-01 to the date (negative before it). Months outside 1..12 roll into
// neighbouring years, so that "the month after December" needs no special case.
std::int64_t DaysSince1970(int year, int month, int day);
YearMonthDay DateOfDaysSince1970(std::int64_t days);

// The one place where an instant (milliseconds since 1970-01-01 00:00 UTC) becomes a clock
// reading: the civil time it is under an offset (seconds east of UTC).
CivilTime CivilTimeAt(std::int64_t unixMs, std::int64_t offsetSeconds);

bool IsGregorianLeapYear(int year);

// The day of the n-th `weekday` (0 = Sunday) of `month` in `year`, n = 1..4, or 5 for the
// last one, as the rule strings of the tz database name their days.
std::int64_t NthWeekdaySince1970(int year, int month, int weekday, int n);

}  // namespace horavia
