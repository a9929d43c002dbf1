// A zone's history for the zone-time code, read from its compiled zone file.
#pragma once

#include <map>
#include <memory>

#include "model/zone_history.h"
#include "tz/zone_timeline.h"

namespace horavia {

class TzZoneHistory : public ZoneHistory {
  public:
    explicit TzZoneHistory(ZoneTimeline timeline) : timeline_(std::move(timeline)) {}

    // Years are worked out on first use and kept (a bounded number of them).
    std::shared_ptr<const YearChanges> ChangesOfYear(int year) const override;

    const ZoneTimeline& Timeline() const { return timeline_; }

  private:
    ZoneTimeline timeline_;
    mutable std::map<int, std::shared_ptr<const YearChanges>> years_;
};

// Whole minutes of bias (UTC = zone time + bias) for an offset in seconds east of Greenwich;
// the seconds of an old local mean time are rounded to the nearest minute.
std::int32_t BiasOfOffset(std::int32_t offsetSeconds);

}  // namespace horavia
