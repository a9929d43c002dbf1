#include "platform/linux/system_clock_setter.h"

#include <errno.h>
#include <time.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <limits>
#include <utility>

#include "platform/linux/async_dbus_call.h"

namespace horavia {

namespace {

const QString kTimedatedName = QStringLiteral("org.freedesktop.timedate1");

// The bus itself says which names it has, within its own default deadline.
constexpr int kBusTimeoutMs = -1;

QDBusMessage BusCall(const QString& method) {
    return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
                                          QStringLiteral("/org/freedesktop/DBus"),
                                          QStringLiteral("org.freedesktop.DBus"), method);
}

// Whether timedated runs on the bus or the bus can start it. The bus itself is asked, rather
// than an error name read, as bus implementations differ in those; an answer that is not
// clear counts as yes, so that the clock is then not set directly.
void AskWhetherTimedatedMayBeOnBus(const QDBusConnection& bus, std::function<void(bool)> told) {
    QDBusMessage running = BusCall(QStringLiteral("NameHasOwner"));
    running << kTimedatedName;
    CallAsync(bus, running, kBusTimeoutMs, [bus, told](const QDBusMessage& reply) {
        const QVariantList args = reply.arguments();
        if (reply.type() != QDBusMessage::ReplyMessage || args.isEmpty() || args[0].toBool()) {
            return told(true);
        }
        CallAsync(bus, BusCall(QStringLiteral("ListActivatableNames")), kBusTimeoutMs,
                  [told](const QDBusMessage& names) {
                      const QVariantList found = names.arguments();
                      told(names.type() != QDBusMessage::ReplyMessage || found.isEmpty() ||
                           found[0].toStringList().contains(kTimedatedName));
                  });
    });
}

}  // namespace

std::optional<std::int64_t> UnixMicrosecondsOf(Instant utc) {
    const std::int64_t ms = UnixMsOf(utc);
    if (ms < 0 || ms > std::numeric_limits<std::int64_t>::max() / 1000) return std::nullopt;
    return ms * 1000;
}

LinuxSystemClockSetter::LinuxSystemClockSetter()
    : LinuxSystemClockSetter(
          [](std::int64_t usecUtc, ClockSetPrompt prompt, ServiceAnswer answered) {
              SetViaTimedated(usecUtc, prompt, std::move(answered));
          },
          &SetViaClockSettime) {}

LinuxSystemClockSetter::LinuxSystemClockSetter(ServiceBackend timedated, Backend clockSettime)
    : timedated_(std::move(timedated)), clockSettime_(std::move(clockSettime)) {}

void LinuxSystemClockSetter::SetTime(Instant utc, ClockSetPrompt prompt, SetHandler done) {
    const std::optional<std::int64_t> usec = UnixMicrosecondsOf(utc);
    if (!usec) return done(ClockSetResult::Failed);
    const std::int64_t usecUtc = *usec;
    // Whatever timedated says stands: a refusal, its own synchronisation or its silence are
    // not overruled behind its back.
    const auto direct = [clockSettime = clockSettime_, usecUtc,
                         done](std::optional<ClockSetResult> viaTimedated) {
        if (viaTimedated) return done(*viaTimedated);
        done(clockSettime ? clockSettime(usecUtc) : ClockSetResult::Failed);
    };
    if (!timedated_) return direct(std::nullopt);
    timedated_(usecUtc, prompt, direct);
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

void LinuxSystemClockSetter::SetViaTimedated(std::int64_t usecUtc, ClockSetPrompt prompt,
                                             ServiceAnswer answered, int timeoutMs) {
    const QDBusConnection bus = QDBusConnection::systemBus();
    // Without a system bus there is no timedated either.
    if (!bus.isConnected()) return answered(std::nullopt);
    AskWhetherTimedatedMayBeOnBus(bus, [bus, usecUtc, prompt, answered, timeoutMs](bool mayBe) {
        if (!mayBe) return answered(std::nullopt);
        QDBusMessage call = QDBusMessage::createMethodCall(
            kTimedatedName, "/org/freedesktop/timedate1", "org.freedesktop.timedate1", "SetTime");
        // usec_utc, relative, interactive: polkit raises a password dialog only for a setting
        // the user asked for; unasked, a missing right is a refusal.
        const bool interactive = prompt == ClockSetPrompt::Allowed;
        call << static_cast<qlonglong>(usecUtc) << false << interactive;
        call.setInteractiveAuthorizationAllowed(interactive);
        CallAsync(bus, call, timeoutMs, [answered](const QDBusMessage& reply) {
            if (reply.type() == QDBusMessage::ReplyMessage) return answered(ClockSetResult::Set);
            answered(ResultOfTimedatedError(reply.errorName().toStdString()));
        });
    });
}

ClockSetResult LinuxSystemClockSetter::SetViaClockSettime(std::int64_t usecUtc) {
    timespec ts{};
    ts.tv_sec = static_cast<time_t>(usecUtc / 1'000'000);
    ts.tv_nsec = static_cast<long>(usecUtc % 1'000'000) * 1000;
    if (clock_settime(CLOCK_REALTIME, &ts) == 0) return ClockSetResult::Set;
    return errno == EPERM ? ClockSetResult::NotAuthorised : ClockSetResult::Failed;
}

}  // namespace horavia
