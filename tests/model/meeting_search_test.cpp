// The meeting search against a brute-force search over random clock sets: each clock's
// working minutes are marked one by one from its wall time, and every quarter-hour slot is
// measured by the nearest slot start that fits.
#include "model/meeting_search.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "model/zone_time.h"
#include "tz/zone_timeline.h"

namespace horavia {
namespace {

using std::chrono::minutes;

// Whether people work at the wall time (minutes since 1970 on the clock), by the hours' rule.
bool WorksAt(const WorkingHours& h, std::int64_t wallMinutes) {
    const std::int64_t day = wallMinutes >= 0 ? wallMinutes / 1440 : (wallMinutes - 1439) / 1440;
    const int minute = static_cast<int>(wallMinutes - day * 1440);
    const auto on = [&](std::int64_t d) {
        return (h.days >> static_cast<int>(((d % 7) + 7 + 3) % 7) & 1) != 0;  // 1970-01-01: Thu
    };
    if (h.from < h.to) return on(day) && minute >= h.from && minute < h.to;
    return (on(day) && minute >= h.from) || (on(day - 1) && minute < h.to);
}

struct BruteResult {
    std::int64_t start;  // minutes since 1970
    bool everyone;
    std::int64_t worst;
};

BruteResult BruteForce(const std::vector<MeetingClock>& clocks, std::int64_t first,
                       std::int64_t slots, int length) {
    const std::int64_t margin = 9 * 1440;
    const std::int64_t lo = first - margin;
    const std::int64_t span = slots * 15 + length + 2 * margin;
    std::vector<std::vector<std::int64_t>> nearest;  // per clock: distance to a fitting start
    for (const MeetingClock& c : clocks) {
        std::vector<int> run(static_cast<std::size_t>(span) + 1, 0);  // working minutes ahead
        for (std::int64_t m = span - 1; m >= 0; --m) {
            const Instant t = InstantFromUnixMs((lo + m) * 60'000);
            const std::optional<CivilTime> w = CivilTimeOn(c.rules, t);
            const std::int64_t wall =
                DaysSince1970(w->year, w->month, w->day) * 1440 + w->hour * 60 + w->minute;
            const auto i = static_cast<std::size_t>(m);
            run[i] = WorksAt(c.hours, wall) ? run[i + 1] + 1 : 0;
        }
        std::vector<std::int64_t> d(static_cast<std::size_t>(span), 1'000'000);
        for (std::int64_t m = 0; m < span; ++m) {
            const auto i = static_cast<std::size_t>(m);
            if (run[i] >= length) d[i] = 0;
            if (m > 0) d[i] = std::min(d[i], d[i - 1] + 1);
        }
        for (std::int64_t m = span - 2; m >= 0; --m) {
            const auto i = static_cast<std::size_t>(m);
            d[i] = std::min(d[i], d[i + 1] + 1);
        }
        nearest.push_back(std::move(d));
    }
    BruteResult best{0, false, 1'000'000'000};
    for (std::int64_t s = 0; s < slots; ++s) {
        const std::int64_t start = first + s * 15;
        std::int64_t worst = 0;
        for (const auto& d : nearest)
            worst = std::max(worst, d[static_cast<std::size_t>(start - lo)]);
        if (worst == 0) return {start, true, 0};
        if (worst < best.worst) best = {start, false, worst};
    }
    return best;
}

TEST(MeetingSearch, AgreesWithBruteForceOverRandomClockSets) {
    std::mt19937 random(20261014);
    std::vector<std::shared_ptr<const ZoneRules>> zones;
    for (const char* rule : {"CET-1CEST,M3.5.0,M10.5.0/3", "EST5EDT,M3.2.0,M11.1.0",
                             "<+1030>-10:30<+11>-11,M10.1.0,M4.1.0", "<-03>3"}) {
        zones.push_back(std::make_shared<ZoneTimeline>(*ZoneTimeline::FromRule(rule)));
    }
    for (int offset : {0, 5 * 3600 + 45 * 60, -(3 * 3600 + 30 * 60), 13 * 3600 + 45 * 60,
                       -10 * 3600, 9 * 3600}) {
        zones.push_back(std::make_shared<FixedOffsetZone>(offset));
    }
    // Starts and ends away from 01:00-04:00, where the rule zones change their clocks.
    const std::vector<int> times{0,       4 * 60 + 30, 6 * 60,  7 * 60 + 45, 9 * 60, 12 * 60 + 15,
                                 17 * 60, 19 * 60,     22 * 60, 1440};
    int fitted = 0;
    for (int set = 0; set < 100; ++set) {
        SCOPED_TRACE(set);
        std::vector<MeetingClock> clocks;
        const int count = 2 + static_cast<int>(random() % 4);
        for (int c = 0; c < count; ++c) {
            WorkingHours h;
            h.from = times[random() % (times.size() - 1)];
            do {
                h.to = times[1 + random() % (times.size() - 1)];
            } while (h.to % 1440 == h.from);
            h.days = static_cast<WeekdaySet>(1 + random() % 127);
            clocks.push_back({zones[random() % zones.size()].get(), h});
        }
        // Around the spring and autumn changes of 2026 and in between.
        const std::int64_t days[] = {20535, 20535 + 3, 20540, 20750, 20753, 20600};
        const std::int64_t firstMinute =
            days[random() % 6] * 1440 + static_cast<std::int64_t>(random() % 96) * 15;
        const int length = random() % 2 == 0 ? 30 : 60;
        const int slots = 2 * 96;
        const auto found = FindMeetingSlot(clocks, InstantFromUnixMs(firstMinute * 60'000 - 7),
                                           minutes(length), minutes(slots * 15));
        ASSERT_TRUE(found.has_value());
        const BruteResult expected = BruteForce(clocks, firstMinute, slots, length);
        EXPECT_EQ(found->everyone, expected.everyone);
        std::int64_t worst = 0;
        for (const MeetingShortfall& s : found->outside)
            worst = std::max<std::int64_t>(worst, s.by.count());
        EXPECT_EQ(worst, expected.worst);
        if (expected.everyone) {
            ++fitted;
            EXPECT_EQ(UnixMsOf(found->start) / 60'000, expected.start);
        }
    }
    EXPECT_GT(fitted, 10);  // both outcomes are tried
}

TEST(MeetingSearch, NamesWhoIsOutsideAndWhichWay) {
    // Lima (UTC-5) 09:00-17:00 and Tokyo (UTC+9) 09:00-17:00 never overlap: the fairest hour
    // lies half-way in the shorter gap, both an hour and a half out, in opposite directions.
    const FixedOffsetZone lima(-5 * 3600);
    const FixedOffsetZone tokyo(9 * 3600);
    const std::vector<MeetingClock> clocks{{&lima, WorkingHours{9 * 60, 17 * 60, kEveryDay}},
                                           {&tokyo, WorkingHours{9 * 60, 17 * 60, kEveryDay}}};
    const auto slot = FindMeetingSlot(clocks, InstantFromUnixMs(0), minutes(60));
    ASSERT_TRUE(slot.has_value());
    EXPECT_FALSE(slot->everyone);
    ASSERT_EQ(slot->outside.size(), 2u);
    EXPECT_EQ(UnixMsOf(slot->start), (22 * 60 + 30) * 60'000);  // 17:30 in Lima
    EXPECT_EQ(slot->outside[0].by, minutes(90));                // ends 18:30, after work
    EXPECT_EQ(slot->outside[1].by, minutes(90));                // starts 07:30, before it
    EXPECT_NE(slot->outside[0].beforeWork, slot->outside[1].beforeWork);
    EXPECT_FALSE(FindMeetingSlot({}, InstantFromUnixMs(0)).has_value());
}

}  // namespace
}  // namespace horavia
