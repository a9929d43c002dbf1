// Clicks a notification-area icon as a host does: one Activate per click. Sends two of them a
// set time apart from one process, so that the gap is the one asked for even on a busy machine.
// Usage: sni_activate SERVICE PATH GAP_MS
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QThread>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: sni_activate SERVICE PATH GAP_MS\n");
        return 2;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    const auto activate = [&] {
        QDBusMessage call = QDBusMessage::createMethodCall(
            args[1], args[2], QStringLiteral("org.kde.StatusNotifierItem"),
            QStringLiteral("Activate"));
        call << 0 << 0;
        return bus.asyncCall(call);  // sent at once; the answer is awaited at the end
    };
    QDBusPendingCall first = activate();
    QThread::msleep(args[3].toULong());
    QDBusPendingCall second = activate();
    first.waitForFinished();
    second.waitForFinished();
    if (first.isError() || second.isError()) {
        std::fprintf(stderr, "sni_activate: %s\n",
                     qPrintable((first.isError() ? first : second).error().message()));
        return 1;
    }
    return 0;
}
