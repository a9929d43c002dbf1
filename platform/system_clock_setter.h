// Setting the computer's clock.
#pragma once

#include <functional>

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
    using SetHandler = std::function<void(ClockSetResult)>;
    virtual ~SystemClockSetter() = default;
    // Sets the computer's clock to a UTC instant and returns without waiting: done gets the
    // result once the system has answered (at once where it answers at once; a password dialog
    // may keep it waiting). No zone is involved: the instant is the same whatever offset the
    // computer's zone has, before or after a change of it.
    virtual void SetTime(Instant utc, ClockSetPrompt prompt, SetHandler done) = 0;
};

}  // namespace horavia
