// Setting the computer's clock on Windows.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

#include "model/services.h"
#include "platform/system_clock_setter.h"

namespace horavia {

// A UTC day count as the system's date-time record; empty outside the years it can hold
// (1601 to 30827) or when not finite. Rounded to whole milliseconds.
std::optional<SYSTEMTIME> SystemTimeFromUtc(DayCount utc);

class WinSystemClockSetter : public SystemClockSetter {
  public:
    // One way of setting the clock to a UTC date-time.
    using Backend = std::function<ClockSetResult(const SYSTEMTIME& utc)>;

    explicit WinSystemClockSetter(LocalZoneSource& localZone);
    // Tests pass their own backend: the real one would change this machine's clock.
    WinSystemClockSetter(LocalZoneSource& localZone, Backend setUtc);

    // Converts with the computer's bias in force now, as the local date-time was computed
    // with it.
    ClockSetResult SetLocalDateTime(DayCount local) override;

    // SetSystemTime, after enabling the right to change the clock that an administrator's
    // token holds but has switched off. A user without that right is told so apart.
    static ClockSetResult SetViaSetSystemTime(const SYSTEMTIME& utc);

  private:
    LocalZoneSource& localZone_;
    Backend setUtc_;
};

}  // namespace horavia
