// The computer's clock and its own zone.
#pragma once

#include <memory>
#include <string>

#include "model/services.h"

namespace horavia {

// The computer's own zone as a timeline, read from what the system reads it from (honours TZ).
// Read again only when that changed (another TZ value, another zone file or setting).
class SystemLocalZone : public LocalZoneSource {
  public:
    std::shared_ptr<const ZoneRules> Rules() override;

  private:
    std::string source_;  // what the timeline was read from, with the identity of its file
    std::shared_ptr<const ZoneRules> rules_;
};

// The computer's clock reading at an instant (milliseconds since 1970, UTC), as the computer's
// zone (honouring TZ) has it then.
struct LocalReading {
    DayCount local = 0;
};
LocalReading LocalReadingAt(std::int64_t utcMs);

// "Now" on the computer's clock: the system clock's UTC instant and its local reading.
class SystemClock : public ClockSource {
  public:
    Instant NowUtc() override;
    DayCount NowLocal() override;
};

}  // namespace horavia
