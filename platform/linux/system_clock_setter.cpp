#include "platform/linux/system_clock_setter.h"

#include <errno.h>
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

ClockSetResult LinuxSystemClockSetter::SetLocalDateTime(DayCount local) {
    // Beyond this the microsecond count would overflow; no sane clock is there.
    if (!std::isfinite(local) || std::fabs(local) > 3'000'000.0) return ClockSetResult::Failed;
    const std::int64_t usecUtc = UtcMicrosecondsFromLocal(local, localZone_.Query().bias);
    // Before 1970: the system clock cannot hold it.
    if (usecUtc < 0) return ClockSetResult::Failed;
    const ClockSetResult viaTimedated = timedated_ ? timedated_(usecUtc) : ClockSetResult::Failed;
    // A clock that the system synchronises itself is not overruled behind its back.
    if (viaTimedated == ClockSetResult::Set || viaTimedated == ClockSetResult::AutomaticSyncOn) {
        return viaTimedated;
    }
    const ClockSetResult direct = clockSettime_ ? clockSettime_(usecUtc) : ClockSetResult::Failed;
    if (direct == ClockSetResult::Set) return direct;
    if (viaTimedated == ClockSetResult::NotAuthorised || direct == ClockSetResult::NotAuthorised) {
        return ClockSetResult::NotAuthorised;
    }
    return ClockSetResult::Failed;
}

ClockSetResult LinuxSystemClockSetter::ResultOfTimedatedError(const std::string& errorName) {
    if (errorName == "org.freedesktop.timedate1.AutomaticTimeSyncEnabled") {
        return ClockSetResult::AutomaticSyncOn;
    }
    if (errorName == "org.freedesktop.DBus.Error.AccessDenied" ||
        errorName == "org.freedesktop.DBus.Error.InteractiveAuthorizationRequired" ||
        errorName == "org.freedesktop.PolicyKit1.Error.NotAuthorized") {
        return ClockSetResult::NotAuthorised;
    }
    return ClockSetResult::Failed;
}

ClockSetResult LinuxSystemClockSetter::SetViaTimedated(std::int64_t usecUtc) {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) return ClockSetResult::Failed;
    QDBusMessage call =
        QDBusMessage::createMethodCall("org.freedesktop.timedate1", "/org/freedesktop/timedate1",
                                       "org.freedesktop.timedate1", "SetTime");
    // usec_utc, relative, interactive
    call << static_cast<qlonglong>(usecUtc) << false << true;
    call.setInteractiveAuthorizationAllowed(true);
    const QDBusMessage reply = bus.call(call, QDBus::BlockWithGui, kTimedatedTimeoutMs);
    if (reply.type() == QDBusMessage::ReplyMessage) return ClockSetResult::Set;
    return ResultOfTimedatedError(reply.errorName().toStdString());
}

ClockSetResult LinuxSystemClockSetter::SetViaClockSettime(std::int64_t usecUtc) {
    timespec ts{};
    ts.tv_sec = static_cast<time_t>(usecUtc / 1'000'000);
    ts.tv_nsec = static_cast<long>(usecUtc % 1'000'000) * 1000;
    if (clock_settime(CLOCK_REALTIME, &ts) == 0) return ClockSetResult::Set;
    return errno == EPERM ? ClockSetResult::NotAuthorised : ClockSetResult::Failed;
}

}  // namespace horavia
