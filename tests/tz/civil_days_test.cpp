// The zone rules' own calendar: days since 1970, dates back from them, and the rule strings'
// "n-th weekday of the month".
#include "tz/civil_days.h"

#include <gtest/gtest.h>

#include <tuple>

namespace horavia {
namespace {

TEST(CivilDays, KnownDatesAndMonthsBeyondTheYear) {
    struct Case {
        int year, month, day;
        std::int64_t days;
    };
    const Case cases[]{
        {1970, 1, 1, 0},           {1969, 12, 31, -1},      {2000, 3, 1, 11017},
        {1899, 12, 30, -25569},    {2038, 1, 19, 24855},    {1600, 2, 29, -135081},
        {2026, 13, 1, 20819},      {2027, 0, 15, 20802},    {2026, -11, 1, 20089},
        {-4713, 11, 24, -2440588}, {9999, 12, 31, 2932896},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DaysSince1970(c.year, c.month, c.day), c.days)
            << c.year << "-" << c.month << "-" << c.day;
    }
    // Every day of 2,000 years either side of 1970 reads back as the date it came from, and
    // consecutive days are consecutive dates.
    YearMonthDay before = DateOfDaysSince1970(-730'500);
    for (std::int64_t d = -730'499; d <= 730'500; ++d) {
        const YearMonthDay date = DateOfDaysSince1970(d);
        ASSERT_EQ(DaysSince1970(date.year, date.month, date.day), d);
        const bool nextDay = date.day == before.day + 1 && date.month == before.month;
        const bool nextMonth = date.day == 1 && (date.month == before.month + 1 ||
                                                 (date.month == 1 && before.month == 12));
        ASSERT_TRUE(nextDay || nextMonth) << d;
        before = date;
    }
    EXPECT_TRUE(IsGregorianLeapYear(2000));
    EXPECT_FALSE(IsGregorianLeapYear(1900));
    EXPECT_TRUE(IsGregorianLeapYear(2028));
    EXPECT_FALSE(IsGregorianLeapYear(2026));
}

TEST(CivilDays, NthWeekdayOfTheMonth) {
    struct Case {
        int year, month, weekday, n;
        int expectedMonth, expectedDay;
    };
    const Case cases[]{
        {2026, 3, 0, 2, 3, 8},     // second Sunday of March: 8 March 2026
        {2026, 3, 0, 5, 3, 29},    // last Sunday of March
        {2026, 10, 0, 5, 10, 25},  // last Sunday of October
        {2026, 11, 0, 1, 11, 1},   // the month starts on the day itself
        {2026, 12, 4, 5, 12, 31},  // the last day of the year is the last Thursday
        {2024, 2, 4, 5, 2, 29},    // leap day
        {2026, 2, 6, 4, 2, 28},
    };
    for (const Case& c : cases) {
        const YearMonthDay date =
            DateOfDaysSince1970(NthWeekdaySince1970(c.year, c.month, c.weekday, c.n));
        EXPECT_EQ(date.year, c.year);
        EXPECT_EQ(date.month, c.expectedMonth) << c.month << " " << c.n;
        EXPECT_EQ(date.day, c.expectedDay) << c.month << " " << c.n;
    }
}

// Instants either side of midnight and of a change, far dates, and offsets with seconds,
// checked against Python's datetime.
TEST(CivilDays, CivilTimeOfAnInstantUnderAnOffset) {
    struct Case {
        std::int64_t unixMs;
        std::int64_t offset;
        CivilTime civil;
    };
    for (const Case& c : {
             Case{0, 0, {1970, 1, 1, 0, 0, 0, 0}},
             Case{-1, 0, {1969, 12, 31, 23, 59, 59, 999}},
             Case{-86'400'001, 3600, {1969, 12, 31, 0, 59, 59, 999}},
             Case{1'774'746'000'000, 7200, {2026, 3, 29, 3, 0, 0, 0}},
             Case{1'774'745'999'999, 3600, {2026, 3, 29, 1, 59, 59, 999}},
             Case{-62'135'596'800'000, 0, {1, 1, 1, 0, 0, 0, 0}},
             Case{253'402'300'799'999, -43200, {9999, 12, 31, 11, 59, 59, 999}},
             Case{1'700'000'000'123, -34218, {2023, 11, 14, 12, 43, 2, 123}},
         }) {
        const CivilTime t = CivilTimeAt(c.unixMs, c.offset);
        EXPECT_EQ(std::tie(t.year, t.month, t.day, t.hour, t.minute, t.second, t.millisecond),
                  std::tie(c.civil.year, c.civil.month, c.civil.day, c.civil.hour, c.civil.minute,
                           c.civil.second, c.civil.millisecond))
            << c.unixMs << " " << c.offset;
    }
}

}  // namespace
}  // namespace horavia
