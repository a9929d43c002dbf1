#include "tz/tz_zone_history.h"

#include <algorithm>
#include <cstdlib>

#include "model/day_count.h"

namespace horavia {
namespace {

// Enough for every year a clock, the converter and a few years either side meet; beyond it
// the oldest-numbered years are worked out again when needed.
constexpr std::size_t kKeptYears = 512;

std::int64_t YearStartSeconds(int year) {
    return (DaysFromCivil(year, 1, 1) - DaysFromCivil(1970, 1, 1)) * 86400;
}

DayCount UtcDays(std::int64_t seconds) {
    return DayCountFromUnixMs(seconds * 1000);
}

std::shared_ptr<const YearChanges> Compute(const ZoneTimeline& timeline, int year) {
    auto result = std::make_shared<YearChanges>();
    const std::int64_t start = YearStartSeconds(year);
    result->biasAtStart = BiasOfOffset(timeline.OffsetAt(start - 1));
    std::int32_t bias = result->biasAtStart;
    for (const OffsetChange& change : timeline.ChangesBetween(start, YearStartSeconds(year + 1))) {
        const std::int32_t after = BiasOfOffset(change.after);
        if (after == bias) continue;
        result->changes.push_back({UtcDays(change.at), after});
        bias = after;
    }
    return result;
}

}  // namespace

std::int32_t BiasOfOffset(std::int32_t offsetSeconds) {
    const std::int32_t sign = offsetSeconds < 0 ? -1 : 1;
    return -sign * ((std::abs(offsetSeconds) + 30) / 60);
}

std::shared_ptr<const YearChanges> TzZoneHistory::ChangesOfYear(int year) const {
    year = std::clamp(year, 1, 9999);
    const auto found = years_.find(year);
    if (found != years_.end()) return found->second;
    if (years_.size() >= kKeptYears) years_.erase(years_.begin());
    auto changes = Compute(timeline_, year);
    years_.emplace(year, changes);
    return changes;
}

}  // namespace horavia
