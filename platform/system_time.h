// The computer's clock and its own zone.
#pragma once

#include "model/services.h"

namespace horavia {

// The offset and daylight flag of the computer's zone at the current instant (honours TZ).
class SystemLocalZone : public LocalZoneSource {
  public:
    LocalZoneState Query() override;
    LocalZoneState QueryAt(Instant t) override;
};

// The computer's clock reading and zone state at an instant (milliseconds since 1970, UTC),
// as the computer's zone (honouring TZ) has them then.
struct LocalReading {
    DayCount local = 0;
    LocalZoneState zone;
};
LocalReading LocalReadingAt(std::int64_t utcMs);

// "Now" on the computer's clock: the system clock's UTC instant and its local reading.
class SystemClock : public ClockSource {
  public:
    Instant NowUtc() override;
    DayCount NowLocal() override;
};

}  // namespace horavia
