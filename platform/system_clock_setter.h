// Setting the computer's clock.
#pragma once

#include "model/instant.h"

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
    // Sets the computer's clock to a UTC instant. No zone is involved: the instant is the same
    // whatever offset the computer's zone has, before or after a change of it.
    virtual ClockSetResult SetTime(Instant utc) = 0;
};

}  // namespace horavia
