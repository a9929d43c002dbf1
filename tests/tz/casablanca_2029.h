// What Casablanca's rules hold for 2029 (two periods of Ramadan time in one year) and for far
// years, checked on the system's zone file and on bytes the tests write themselves.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "tz/civil_days.h"
#include "tz/zone_rules.h"

namespace horavia::testing {

inline std::int64_t UtcSeconds(int year, int month, int day, int hour = 0) {
    return DaysSince1970(year, month, day) * 86400 + hour * 3600;
}

inline void ExpectCasablancaYears(const ZoneRules& zone) {
    EXPECT_EQ(zone.OffsetAt(UtcSeconds(2029, 1, 1)), 3600);
    const auto changes = zone.ChangesBetween(UtcSeconds(2029, 1, 1), UtcSeconds(2030, 1, 1));
    ASSERT_EQ(changes.size(), 3u);
    EXPECT_EQ(changes[0].at, UtcSeconds(2029, 1, 14, 2));
    EXPECT_EQ(changes[0].after, 0);
    EXPECT_EQ(changes[1].at, UtcSeconds(2029, 2, 18, 2));
    EXPECT_EQ(changes[1].after, 3600);
    EXPECT_EQ(changes[2].at, UtcSeconds(2029, 12, 30, 2));
    EXPECT_EQ(changes[2].after, 0);
    // Far years work out too: local mean time (-0:30:20) and the fixed offset after the data.
    EXPECT_EQ(zone.OffsetAt(UtcSeconds(100, 6, 1)), -1820);
    EXPECT_EQ(zone.OffsetAt(UtcSeconds(9999, 6, 1)), 3600);
    EXPECT_TRUE(zone.ChangesBetween(UtcSeconds(9999, 1, 1), UtcSeconds(9999, 12, 31)).empty());
}

}  // namespace horavia::testing
