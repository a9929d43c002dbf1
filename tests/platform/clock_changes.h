// A zone's changes of offset over a calendar year as its clock reads them, and the yearly rules
// (the n-th weekday of a month at an hour) the tz database names such days by.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tz/civil_days.h"
#include "tz/zone_rules.h"

namespace horavia::testing {

struct ClockChange {
    CivilTime reading;    // the clock just before the change
    std::int32_t by = 0;  // seconds the clock moves
};

inline CivilTime ReadingOf(std::int64_t wallSeconds) {
    constexpr std::int64_t kDay = 86400;
    const std::int64_t days = (wallSeconds >= 0 ? wallSeconds : wallSeconds - kDay + 1) / kDay;
    const auto second = static_cast<int>(wallSeconds - days * kDay);
    const YearMonthDay date = DateOfDaysSince1970(days);
    return {date.year, date.month, date.day, second / 3600, second / 60 % 60, second % 60, 0};
}

// The changes at instants within the calendar year in UTC.
inline std::vector<ClockChange> ClockChangesOfYear(const ZoneRules& rules, int year) {
    std::vector<ClockChange> changes;
    for (const OffsetChange& change : rules.ChangesBetween(DaysSince1970(year, 1, 1) * 86400,
                                                           DaysSince1970(year + 1, 1, 1) * 86400)) {
        changes.push_back({ReadingOf(change.at + change.before), change.after - change.before});
    }
    return changes;
}

// Month, weekday (0 = Sunday), which one of the month (5 = the last) and hour.
struct YearlyRule {
    int month = 0;
    int weekday = 0;
    int week = 0;
    int hour = 0;
};

inline void ExpectOnRule(const CivilTime& t, int year, const YearlyRule& rule) {
    EXPECT_EQ(t.year, year);
    EXPECT_EQ(DaysSince1970(t.year, t.month, t.day),
              NthWeekdaySince1970(year, rule.month, rule.weekday, rule.week))
        << t.year << '-' << t.month << '-' << t.day;
    EXPECT_EQ(t.hour, rule.hour);
    EXPECT_EQ(t.minute, 0);
    EXPECT_EQ(t.second, 0);
}

}  // namespace horavia::testing
