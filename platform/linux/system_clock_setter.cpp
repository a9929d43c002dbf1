#include "platform/linux/system_clock_setter.h"

#include <errno.h>
#include <time.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <limits>
#include <utility>

namespace horavia {

namespace {

const QString kTimedatedName = QStringLiteral("org.freedesktop.timedate1");

// Whether timedated runs on the bus or the bus can start it. The bus itself is asked, rather
// than an error name read, as bus implementations differ in those; an answer that is not
// clear counts as yes, so that the clock is then not set directly.
bool TimedatedMayBeOnBus(const QDBusConnection& bus) {
    QDBusConnectionInterface* names = bus.interface();
    if (names == nullptr) return true;
    const QDBusReply<bool> running = names->isServiceRegistered(kTimedatedName);
    if (!running.isValid() || running.value()) return true;
    const QDBusReply<QStringList> startable = names->activatableServiceNames();
    return !startable.isValid() || startable.value().contains(kTimedatedName);
}

}  // namespace

std::optional<std::int64_t> UnixMicrosecondsOf(Instant utc) {
    const std::int64_t ms = UnixMsOf(utc);
    if (ms < 0 || ms > std::numeric_limits<std::int64_t>::max() / 1000) return std::nullopt;
    return ms * 1000;
}

LinuxSystemClockSetter::LinuxSystemClockSetter()
    : LinuxSystemClockSetter([](std::int64_t usecUtc,
                                ClockSetPrompt prompt) { return SetViaTimedated(usecUtc, prompt); },
                             &SetViaClockSettime) {}

LinuxSystemClockSetter::LinuxSystemClockSetter(ServiceBackend timedated, Backend clockSettime)
    : timedated_(std::move(timedated)), clockSettime_(std::move(clockSettime)) {}

ClockSetResult LinuxSystemClockSetter::SetTime(Instant utc, ClockSetPrompt prompt) {
    const std::optional<std::int64_t> usec = UnixMicrosecondsOf(utc);
    if (!usec) return ClockSetResult::Failed;
    const std::int64_t usecUtc = *usec;
    // Whatever timedated says stands: a refusal, its own synchronisation or its silence are
    // not overruled behind its back.
    if (const std::optional<ClockSetResult> viaTimedated =
            timedated_ ? timedated_(usecUtc, prompt) : std::nullopt) {
        return *viaTimedated;
    }
    return clockSettime_ ? clockSettime_(usecUtc) : ClockSetResult::Failed;
}

ClockSetResult LinuxSystemClockSetter::ResultOfTimedatedError(const std::string& errorName) {
    if (errorName == "org.freedesktop.DBus.Error.NoReply" ||
        errorName == "org.freedesktop.DBus.Error.Timeout" ||
        errorName == "org.freedesktop.DBus.Error.TimedOut" ||
        errorName == "org.freedesktop.DBus.Error.Disconnected") {
        return ClockSetResult::NoAnswer;
    }
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

std::optional<ClockSetResult> LinuxSystemClockSetter::SetViaTimedated(std::int64_t usecUtc,
                                                                      ClockSetPrompt prompt,
                                                                      int timeoutMs) {
    QDBusConnection bus = QDBusConnection::systemBus();
    // Without a system bus there is no timedated either.
    if (!bus.isConnected()) return std::nullopt;
    if (!TimedatedMayBeOnBus(bus)) return std::nullopt;
    QDBusMessage call = QDBusMessage::createMethodCall(kTimedatedName, "/org/freedesktop/timedate1",
                                                       "org.freedesktop.timedate1", "SetTime");
    // usec_utc, relative, interactive: polkit raises a password dialog only for a setting the
    // user asked for; unasked, a missing right is a refusal.
    const bool interactive = prompt == ClockSetPrompt::Allowed;
    call << static_cast<qlonglong>(usecUtc) << false << interactive;
    call.setInteractiveAuthorizationAllowed(interactive);
    const QDBusMessage reply = bus.call(call, QDBus::BlockWithGui, timeoutMs);
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
