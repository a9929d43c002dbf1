// A D-Bus call whose reply comes through the event loop: the caller returns at once and is
// never held in a loop of the call's own while the other side (or a password dialog on its
// behalf) takes its time.
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <functional>

namespace horavia {

// Sends `call` and hands the reply, or the error that stands for it (the bus's NoReply once
// timeoutMs has passed), to `replied`. With a context, nothing is handed on once the context
// is gone.
void CallAsync(const QDBusConnection& bus, const QDBusMessage& call, int timeoutMs,
               std::function<void(const QDBusMessage& reply)> replied, QObject* context = nullptr);

}  // namespace horavia
