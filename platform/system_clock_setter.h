// Setting the computer's clock.
#pragma once

#include "model/day_count.h"

namespace horavia {

class SystemClockSetter {
  public:
    virtual ~SystemClockSetter() = default;
    // Sets the computer's date and time of day to a local date-time, converted to UTC with the
    // computer's zone as it is at this moment. False when the system refuses.
    virtual bool SetLocalDateTime(DayCount local) = 0;
};

}  // namespace horavia
