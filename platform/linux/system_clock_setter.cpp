#include "platform/linux/system_clock_setter.h"

#include <time.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <cmath>
#include <utility>

namespace horavia {

namespace {

// Polkit may show a password dialog; give the user time to answer it.
constexpr int kTimedatedTimeoutMs = 120'000;

}  // namespace

std::int64_t UtcMicrosecondsFromLocal(DayCount local, std::int32_t bias) {
    return (UnixMsFromDayCount(local) + static_cast<std::int64_t>(bias) * 60'000) * 1000;
}

LinuxSystemClockSetter::LinuxSystemClockSetter(LocalZoneSource& localZone)
    : LinuxSystemClockSetter(localZone, &SetViaTimedated, &SetViaClockSettime) {}

LinuxSystemClockSetter::LinuxSystemClockSetter(LocalZoneSource& localZone, Backend timedated,
                                               Backend clockSettime)
    : localZone_(localZone),
      timedated_(std::move(timedated)),
      clockSettime_(std::move(clockSettime)) {}

bool LinuxSystemClockSetter::SetLocalDateTime(DayCount local) {
    // Beyond this the microsecond count would overflow; no sane clock is there.
    if (!std::isfinite(local) || std::fabs(local) > 3'000'000.0) return false;
    const std::int64_t usecUtc = UtcMicrosecondsFromLocal(local, localZone_.Query().bias);
    if (usecUtc < 0) return false;  // before 1970: the system clock cannot hold it
    if (timedated_ && timedated_(usecUtc)) return true;
    return clockSettime_ && clockSettime_(usecUtc);
}

bool LinuxSystemClockSetter::SetViaTimedated(std::int64_t usecUtc) {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) return false;
    QDBusMessage call =
        QDBusMessage::createMethodCall("org.freedesktop.timedate1", "/org/freedesktop/timedate1",
                                       "org.freedesktop.timedate1", "SetTime");
    // usec_utc, relative, interactive
    call << static_cast<qlonglong>(usecUtc) << false << true;
    call.setInteractiveAuthorizationAllowed(true);
    const QDBusMessage reply = bus.call(call, QDBus::BlockWithGui, kTimedatedTimeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage;
}

bool LinuxSystemClockSetter::SetViaClockSettime(std::int64_t usecUtc) {
    timespec ts{};
    ts.tv_sec = static_cast<time_t>(usecUtc / 1'000'000);
    ts.tv_nsec = static_cast<long>(usecUtc % 1'000'000) * 1000;
    return clock_settime(CLOCK_REALTIME, &ts) == 0;
}

}  // namespace horavia
