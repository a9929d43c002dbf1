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

// Whether the system may ask the user for the right to set the clock (a password dialog): only
// for a setting the user asked for, never for one made on a schedule or at start-up.
enum class ClockSetPrompt { Never, Allowed };

class SystemClockSetter {
  public:
    virtual ~SystemClockSetter() = default;
    // Sets the computer's clock to a UTC instant. No zone is involved: the instant is the same
    // whatever offset the computer's zone has, before or after a change of it.
    virtual ClockSetResult SetTime(Instant utc, ClockSetPrompt prompt) = 0;
};

}  // namespace horavia
