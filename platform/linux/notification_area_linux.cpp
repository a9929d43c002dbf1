// Notification areas on Linux desktops: a StatusNotifierWatcher with its host on the session
// bus (the usual kind), or an XEmbed system tray, which owns an X selection. The toolkit picks
// the kind once, when the first icon is made, so the icon is made only once one of them is
// there, and a panel that offers both gets a moment to start its watcher.
#include <xcb/xcb.h>

#include <QByteArray>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QFile>
#include <QGuiApplication>
#include <QTimer>
#include <cstdlib>
#include <memory>

#include "platform/notification_area.h"

namespace horavia {

namespace {

const QString kWatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kWatcherPath = QStringLiteral("/StatusNotifierWatcher");
constexpr int kPollMs = 1000;
// How long an XEmbed tray waits for a watcher of the same panel before the icon is made.
constexpr int kWatcherGraceMs = 2000;

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T>
using XcbReply = std::unique_ptr<T, FreeDeleter>;

xcb_connection_t* XConnection() {
    auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                                   : nullptr;
    return x11 != nullptr ? x11->connection() : nullptr;
}

// The X screen of DISPLAY (":0.1" is screen 1), whose tray selection the icon docks in.
int XScreenNumber() {
    const QByteArray display = qgetenv("DISPLAY");
    const qsizetype colon = display.lastIndexOf(':');
    const qsizetype dot = display.indexOf('.', colon < 0 ? 0 : colon);
    return dot < 0 ? 0 : display.mid(dot + 1).toInt();
}

class LinuxNotificationArea final : public NotificationArea {
    Q_OBJECT

  public:
    LinuxNotificationArea()
        : bus_(QDBusConnection::sessionBus()),
          watcher_(kWatcherService, bus_, QDBusServiceWatcher::WatchForRegistration) {
        connect(&watcher_, &QDBusServiceWatcher::serviceRegistered, this,
                &LinuxNotificationArea::check);
        // A watcher may come before its host; the host then announces itself.
        bus_.connect(kWatcherService, kWatcherPath, kWatcherService,
                     QStringLiteral("StatusNotifierHostRegistered"), this, SLOT(check()));
        // Not every watcher announces its host, and an X selection has no signal that reaches
        // a client of the toolkit: both are looked for until an area is there.
        poll_.setInterval(kPollMs);
        connect(&poll_, &QTimer::timeout, this, &LinuxNotificationArea::check);
        poll_.start();
        grace_.setSingleShot(true);
        grace_.setInterval(kWatcherGraceMs);
        connect(&grace_, &QTimer::timeout, this, &LinuxNotificationArea::announce);
    }

    bool isPresent() override { return hasStatusNotifierHost() || hasXEmbedTray(); }

    TrayHostStyle hostStyle() override {
        // GNOME Shell hosts the icons itself (through an extension): a click opens the menu.
        return watcherProcessName() == "gnome-shell" ? TrayHostStyle::MenuOnClick
                                                     : TrayHostStyle::ClickActivates;
    }

  private slots:
    void check() {
        if (hasStatusNotifierHost()) {
            announce();
        } else if (!grace_.isActive() && hasXEmbedTray()) {
            grace_.start();
        }
    }

  private:
    void announce() {
        grace_.stop();
        poll_.stop();  // from now on the toolkit follows the area by itself
        emit appeared();
    }

    // The toolkit's own test for its D-Bus icon: a watcher that has a host.
    bool hasStatusNotifierHost() {
        if (!bus_.isConnected()) return false;
        QDBusMessage get = QDBusMessage::createMethodCall(
            kWatcherService, kWatcherPath, QStringLiteral("org.freedesktop.DBus.Properties"),
            QStringLiteral("Get"));
        get << kWatcherService << QStringLiteral("IsStatusNotifierHostRegistered");
        const QDBusMessage reply = bus_.call(get, QDBus::Block, 2000);
        return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
               reply.arguments().constFirst().value<QDBusVariant>().variant().toBool();
    }

    bool hasXEmbedTray() {
        xcb_connection_t* x = XConnection();
        if (x == nullptr) return false;
        if (trayAtom_ == XCB_NONE) {
            const QByteArray name = "_NET_SYSTEM_TRAY_S" + QByteArray::number(XScreenNumber());
            const XcbReply<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(
                x, xcb_intern_atom(x, 0, static_cast<uint16_t>(name.size()), name.constData()),
                nullptr));
            if (!atom) return false;
            trayAtom_ = atom->atom;
        }
        const XcbReply<xcb_get_selection_owner_reply_t> owner(
            xcb_get_selection_owner_reply(x, xcb_get_selection_owner(x, trayAtom_), nullptr));
        return owner && owner->owner != XCB_NONE;
    }

    QByteArray watcherProcessName() {
        if (!bus_.isConnected()) return {};
        QDBusMessage pidOf = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetConnectionUnixProcessID"));
        pidOf << kWatcherService;
        const QDBusMessage reply = bus_.call(pidOf, QDBus::Block, 2000);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return {};
        QFile comm(QStringLiteral("/proc/%1/comm").arg(reply.arguments().constFirst().toUInt()));
        if (!comm.open(QIODevice::ReadOnly)) return {};
        return comm.readAll().trimmed();
    }

    QDBusConnection bus_;
    QDBusServiceWatcher watcher_;
    QTimer poll_;
    QTimer grace_;
    xcb_atom_t trayAtom_ = XCB_NONE;
};

}  // namespace

std::unique_ptr<NotificationArea> CreateNotificationArea() {
    return std::make_unique<LinuxNotificationArea>();
}

}  // namespace horavia

#include "notification_area_linux.moc"
