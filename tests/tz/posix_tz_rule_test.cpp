// The rule strings that end compiled zone files.
#include "tz/posix_tz_rule.h"

#include <gtest/gtest.h>

#include <vector>

#include "tzif_writer.h"

namespace horavia {
namespace {

using testing::Utc;

struct RuleCase {
    const char* text;
    bool valid;
};

TEST(PosixTzRule, ReadsTheFormsOfRuleStrings) {
    const std::vector<RuleCase> cases{
        {"EST5EDT,M3.2.0,M11.1.0", true},
        {"<+1030>-10:30<+11>-11,M10.1.0,M4.1.0", true},
        {"<-02>2<-01>,M3.5.0/-1,M10.5.0/0", true},
        {"EET-2EEST,M3.4.4/50,M10.4.4/50", true},
        {"EST5EDT,0/0,J365/25", true},
        {"<+01>-1", true},
        {"UTC0", true},
        {"EST5EDT", true},
        {"", false},
        {"E5", false},
        {"<>5", false},
        {"EST", false},
        {"EST5EDT,M13.1.0,M11.1.0", false},
        {"EST5EDT,M3.6.0,M11.1.0", false},
        {"EST5EDT,M3.2.7,M11.1.0", false},
        {"EST5EDT,J0,J365", false},
        {"EST5EDT,M3.2.0/168,M11.1.0", false},
        {"EST5EDT,M3.2.0", false},
        {"EST5EDT,M3.2.0,M11.1.0,", false},
        {"EST99", false},
        {"<+01", false},
    };
    for (const RuleCase& c : cases) {
        EXPECT_EQ(ParsePosixTzRule(c.text).has_value(), c.valid) << c.text;
    }
}

TEST(PosixTzRule, DayFormsAndAllYearDaylightTime) {
    // Jn never counts 29 February; n counts from 0 and does.
    const auto julian = ParsePosixTzRule("AAA0BBB,J60/0,J300/0");
    const auto zeroBased = ParsePosixTzRule("AAA0BBB,59/0,300/0");
    ASSERT_TRUE(julian && zeroBased);
    EXPECT_EQ(ChangesOfYear(*julian, 2028).daylightStarts, Utc(2028, 3, 1, 0));
    EXPECT_EQ(ChangesOfYear(*zeroBased, 2028).daylightStarts, Utc(2028, 2, 29, 0));
    EXPECT_EQ(ChangesOfYear(*zeroBased, 2027).daylightStarts, Utc(2027, 3, 1, 0));
    // No rules: the POSIX default, second Sunday of March to first Sunday of November.
    const auto us = ParsePosixTzRule("EST5EDT");
    ASSERT_TRUE(us);
    EXPECT_EQ(ChangesOfYear(*us, 2026).daylightStarts, Utc(2026, 3, 8, 7));
    EXPECT_EQ(ChangesOfYear(*us, 2026).daylightEnds, Utc(2026, 11, 1, 6));
    // Daylight time all year: the end of one year is the start of the next.
    const auto always = ParsePosixTzRule("EST5EDT,0/0,J365/25");
    ASSERT_TRUE(always);
    for (std::int64_t t : {Utc(2026, 1, 1, 5), Utc(2026, 7, 1, 0), Utc(2026, 12, 31, 23)}) {
        EXPECT_EQ(PosixOffsetAt(*always, t), -4 * 3600);
    }
}

TEST(PosixTzRule, MonthRulesNameTheNthOrLastWeekdayOfTheMonth) {
    // The last Tuesday of a leap February is the 29th; the fourth Thursday plus 50 hours is
    // the Saturday after (a rule time beyond a day).
    const auto leap = ParsePosixTzRule("AAA0BBB,M2.5.2/0,M10.5.0/0");
    ASSERT_TRUE(leap);
    EXPECT_EQ(ChangesOfYear(*leap, 2028).daylightStarts, Utc(2028, 2, 29, 0));
    EXPECT_EQ(ChangesOfYear(*leap, 2028).daylightEnds, Utc(2028, 10, 28, 23));
    const auto hebron = ParsePosixTzRule("EET-2EEST,M3.4.4/50,M10.4.4/50");
    ASSERT_TRUE(hebron);
    EXPECT_EQ(ChangesOfYear(*hebron, 2090).daylightStarts, Utc(2090, 3, 25, 0));
    EXPECT_EQ(ChangesOfYear(*hebron, 2090).daylightEnds, Utc(2090, 10, 27, 23));
}

}  // namespace
}  // namespace horavia
