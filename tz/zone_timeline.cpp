#include "tz/zone_timeline.h"

#include <algorithm>
#include <string>
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

std::optional<ZoneTimeline> ZoneTimeline::FromRule(std::string_view ruleText) {
    ZoneTimeline timeline;
    timeline.rule_ = ParsePosixTzRule(ruleText);
    if (!timeline.rule_) return std::nullopt;
    timeline.data_.types.push_back(
        {timeline.rule_->standardOffset, false, timeline.rule_->standardName});
    timeline.data_.footer = std::string(ruleText);
    return timeline;
}

bool ZoneTimeline::RuleGoverns(std::int64_t utcSeconds) const {
    return rule_ && (data_.times.empty() || utcSeconds > data_.times.back());
}

ZoneState ZoneTimeline::StateAt(std::int64_t utcSeconds) const {
    if (RuleGoverns(utcSeconds)) {
        const bool daylight = PosixIsDaylightAt(*rule_, utcSeconds);
        return daylight ? ZoneState{rule_->daylightOffset, true, rule_->daylightName}
                        : ZoneState{rule_->standardOffset, false, rule_->standardName};
    }
    const auto& times = data_.times;
    const auto next = std::upper_bound(times.begin(), times.end(), utcSeconds);
    const TzifTimeType& type =
        next == times.begin()
            ? data_.types.front()
            : data_.types[data_.typeOf[static_cast<std::size_t>(next - times.begin() - 1)]];
    return {type.utcOffset, type.isDst, type.abbreviation};
}

std::optional<OffsetChange> ZoneTimeline::NextChange(std::int64_t after) const {
    // The table's transitions first, then the footer rule's yearly changes beyond the table;
    // transitions that change only a name or the daylight flag are passed over.
    const auto changeAt = [this](std::int64_t at) -> std::optional<OffsetChange> {
        const std::int32_t before = OffsetAt(at - 1);
        const std::int32_t now = OffsetAt(at);
        if (before == now) return std::nullopt;
        return OffsetChange{at, before, now};
    };
    const auto& times = data_.times;
    for (auto it = std::upper_bound(times.begin(), times.end(), after); it != times.end(); ++it) {
        if (auto change = changeAt(*it)) return change;
    }
    if (!rule_ || !rule_->hasDaylight) return std::nullopt;
    const std::int64_t from = times.empty() ? after + 1 : std::max(after + 1, times.back() + 1);
    // A rule's changes fall a few days at most outside their year: the changes of the years
    // around the first instant include the next one, unless the rule never changes the offset.
    std::vector<std::int64_t> candidates;
    for (int y = UtcYearOfSeconds(from) - 1; y <= UtcYearOfSeconds(from) + 2; ++y) {
        const PosixYearChanges c = ChangesOfYear(*rule_, y);
        candidates.insert(candidates.end(), {c.daylightStarts, c.daylightEnds});
    }
    std::sort(candidates.begin(), candidates.end());
    for (std::int64_t at : candidates) {
        if (at < from) continue;
        if (auto change = changeAt(at)) return change;
    }
    return std::nullopt;
}

}  // namespace horavia
