#include "model/offset_changes.h"

namespace horavia {

std::optional<OffsetChange> NextChangeWithin(const ZoneRules&, Instant, int) {
    return {};
}

std::vector<UpcomingChange> UpcomingChanges(const ClockList&, const ZoneCatalogue&, Instant, int) {
    return {};
}

}  // namespace horavia
