// The running program holds a well-known name on the user's session bus. The bus is the user's
// own and gives a name to one connection at a time, so no file, socket or name in a shared
// place is involved, and a program that ends, however it ends, frees the name with its
// connection.
#include <unistd.h>

#include <QAtomicInt>
#include <QCryptographicHash>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>

#include "platform/linux/async_dbus_call.h"
#include "platform/linux/instance_bus_object.h"
#include "platform/single_instance.h"

namespace horavia {

namespace {

constexpr char kObjectPath[] = "/org/horavia/horavia";
constexpr char kInterface[] = "org.freedesktop.Application";

// The name names the settings folder, so that runs with different settings never meet.
QString BusNameFor(const QString& settingsFolder) {
    const QByteArray hash =
        QCryptographicHash::hash(QDir::cleanPath(settingsFolder).toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    return QStringLiteral("org.horavia.horavia.Settings_") + QString::fromLatin1(hash);
}

// A connection of its own, so that the name goes with this object and no other part of the
// program (the tray's connection) can lose or keep it.
QString NewConnectionName() {
    static QAtomicInt count;
    return QStringLiteral("horavia-instance-%1").arg(count.fetchAndAddRelaxed(1));
}

}  // namespace

class SingleInstance::Channel {
  public:
    Channel(SingleInstance& owner, const QString& settingsFolder)
        : busName_(BusNameFor(settingsFolder)),
          connectionName_(NewConnectionName()),
          bus_(QDBusConnection::connectToBus(QDBusConnection::SessionBus, connectionName_)) {
        auto* object = new InstanceBusObject(&owner);
        QObject::connect(object, &InstanceBusObject::activated, &owner,
                         &SingleInstance::comeForwardRequested);
    }

    ~Channel() {
        if (bus_.isConnected()) bus_.unregisterObject(QString::fromLatin1(kObjectPath));
        QDBusConnection::disconnectFromBus(connectionName_);
    }

    void Claim(SingleInstance& owner, const std::function<void(InstanceClaim)>& decided,
               int timeoutMs) {
        QDBusConnectionInterface* names = bus_.isConnected() ? bus_.interface() : nullptr;
        if (names == nullptr) return decided(InstanceClaim::Alone);
        if (!bus_.registerObject(QString::fromLatin1(kObjectPath), &owner,
                                 QDBusConnection::ExportAdaptors)) {
            return decided(InstanceClaim::Alone);
        }
        // The bus itself answers these two at once.
        const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> claimed =
            names->registerService(busName_, QDBusConnectionInterface::DontQueueService,
                                   QDBusConnectionInterface::DontAllowReplacement);
        if (claimed.isValid() && claimed.value() == QDBusConnectionInterface::ServiceRegistered) {
            return decided(InstanceClaim::Claimed);
        }
        // Taken: only a run of this very user is asked; anything else is left alone.
        const QDBusReply<uint> holder = names->serviceUid(busName_);
        if (!holder.isValid() || holder.value() != ::geteuid()) {
            return decided(InstanceClaim::Alone);
        }
        QDBusMessage activate = QDBusMessage::createMethodCall(
            busName_, QString::fromLatin1(kObjectPath), QString::fromLatin1(kInterface),
            QStringLiteral("Activate"));
        activate << QVariantMap{};
        // The running program may be slow to answer: its answer comes through the event loop.
        CallAsync(
            bus_, activate, timeoutMs,
            [decided](const QDBusMessage& answer) {
                decided(answer.type() == QDBusMessage::ReplyMessage ? InstanceClaim::HandedOver
                                                                    : InstanceClaim::Alone);
            },
            &owner);
    }

  private:
    QString busName_;
    QString connectionName_;
    QDBusConnection bus_;
};

SingleInstance::SingleInstance(const QString& settingsFolder, QObject* parent)
    : QObject(parent), channel_(std::make_unique<Channel>(*this, settingsFolder)) {}

SingleInstance::~SingleInstance() = default;

void SingleInstance::Claim(std::function<void(InstanceClaim)> decided, int timeoutMs) {
    channel_->Claim(*this, decided, timeoutMs);
}

}  // namespace horavia
