// What Casablanca's history holds for 2029 (two periods of Ramadan time in one year) and for
// far years, checked on the system's zone file and on bytes the tests write themselves.
#pragma once

#include <gtest/gtest.h>

#include "model/day_count.h"
#include "tz/tz_zone_history.h"

namespace horavia::testing {

inline void ExpectCasablancaYears(const TzZoneHistory& history) {
    const auto year = history.ChangesOfYear(2029);
    ASSERT_TRUE(year);
    EXPECT_EQ(year->biasAtStart, -60);
    ASSERT_EQ(year->changes.size(), 3u);
    EXPECT_DOUBLE_EQ(year->changes[0].at, FromCivil(2029, 1, 14, 2));
    EXPECT_EQ(year->changes[0].biasAfter, 0);
    EXPECT_EQ(year->changes[1].biasAfter, -60);
    EXPECT_EQ(year->changes[2].biasAfter, 0);
    // The same year again is the same record; far years work out too.
    EXPECT_EQ(history.ChangesOfYear(2029), year);
    EXPECT_EQ(history.ChangesOfYear(100)->biasAtStart, 30);  // local mean time, -0:30:20
    EXPECT_TRUE(history.ChangesOfYear(9999)->changes.empty());
    EXPECT_EQ(history.ChangesOfYear(9999)->biasAtStart, -60);
}

}  // namespace horavia::testing
