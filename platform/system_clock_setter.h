// Setting the computer's clock.
#pragma once

#include "model/day_count.h"

namespace horavia {

enum class ClockSetResult {
    Set,
    AutomaticSyncOn,  // the system keeps the clock synchronised itself and will not be overruled
    NotAuthorised,    // the user may not change the clock
    NoAnswer,         // the system's date-time service did not answer in time
    Failed,           // any other refusal
};

class SystemClockSetter {
  public:
    virtual ~SystemClockSetter() = default;
    // Sets the computer's date and time of day to a local date-time, converted to UTC with the
    // computer's zone as it is at this moment.
    virtual ClockSetResult SetLocalDateTime(DayCount local) = 0;
};

}  // namespace horavia
