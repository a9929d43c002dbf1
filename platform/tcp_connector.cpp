#include "platform/tcp_connector.h"

#include <QSocketNotifier>

namespace horavia {

TcpConnector::TcpConnector(QAbstractSocket& target, QObject* parent)
    : QObject(parent), target_(target) {
    connect(&lookup_, &HostLookup::Finished, this, [this](const QList<QHostAddress>& addresses) {
        addresses_ = addresses;
        TryNextAddress();
    });
}

TcpConnector::~TcpConnector() {
    Abort();
}

void TcpConnector::Start(const QString& host, quint16 port) {
    Abort();
    port_ = port;
    attempts_ = 0;
    const unsigned generation = generation_;
    const QHostAddress numeric(host);
    if (!numeric.isNull() || host.trimmed().isEmpty()) {
        // No lookup needed (or possible): the attempt starts on the next event-loop turn.
        if (!numeric.isNull()) addresses_ = {numeric};
        QMetaObject::invokeMethod(
            this,
            [this, generation] {
                if (generation == generation_) TryNextAddress();
            },
            Qt::QueuedConnection);
        return;
    }
    lookup_.Start(host);
}

void TcpConnector::Abort() {
    ++generation_;
    lookup_.Abort();
    addresses_.clear();
    DropPendingSocket();
}

void TcpConnector::DropPendingSocket() {
    writable_.reset();
    CloseNativeSocket(pending_);
    pending_ = kNoNativeSocket;
}

void TcpConnector::TryNextAddress() {
    while (!addresses_.isEmpty()) {
        const QHostAddress address = addresses_.takeFirst();
        ++attempts_;
        pending_ = StartNativeConnect(address.toString().toStdString(), port_);
        if (pending_ == kNoNativeSocket) continue;  // failed at once: next address
        writable_ = std::make_unique<QSocketNotifier>(pending_, QSocketNotifier::Write);
        connect(writable_.get(), &QSocketNotifier::activated, this, &TcpConnector::OnWritable);
        return;
    }
    emit Failed();
}

void TcpConnector::OnWritable() {
    writable_.reset();
    const NativeSocket socket = pending_;
    pending_ = kNoNativeSocket;
    if (NativeConnectSucceeded(socket)) {
        addresses_.clear();
        if (target_.setSocketDescriptor(socket, QAbstractSocket::ConnectedState,
                                        QIODevice::ReadWrite)) {
            emit Connected();
            return;
        }
        CloseNativeSocket(socket);
        emit Failed();
        return;
    }
    CloseNativeSocket(socket);
    TryNextAddress();
}

}  // namespace horavia

// Its own moc output, so that a program using only the rest of this library does not link it.
#include "moc_tcp_connector.cpp"
