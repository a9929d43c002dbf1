#include "tz/zone_rules.h"

namespace horavia {

namespace {

constexpr std::int64_t kDaySeconds = 86'400;

}  // namespace

std::vector<OffsetChange> ZoneRules::ChangesBetween(std::int64_t from, std::int64_t to) const {
    std::vector<OffsetChange> changes;
    if (from >= to) return changes;
    for (std::optional<OffsetChange> next = NextChange(from - 1); next && next->at < to;
         next = NextChange(next->at)) {
        changes.push_back(*next);
    }
    return changes;
}

CivilLookup ZoneRules::LookUp(std::int64_t wallSeconds) const {
    // Every instant that shows the reading lies within a day of it (offsets stay under a day):
    // the changes of that span, in order, tell once, never or twice.
    std::int64_t instant = wallSeconds - OffsetAt(wallSeconds - kDaySeconds);
    for (const OffsetChange& change :
         ChangesBetween(wallSeconds - kDaySeconds + 1, wallSeconds + kDaySeconds)) {
        const std::int64_t pre = wallSeconds - change.before;  // read with the offset before
        const std::int64_t post = wallSeconds - change.after;  // read with the offset after
        const bool beforeIt = pre < change.at;
        const bool afterIt = post >= change.at;
        if (beforeIt && afterIt) return {CivilLookup::Kind::Repeated, pre, post, change.at};
        if (!beforeIt && !afterIt) return {CivilLookup::Kind::Skipped, pre, post, change.at};
        if (beforeIt) return {CivilLookup::Kind::Unique, pre, pre, 0};  // later changes are later
        instant = post;
    }
    return {CivilLookup::Kind::Unique, instant, instant, 0};
}

}  // namespace horavia
