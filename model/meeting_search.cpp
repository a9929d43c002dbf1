#include "model/meeting_search.h"

#include <algorithm>

namespace horavia {

namespace {

using std::chrono::duration_cast;
using std::chrono::milliseconds;
using std::chrono::minutes;

// How far [start, end) lies outside one working stretch.
MeetingShortfall ShortfallFrom(const WorkPeriod& p, Instant start, Instant end) {
    const milliseconds early = p.start - start;  // positive: starts before work
    const milliseconds late = end - p.end;       // positive: ends after work
    MeetingShortfall s;
    s.beforeWork = early > late;
    s.by = std::chrono::ceil<minutes>(std::max({early, late, milliseconds(0)}));
    return s;
}

bool Less(const MeetingShortfall& a, const MeetingShortfall& b) {
    return a.by < b.by;
}

// The shortfall for [start, end), looking from `first`, the first stretch that ends after
// `start`, and its predecessor.
MeetingShortfall ShortfallNear(const std::vector<WorkPeriod>& periods, std::size_t first,
                               Instant start, Instant end) {
    MeetingShortfall best;
    best.by = minutes::max();
    // Before: the last stretch that ended at or before `start` is the nearest of those.
    if (first > 0) best = ShortfallFrom(periods[first - 1], start, end);
    // After: later stretches start ever later; look on while one could still be nearer.
    for (std::size_t i = first; i < periods.size(); ++i) {
        if (periods[i].start - start >= best.by && best.by != minutes::max()) break;
        const MeetingShortfall s = ShortfallFrom(periods[i], start, end);
        if (Less(s, best)) best = s;
        if (best.by == minutes(0)) break;
    }
    if (best.by == minutes::max()) {
        best.by = duration_cast<minutes>(std::chrono::days(366));  // no stretch near at all
        best.beforeWork = true;
    }
    return best;
}

}  // namespace

MeetingShortfall ShortfallAmong(const std::vector<WorkPeriod>& periods, Instant start,
                                minutes length) {
    const auto first = std::upper_bound(periods.begin(), periods.end(), start,
                                        [](Instant t, const WorkPeriod& p) { return t < p.end; });
    return ShortfallNear(periods, static_cast<std::size_t>(first - periods.begin()), start,
                         start + length);
}

std::optional<MeetingSlot> FindMeetingSlot(const std::vector<MeetingClock>& clocks, Instant from,
                                           minutes length, minutes within) {
    if (clocks.empty() || length <= minutes(0) || within <= minutes(0)) return std::nullopt;
    const milliseconds grid = kMeetingGrid;
    const std::int64_t fromMs = UnixMsOf(from);
    const std::int64_t gridMs = grid.count();
    const std::int64_t firstMs =
        (fromMs / gridMs + ((fromMs % gridMs > 0) ? 1 : 0)) * gridMs;  // at or after `from`
    const Instant firstStart = InstantFromUnixMs(firstMs);
    const Instant lastStart = from + within;  // excluded
    // Each clock's stretches over the whole search, with a margin for the nearest ones.
    const auto margin = std::chrono::days(8);  // a week: the nearest stretch of any clock
    std::vector<std::vector<WorkPeriod>> periods;
    periods.reserve(clocks.size());
    for (const MeetingClock& c : clocks) {
        periods.push_back(
            WorkPeriodsBetween(c.hours, c.rules, firstStart - margin, lastStart + length + margin));
    }
    std::vector<std::size_t> cursor(clocks.size(), 0);
    std::optional<MeetingSlot> fairest;
    minutes fairestWorst = minutes::max();
    std::vector<MeetingShortfall> shortfalls(clocks.size());
    for (Instant start = firstStart; start < lastStart; start += grid) {
        const Instant end = start + length;
        minutes worst(0);
        for (std::size_t c = 0; c < clocks.size(); ++c) {
            const std::vector<WorkPeriod>& p = periods[c];
            while (cursor[c] < p.size() && !(start < p[cursor[c]].end)) ++cursor[c];
            shortfalls[c] = ShortfallNear(p, cursor[c], start, end);
            shortfalls[c].clock = c;
            worst = std::max(worst, shortfalls[c].by);
        }
        if (worst == minutes(0)) return MeetingSlot{start, true, {}};
        if (worst < fairestWorst) {
            fairestWorst = worst;
            MeetingSlot slot{start, false, {}};
            for (const MeetingShortfall& s : shortfalls) {
                if (s.by > minutes(0)) slot.outside.push_back(s);
            }
            fairest = std::move(slot);
        }
    }
    return fairest;
}

}  // namespace horavia
