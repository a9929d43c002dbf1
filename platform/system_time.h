// The computer's clock and its own zone.
#pragma once

#include "model/services.h"

namespace horavia {

// The offset and daylight flag of the computer's zone at the current instant (honours TZ).
class SystemLocalZone : public LocalZoneSource {
  public:
    LocalZoneState Query() override;
};

// "Now" on the computer's clock as a local day count.
class SystemClock : public ClockSource {
  public:
    DayCount NowLocal() override;
};

}  // namespace horavia
