#include "platform/linux/async_dbus_call.h"

#include <QDBusPendingCallWatcher>

namespace horavia {

void CallAsync(const QDBusConnection& bus, const QDBusMessage& call, int timeoutMs,
               std::function<void(const QDBusMessage& reply)> replied, QObject* context) {
    QDBusConnection connection = bus;
    // A call that cannot be sent comes back as an error at once; the watcher still reports it
    // through the event loop.
    auto* watcher = new QDBusPendingCallWatcher(connection.asyncCall(call, timeoutMs), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [watcher, replied = std::move(replied)] {
                         watcher->deleteLater();
                         if (replied) replied(watcher->reply());
                     });
}

}  // namespace horavia
