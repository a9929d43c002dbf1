// Setting the computer's clock on Linux: through systemd-timedated (which asks for the
// administrator's consent the desktop's own way), else directly with clock_settime. When
// timedated refuses because its automatic synchronisation is on, the clock is left to it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "model/services.h"
#include "platform/system_clock_setter.h"

namespace horavia {

// Microseconds since 1970-01-01 00:00 UTC of a local date-time, UTC = local + bias (minutes).
// Rounded to whole milliseconds, the precision of the program's date-time.
std::int64_t UtcMicrosecondsFromLocal(DayCount local, std::int32_t bias);

class LinuxSystemClockSetter : public SystemClockSetter {
  public:
    // One way of setting the clock to a UTC instant, and how it went.
    using Backend = std::function<ClockSetResult(std::int64_t usecUtc)>;

    explicit LinuxSystemClockSetter(LocalZoneSource& localZone);
    // Tests pass their own backends: the real ones would change this machine's clock.
    LinuxSystemClockSetter(LocalZoneSource& localZone, Backend timedated, Backend clockSettime);

    // Converts with the bias in force now, as the local date-time was computed with it.
    ClockSetResult SetLocalDateTime(DayCount local) override;

    // timedated's SetTime on the system bus (DBUS_SYSTEM_BUS_ADDRESS may name another bus).
    static ClockSetResult SetViaTimedated(std::int64_t usecUtc);
    static ClockSetResult SetViaClockSettime(std::int64_t usecUtc);
    // What a D-Bus error from timedated (or polkit on its behalf) means.
    static ClockSetResult ResultOfTimedatedError(const std::string& errorName);

  private:
    LocalZoneSource& localZone_;
    Backend timedated_;
    Backend clockSettime_;
};

}  // namespace horavia
