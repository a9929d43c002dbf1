// The zone rules' own calendar: days since 1970, dates back from them, and the rule strings'
// "n-th weekday of the month".
#include "tz/civil_days.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace horavia
