#include "model/day_count.h"

#include <gtest/gtest.h>

#include <vector>

namespace horavia {
namespace {

TEST(DayCount, KnownDaysOfTheCalendar) {
    EXPECT_EQ(DaysFromCivil(1899, 12, 30), 0);
    EXPECT_EQ(DaysFromCivil(1900, 1, 1), 2);
    EXPECT_EQ(DaysFromCivil(1970, 1, 1), 25569);
    EXPECT_EQ(DaysFromCivil(1999, 7, 18), 36359);
    EXPECT_EQ(DaysFromCivil(2003, 12, 26), 37981);
    EXPECT_EQ(DaysFromCivil(2162, 1, 4), 95699);
    EXPECT_EQ(DaysFromCivil(2323, 1, 1), 154499);
    // Month 13 rolls into January of the next year; day 0 is the last day of the month before.
    EXPECT_EQ(DaysFromCivil(2026, 13, 1), DaysFromCivil(2027, 1, 1));
    EXPECT_EQ(DaysFromCivil(2026, 3, 0), DaysFromCivil(2026, 2, 28));
    EXPECT_EQ(WeekdayOfDays(DaysFromCivil(2026, 12, 8)), 2);  // a Tuesday
    EXPECT_EQ(WeekdayOfDays(-1), 5);                          // 1899-12-29, a Friday
}

TEST(DayCount, NthWeekdayOfTheMonth) {
    EXPECT_EQ(DayOfNthWeekday(2026, 3, 0, 2), DaysFromCivil(2026, 3, 8));
    EXPECT_EQ(DayOfNthWeekday(2026, 11, 0, 1), DaysFromCivil(2026, 11, 1));
    // The last Sunday of March and of October, where Europe changes its clocks.
    EXPECT_EQ(DayOfNthWeekday(2026, 3, 0, 5), DaysFromCivil(2026, 3, 29));
    EXPECT_EQ(DayOfNthWeekday(2026, 10, 0, 5), DaysFromCivil(2026, 10, 25));
    // The last one is the fifth where there is one and the fourth where there is not.
    EXPECT_EQ(DayOfNthWeekday(2026, 3, 1, 5), DaysFromCivil(2026, 3, 30));
    EXPECT_EQ(DayOfNthWeekday(2026, 2, 1, 5), DaysFromCivil(2026, 2, 23));
    // The last Sunday of December looks at January of the next year and steps back.
    EXPECT_EQ(DayOfNthWeekday(2026, 12, 0, 5), DaysFromCivil(2026, 12, 27));
    EXPECT_EQ(DayOfNthWeekday(2027, 12, 5, 5), DaysFromCivil(2027, 12, 31));  // last Friday
    // A month whose first day is the wanted weekday.
    EXPECT_EQ(DayOfNthWeekday(2026, 2, 0, 1), DaysFromCivil(2026, 2, 1));
    EXPECT_EQ(DayOfNthWeekday(2026, 2, 0, 4), DaysFromCivil(2026, 2, 22));
    // Leap Februaries: 29 February 2028 is the last Tuesday, 2032 has five Sundays.
    EXPECT_EQ(DayOfNthWeekday(2028, 2, 2, 5), DaysFromCivil(2028, 2, 29));
    EXPECT_EQ(DayOfNthWeekday(2028, 2, 0, 5), DaysFromCivil(2028, 2, 27));
    EXPECT_EQ(DayOfNthWeekday(2032, 2, 0, 5), DaysFromCivil(2032, 2, 29));
    EXPECT_EQ(DayOfNthWeekday(2027, 2, 0, 5), DaysFromCivil(2027, 2, 28));
    // A damaged record's week: 0 and 6 both name the week before the first such weekday.
    EXPECT_EQ(DayOfNthWeekday(2026, 3, 0, 0), DaysFromCivil(2026, 2, 22));
    EXPECT_EQ(DayOfNthWeekday(2026, 3, 0, 6), DaysFromCivil(2026, 2, 22));
}

TEST(DayCount, CivilRoundTripOverCenturies) {
    for (std::int64_t d = -700000; d < 3000000; d += 997) {
        const CivilDate c = CivilFromDays(d);
        ASSERT_EQ(DaysFromCivil(c.year, c.month, c.day), d);
    }
}

TEST(DayCount, TimeOfDayNeverLosesASecondToRounding) {
    // Every second of a day comes back as itself, not one second early.
    for (int s = 0; s < 86400; ++s) {
        const DayCount v = FromCivil(2026, 12, 8, s / 3600, s / 60 % 60, s % 60);
        const auto t = ToCivil(v);
        ASSERT_TRUE(t);
        ASSERT_EQ(t->hour * 3600 + t->minute * 60 + t->second, s) << s;
        ASSERT_EQ(t->millisecond, 0);
    }
    const auto t = ToCivil(46000.0 + (14 * 3600 + 30 * 60 + 5) / 86400.0);
    EXPECT_EQ(t->second, 5);
}

TEST(DayCount, NegativeCountsKeepTheDateAndTimeConvention) {
    const auto t = ToCivil(-1.25);  // 1899-12-29 06:00
    ASSERT_TRUE(t);
    EXPECT_EQ(t->day, 29);
    EXPECT_EQ(t->hour, 6);
    EXPECT_DOUBLE_EQ(FromCivil(1899, 12, 29, 6), -1.25);
    // A time of day that rounds to midnight carries into the next day on either side of 0.
    struct Case {
        DayCount value;
        int month, day, hour;
    };
    for (const Case& c : {Case{-1.9999999999, 12, 30, 0}, Case{-2.0000000001, 12, 28, 0},
                          Case{0.9999999999, 12, 31, 0}, Case{-0.5, 12, 30, 12}}) {
        const auto r = ToCivil(c.value);
        ASSERT_TRUE(r);
        EXPECT_EQ((std::vector<int>{r->month, r->day, r->hour, r->minute, r->millisecond}),
                  (std::vector<int>{c.month, c.day, c.hour, 0, 0}))
            << c.value;
    }
}

TEST(DayCount, UnrepresentableValuesGiveNothing) {
    EXPECT_FALSE(ToCivil(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(ToCivil(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(ToCivil(1e300));
}

TEST(DayCount, UnixMilliseconds) {
    EXPECT_DOUBLE_EQ(DayCountFromUnixMs(0), 25569.0);
    EXPECT_DOUBLE_EQ(DayCountFromUnixMs(-43'200'000), 25568.5);
    EXPECT_EQ(UnixMsFromDayCount(DayCountFromUnixMs(1'765'000'123'456)), 1'765'000'123'456);
    // Before 1899-12-30 the count keeps the date's convention both ways.
    const std::int64_t ms1800 = (DaysFromCivil(1800, 1, 1) - 25569) * kMsPerDay + 21'600'000;
    EXPECT_DOUBLE_EQ(DayCountFromUnixMs(ms1800), FromCivil(1800, 1, 1, 6));
    EXPECT_EQ(UnixMsFromDayCount(FromCivil(1800, 1, 1, 6)), ms1800);
}

TEST(DayCount, TimesBefore1900MoveAlongTheTimeLine) {
    // -1.25 is 1899-12-29 06:00: a quarter of a day after -1, three quarters before 0.
    EXPECT_DOUBLE_EQ(LinearDays(-1.25), -0.75);
    EXPECT_DOUBLE_EQ(FromLinearDays(-0.75), -1.25);
    EXPECT_DOUBLE_EQ(LinearDays(2.5), 2.5);
    const struct {
        DayCount from;
        double minutes;
        DayCount to;
    } cases[] = {
        {FromCivil(100, 1, 1, 0, 10), -9, FromCivil(100, 1, 1, 0, 1)},
        {FromCivil(100, 1, 1, 0, 10), 20, FromCivil(100, 1, 1, 0, 30)},
        {FromCivil(1850, 6, 1, 0, 5), -10, FromCivil(1850, 5, 31, 23, 55)},
        {FromCivil(1899, 12, 29, 23, 0), 120, FromCivil(1899, 12, 30, 1, 0)},
        {FromCivil(1899, 12, 30, 1, 0), -120, FromCivil(1899, 12, 29, 23, 0)},
        {FromCivil(2026, 3, 8, 6, 59), 2, FromCivil(2026, 3, 8, 7, 1)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToCivil(ShiftMinutes(c.from, c.minutes)).value().minute,
                  ToCivil(c.to).value().minute);
        EXPECT_NEAR(LinearDays(ShiftMinutes(c.from, c.minutes)), LinearDays(c.to), 1e-9);
    }
}

}  // namespace
}  // namespace horavia
