// Setting the computer's clock on Linux: through systemd-timedated (which asks for the
// administrator's consent the desktop's own way), else directly with clock_settime.
#pragma once

#include <cstdint>
#include <functional>

#include "model/services.h"
#include "platform/system_clock_setter.h"

namespace horavia {

// Microseconds since 1970-01-01 00:00 UTC of a local date-time, UTC = local + bias (minutes).
// Rounded to whole milliseconds, the precision of the program's date-time.
std::int64_t UtcMicrosecondsFromLocal(DayCount local, std::int32_t bias);

class LinuxSystemClockSetter : public SystemClockSetter {
  public:
    // One way of setting the clock to a UTC instant; false when refused or unavailable.
    using Backend = std::function<bool(std::int64_t usecUtc)>;

    explicit LinuxSystemClockSetter(LocalZoneSource& localZone);
    // Tests pass their own backends: the real ones would change this machine's clock.
    LinuxSystemClockSetter(LocalZoneSource& localZone, Backend timedated, Backend clockSettime);

    // Converts with the bias in force now, as the local date-time was computed with it.
    bool SetLocalDateTime(DayCount local) override;

    static bool SetViaTimedated(std::int64_t usecUtc);
    static bool SetViaClockSettime(std::int64_t usecUtc);

  private:
    LocalZoneSource& localZone_;
    Backend timedated_;
    Backend clockSettime_;
};

}  // namespace horavia
