// Setting the computer's clock on Windows.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

#include "model/instant.h"
#include "platform/system_clock_setter.h"

namespace horavia {

// A UTC instant as the system's date-time record; empty outside the years it can hold
// (1601 to 30827).
std::optional<SYSTEMTIME> SystemTimeFromUtc(Instant utc);

class WinSystemClockSetter : public SystemClockSetter {
  public:
    // One way of setting the clock to a UTC date-time.
    using Backend = std::function<ClockSetResult(const SYSTEMTIME& utc)>;

    WinSystemClockSetter();
    // Tests pass their own backend: the real one would change this machine's clock.
    explicit WinSystemClockSetter(Backend setUtc);

    // Windows asks for no right at the moment of setting: the prompt changes nothing, and the
    // result comes at once.
    void SetTime(Instant utc, ClockSetPrompt prompt, SetHandler done) override;

    // SetSystemTime, after enabling the right to change the clock that an administrator's
    // token holds but has switched off. A user without that right is told so apart.
    static ClockSetResult SetViaSetSystemTime(const SYSTEMTIME& utc);

  private:
    Backend setUtc_;
};

}  // namespace horavia
