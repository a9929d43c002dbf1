#include "tz/zone_timeline.h"

#include <algorithm>
#include <utility>

namespace horavia {

std::optional<ZoneTimeline> ZoneTimeline::FromTzif(std::string_view bytes) {
    auto data = ParseTzif(bytes);
    if (!data) return std::nullopt;
    ZoneTimeline timeline;
    if (!data->footer.empty()) {
        timeline.rule_ = ParsePosixTzRule(data->footer);
        if (!timeline.rule_) return std::nullopt;
    }
    timeline.data_ = std::move(*data);
    return timeline;
}

std::int32_t ZoneTimeline::OffsetAt(std::int64_t utcSeconds) const {
    const auto& times = data_.times;
    if (rule_ && (times.empty() || utcSeconds > times.back())) {
        return PosixOffsetAt(*rule_, utcSeconds);
    }
    const auto next = std::upper_bound(times.begin(), times.end(), utcSeconds);
    if (next == times.begin()) return data_.types.front().utcOffset;
    return data_.types[data_.typeOf[static_cast<std::size_t>(next - times.begin() - 1)]].utcOffset;
}

std::vector<OffsetChange> ZoneTimeline::ChangesBetween(std::int64_t from, std::int64_t to) const {
    std::vector<std::int64_t> candidates;
    const auto& times = data_.times;
    for (auto it = std::lower_bound(times.begin(), times.end(), from);
         it != times.end() && *it < to; ++it) {
        candidates.push_back(*it);
    }
    if (rule_ && rule_->hasDaylight) {
        const std::int64_t tableEnd = times.empty() ? from : std::max(from, times.back() + 1);
        if (tableEnd < to) {
            for (int y = UtcYearOfSeconds(tableEnd) - 1; y <= UtcYearOfSeconds(to - 1) + 1; ++y) {
                const PosixYearChanges c = ChangesOfYear(*rule_, y);
                for (std::int64_t at : {c.daylightStarts, c.daylightEnds}) {
                    if (at >= tableEnd && at < to) candidates.push_back(at);
                }
            }
        }
    }
    std::sort(candidates.begin(), candidates.end());
    candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
    std::vector<OffsetChange> changes;
    for (std::int64_t at : candidates) {
        const std::int32_t before = OffsetAt(at - 1);
        const std::int32_t after = OffsetAt(at);
        if (before != after) changes.push_back({at, before, after});
    }
    return changes;
}

}  // namespace horavia
