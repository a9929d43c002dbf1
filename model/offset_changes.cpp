#include "model/offset_changes.h"

#include <algorithm>

namespace horavia {

namespace {

constexpr std::int64_t kDayMs = 86'400'000;

// The whole second at or before the instant: the zone rules count in seconds.
std::int64_t FloorSeconds(std::int64_t ms) {
    return ms / 1000 - (ms % 1000 < 0 ? 1 : 0);
}

}  // namespace

std::optional<OffsetChange> NextChangeWithin(const ZoneRules& zone, Instant from, int days) {
    if (days <= 0) return std::nullopt;
    const std::int64_t fromMs = UnixMsOf(from);
    // A change at the very second of `from` has happened already: the rules' next change
    // after its whole second is the first one after it.
    std::optional<OffsetChange> next = zone.NextChange(FloorSeconds(fromMs));
    if (!next) return std::nullopt;
    const std::int64_t lastMs = fromMs + static_cast<std::int64_t>(days) * kDayMs;
    if (next->at > FloorSeconds(lastMs)) return std::nullopt;
    return next;
}

std::vector<UpcomingChange> UpcomingChanges(const ClockList& clocks, const ZoneCatalogue& catalogue,
                                            Instant from, int days) {
    std::vector<UpcomingChange> upcoming;
    for (std::size_t i = 0; i < clocks.size(); ++i) {
        const ClockEntry& clock = clocks[i];
        if (!clock.Enabled || clock.Label.empty()) continue;  // an empty label: an empty slot
        const ZoneRules* rules = catalogue.RulesOf(clock.Zone);
        if (!rules) continue;
        if (std::optional<OffsetChange> change = NextChangeWithin(*rules, from, days))
            upcoming.push_back({i, *change});
    }
    // Stable: clocks whose changes fall at the same instant stay in list order.
    std::stable_sort(
        upcoming.begin(), upcoming.end(),
        [](const UpcomingChange& a, const UpcomingChange& b) { return a.change.at < b.change.at; });
    return upcoming;
}

}  // namespace horavia
