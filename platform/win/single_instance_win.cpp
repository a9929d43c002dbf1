// The running program listens on a local socket (a named pipe) that only this user may open,
// named for the user's runtime folder and the settings folder.
#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

#include "platform/single_instance.h"

namespace horavia {

namespace {

constexpr char kComeForward[] = "show\n";

QString InstanceNameFor(const QString& settingsFolder) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::homePath();
    const QByteArray hash =
        QCryptographicHash::hash(QDir::cleanPath(settingsFolder).toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    return QDir(folder).filePath(QStringLiteral("horavia-") + QString::fromLatin1(hash));
}

}  // namespace

class SingleInstance::Channel {
  public:
    Channel(SingleInstance& owner, const QString& settingsFolder)
        : name_(InstanceNameFor(settingsFolder)) {
        QObject::connect(&server_, &QLocalServer::newConnection, &owner, [this, &owner] {
            while (QLocalSocket* socket = server_.nextPendingConnection()) {
                QObject::connect(socket, &QLocalSocket::disconnected, socket,
                                 &QObject::deleteLater);
                QObject::connect(socket, &QLocalSocket::readyRead, &owner, [socket, &owner] {
                    if (socket->readAll().contains('\n')) emit owner.comeForwardRequested();
                });
            }
        });
    }

    InstanceClaim Claim(int timeoutMs) {
        QLocalSocket socket;
        socket.connectToServer(name_);
        if (socket.waitForConnected(timeoutMs)) {
            socket.write(kComeForward);
            socket.waitForBytesWritten(timeoutMs);
            socket.disconnectFromServer();
            return InstanceClaim::HandedOver;
        }
        server_.setSocketOptions(QLocalServer::UserAccessOption);
        if (server_.listen(name_)) return InstanceClaim::Claimed;
        if (server_.serverError() != QAbstractSocket::AddressInUseError) {
            return InstanceClaim::Alone;
        }
        // Nobody answered before, so the pipe is a leftover.
        QLocalServer::removeServer(name_);
        return server_.listen(name_) ? InstanceClaim::Claimed : InstanceClaim::Alone;
    }

  private:
    QString name_;
    QLocalServer server_;
};

SingleInstance::SingleInstance(const QString& settingsFolder, QObject* parent)
    : QObject(parent), channel_(std::make_unique<Channel>(*this, settingsFolder)) {}

SingleInstance::~SingleInstance() = default;

void SingleInstance::Claim(std::function<void(InstanceClaim)> decided, int timeoutMs) {
    decided(channel_->Claim(timeoutMs));
}

}  // namespace horavia
