// The program's date-time: a day count since 1899-12-30 00:00 whose fraction is the time of day.
#pragma once

#include <cstdint>
#include <optional>

#include "tz/civil_days.h"

namespace horavia {

using DayCount = double;

inline constexpr DayCount kUnixEpochDay = 25569.0;  // 1970-01-01 00:00
inline constexpr std::int64_t kMsPerDay = 86'400'000;

struct CivilDate {
    int year = 1899;
    int month = 12;
    int day = 30;
};

// Whole days from 1899-12-30 to the given proleptic Gregorian date (negative before it).
std::int64_t DaysFromCivil(int year, int month, int day);
CivilDate CivilFromDays(std::int64_t days);

// 0 = Sunday ... 6 = Saturday.
int WeekdayOfDays(std::int64_t days);

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// The day (counted as DaysFromCivil counts) of the n-th `weekday` (0 = Sunday) of `month` in
// `year`, n = 1..4, or 5 for the last one, as both the registry's yearly rules and the rule
// strings of the tz database name their days. Out-of-range values, as a damaged registry
// record may hold, keep the registry reader's arithmetic: months roll into neighbouring years,
// n <= 0 counts weeks back from the first such weekday, and n >= 6 is the week before it.
std::int64_t DayOfNthWeekday(int year, int month, int weekday, int n);

// Splits a day count into a civil date and time through whole milliseconds (rounded to the
// nearest), so 14:30:05 never reads back as 14:30:04. A negative count keeps the convention
// of the automation date: the whole part is the date, the fraction's size the time of day.
// Empty when the value is not finite or lies beyond years -9999..19999.
std::optional<CivilTime> ToCivil(DayCount value);

// The day count of a civil date and time (time of day may exceed its usual range).
DayCount FromCivil(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                   int millisecond = 0);
DayCount FromCivil(const CivilTime& t);

// A day count before 1899-12-30 keeps the automation date's convention, the whole part the
// date and the fraction's size the time of day (-1.25 is 1899-12-29 06:00), so it does not
// grow steadily with time. These turn a count into days on a straight time line (-1.25 into
// -0.75) and back, for adding times and comparing them.
double LinearDays(DayCount value);
DayCount FromLinearDays(double days);
// The count moved by a number of minutes along the time line.
DayCount ShiftMinutes(DayCount value, double minutes);

// Whole milliseconds since 1970-01-01 00:00 <-> day count (both in the same clock reading).
DayCount DayCountFromUnixMs(std::int64_t ms);
std::int64_t UnixMsFromDayCount(DayCount value);

}  // namespace horavia
