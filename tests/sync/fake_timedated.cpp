// A stand-in for systemd-timedated on a private bus: `fake_timedated MODE` answers SetTime the
// way timedated does when its automatic synchronisation is on ("ntp-on"), the way it does when
// polkit denies the caller ("denied"), never answers ("silent"), or accepts ("accept"). It
// prints each call it gets.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QObject>
#include <cstdio>

class Timedated : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.timedate1")

  public:
    explicit Timedated(QString mode) : mode_(std::move(mode)) {}

  public slots:
    void SetTime(qlonglong usecUtc, bool relative, bool interactive) {
        std::printf("SetTime %lld %d %d\n", usecUtc, relative ? 1 : 0, interactive ? 1 : 0);
        std::fflush(stdout);
        if (mode_ == QLatin1String("ntp-on")) {
            sendErrorReply(QStringLiteral("org.freedesktop.timedate1.AutomaticTimeSyncEnabled"),
                           QStringLiteral("Automatic time synchronization is enabled"));
        } else if (mode_ == QLatin1String("denied")) {
            sendErrorReply(QStringLiteral("org.freedesktop.DBus.Error.AccessDenied"),
                           QStringLiteral("Permission denied"));
        } else if (mode_ == QLatin1String("silent")) {
            setDelayedReply(true);  // and never sends it, like a hung service
        }
    }

  private:
    QString mode_;
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    Timedated service(args.size() > 1 ? args[1] : QStringLiteral("accept"));
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/timedate1"), &service,
                            QDBusConnection::ExportAllSlots) ||
        !bus.registerService(QStringLiteral("org.freedesktop.timedate1"))) {
        std::fprintf(stderr, "fake_timedated: cannot register on the session bus\n");
        return 1;
    }
    return app.exec();
}

#include "fake_timedated.moc"
