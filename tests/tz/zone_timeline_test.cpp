// Zone files the tests write themselves: the table, the footer's rule string after it, damaged
// files, and the history of a year.
#include "tz/zone_timeline.h"

#include <gtest/gtest.h>

#include <vector>

#include "casablanca_2029.h"
#include "tzif_writer.h"

namespace horavia {
namespace {

using testing::TzifBytes;
using testing::Utc;

constexpr std::int32_t kHour = 3600;

// Central European time: local mean time (+0:09:21) until 1911, changes in 1990 from the
// table, then the footer's rule; 1850 lies beyond a 32-bit table.
TzifData CentralEurope() {
    return {{Utc(1850, 1, 1, 0), Utc(1911, 3, 11, 0), Utc(1990, 3, 25, 1), Utc(1990, 10, 28, 1)},
            {1, 2, 3, 2},
            {{561, false}, {600, false}, {kHour, false}, {2 * kHour, true}},
            "CET-1CEST,M3.5.0,M10.5.0/3"};
}

ZoneTimeline Timeline(const TzifData& zone, char version = '2') {
    auto timeline = ZoneTimeline::FromTzif(TzifBytes(zone, version));
    EXPECT_TRUE(timeline.has_value());
    return timeline ? *timeline : *ZoneTimeline::FromTzif(TzifBytes({{}, {}, {{0, false}}, ""}));
}

void ExpectChanges(const ZoneTimeline& zone, int year, const std::vector<OffsetChange>& expected) {
    const auto changes = zone.ChangesBetween(Utc(year, 1, 1, 0), Utc(year + 1, 1, 1, 0));
    ASSERT_EQ(changes.size(), expected.size()) << year;
    for (std::size_t i = 0; i < changes.size(); ++i) {
        EXPECT_EQ(changes[i].at, expected[i].at) << year << " change " << i;
        EXPECT_EQ(changes[i].before, expected[i].before) << year << " change " << i;
        EXPECT_EQ(changes[i].after, expected[i].after) << year << " change " << i;
        EXPECT_EQ(zone.OffsetAt(changes[i].at - 1), expected[i].before) << year;
        EXPECT_EQ(zone.OffsetAt(changes[i].at), expected[i].after) << year;
    }
}

TEST(ZoneTimeline, TheTableThenItsFooterRuleFromTheFirstInstantAfterIt) {
    const ZoneTimeline zone = Timeline(CentralEurope());
    EXPECT_EQ(zone.OffsetAt(Utc(1800, 6, 1, 12)), 561);  // before the table: its first type
    EXPECT_EQ(zone.OffsetAt(Utc(1900, 6, 1, 12)), 600);  // from the 64-bit table alone
    EXPECT_EQ(zone.OffsetAt(Utc(1950, 6, 1, 12)), kHour);
    ExpectChanges(
        zone, 1990,
        {{Utc(1990, 3, 25, 1), kHour, 2 * kHour}, {Utc(1990, 10, 28, 1), 2 * kHour, kHour}});
    // The year after the table's end, past 2038 and at the end of the calendar: the rule's
    // last Sundays of March and October.
    ExpectChanges(
        zone, 1991,
        {{Utc(1991, 3, 31, 1), kHour, 2 * kHour}, {Utc(1991, 10, 27, 1), 2 * kHour, kHour}});
    ExpectChanges(
        zone, 2038,
        {{Utc(2038, 3, 28, 1), kHour, 2 * kHour}, {Utc(2038, 10, 31, 1), 2 * kHour, kHour}});
    EXPECT_EQ(zone.OffsetAt(Utc(9999, 7, 1, 12)), 2 * kHour);
    EXPECT_EQ(zone.OffsetAt(Utc(9999, 12, 1, 12)), kHour);
}

TEST(ZoneTimeline, VersionOneFilesAndFilesWithoutARule) {
    // Version 1: the 32-bit table only; after it its last type holds.
    TzifData old{{Utc(1990, 3, 25, 1), Utc(1990, 10, 28, 1)},
                 {1, 0},
                 {{kHour, false}, {2 * kHour, true}},
                 ""};
    for (const char version : {'\0', '2', '3'}) {
        const ZoneTimeline zone = Timeline(old, version);
        ExpectChanges(
            zone, 1990,
            {{Utc(1990, 3, 25, 1), kHour, 2 * kHour}, {Utc(1990, 10, 28, 1), 2 * kHour, kHour}});
        EXPECT_TRUE(zone.ChangesBetween(Utc(1991, 1, 1, 0), Utc(2100, 1, 1, 0)).empty());
    }
    // A rule with daylight time and an empty table (version 4 may end with it alone).
    const ZoneTimeline rule =
        Timeline({{}, {}, {{-5 * kHour, false}}, "EST5EDT,M3.2.0,M11.1.0"}, '4');
    ExpectChanges(rule, 2026,
                  {{Utc(2026, 3, 8, 7), -5 * kHour, -4 * kHour},
                   {Utc(2026, 11, 1, 6), -4 * kHour, -5 * kHour}});
}

TEST(ZoneTimeline, DamagedFilesAreRefusedWithoutACrash) {
    const std::string bytes = TzifBytes(CentralEurope());
    // Every cut short copy either reads (the footer is optional) or is refused.
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        const auto cut = ZoneTimeline::FromTzif(std::string_view(bytes).substr(0, n));
        if (cut) {
            EXPECT_EQ(cut->OffsetAt(Utc(1990, 1, 1, 0)), kHour) << n;
        }
    }
    auto mutated = [&](std::size_t at, char value) {
        std::string copy = bytes;
        copy[at] = value;
        return ZoneTimeline::FromTzif(copy).has_value();
    };
    EXPECT_TRUE(mutated(4, '3'));                            // a later version reads alike
    EXPECT_FALSE(mutated(0, 'X'));                           // magic
    EXPECT_FALSE(mutated(36 + 3, 0));                        // no time types
    EXPECT_FALSE(mutated(32 + 0, static_cast<char>(0x7F)));  // huge transition count
    // The second header starts after the first block: 44 + 6 + 4 bytes.
    EXPECT_FALSE(mutated(54 + 44 + 4 * 8 + 1, 9));                        // type out of range
    EXPECT_FALSE(mutated(54 + 44 + 8, static_cast<char>(0x80)));          // instants out of order
    EXPECT_FALSE(mutated(54 + 44 + 4 * 8 + 4, static_cast<char>(0x7F)));  // offset beyond a day
    EXPECT_FALSE(ZoneTimeline::FromTzif(bytes.substr(0, bytes.size() - 5) + "\nX9Y\n"));
}

TEST(ZoneHistory, AYearListsItsChangesAsBiasesFromItsFirstInstant) {
    // Two periods of Ramadan time in one year, then a rule without daylight time.
    const TzifData morocco{{Utc(1913, 10, 26, 0), Utc(2029, 1, 14, 2), Utc(2029, 2, 18, 2),
                            Utc(2029, 12, 30, 2), Utc(2030, 2, 10, 2)},
                           {1, 2, 1, 2, 1},
                           {{-1820, false}, {kHour, false}, {0, true}},
                           "<+01>-1"};
    testing::ExpectCasablancaYears(Timeline(morocco));
}

}  // namespace
}  // namespace horavia
