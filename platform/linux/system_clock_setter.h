// Setting the computer's clock on Linux: through systemd-timedated, which asks for the
// administrator's consent the desktop's own way and leaves alone a clock that it synchronises
// itself. Where the system has timedated, its answer is final, as the program may run as root
// and setting the clock directly would overrule both. Only on a system without it is the clock
// set directly with clock_settime.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "model/instant.h"
#include "platform/system_clock_setter.h"

namespace horavia {

// Microseconds since 1970-01-01 00:00 UTC of an instant; empty before 1970, which the system
// clock cannot hold, or beyond what the count can.
std::optional<std::int64_t> UnixMicrosecondsOf(Instant utc);

// Polkit may show a password dialog; give the user time to answer it.
inline constexpr int kTimedatedTimeoutMs = 120'000;

class LinuxSystemClockSetter : public SystemClockSetter {
  public:
    // Setting the clock to a UTC instant directly, and how it went.
    using Backend = std::function<ClockSetResult(std::int64_t usecUtc)>;
    // The date-time service's answer, or nothing when the system has no such service.
    using ServiceAnswer = std::function<void(std::optional<ClockSetResult>)>;
    // Asking the system's date-time service to set it, letting it ask the user for the right
    // or not, without waiting for its answer.
    using ServiceBackend =
        std::function<void(std::int64_t usecUtc, ClockSetPrompt prompt, ServiceAnswer answered)>;

    LinuxSystemClockSetter();
    // Tests pass their own backends: the real ones would change this machine's clock.
    LinuxSystemClockSetter(ServiceBackend timedated, Backend clockSettime);

    void SetTime(Instant utc, ClockSetPrompt prompt, SetHandler done) override;

    // timedated's SetTime on the system bus (DBUS_SYSTEM_BUS_ADDRESS may name another bus),
    // interactive only when the prompt is allowed; the answer comes through the event loop,
    // no answer within timeoutMs counting as NoAnswer. Nothing when there is no system bus,
    // or no timedated on it that runs or that the bus could start.
    static void SetViaTimedated(std::int64_t usecUtc, ClockSetPrompt prompt, ServiceAnswer answered,
                                int timeoutMs = kTimedatedTimeoutMs);
    static ClockSetResult SetViaClockSettime(std::int64_t usecUtc);
    // What a D-Bus error from timedated (or polkit on its behalf, or the bus) means.
    static ClockSetResult ResultOfTimedatedError(const std::string& errorName);

  private:
    ServiceBackend timedated_;
    Backend clockSettime_;
};

}  // namespace horavia
