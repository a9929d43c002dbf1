#include "fake_time_server.h"

#include <sys/socket.h>

#include <QDateTime>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>
#include <memory>

namespace horavia::test {

namespace {

constexpr std::int64_t kSecondsFrom1900To1970 = 2'208'988'800;

QByteArray ToBytes(const std::string& text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

FakeTimeServer::FakeTimeServer(Mode mode, QObject* parent)
    : QObject(parent), server_(this), mode_(mode), seconds_(NowSeconds()) {
    connect(&server_, &QTcpServer::newConnection, this, &FakeTimeServer::OnNewConnection);
}

bool FakeTimeServer::Listen() {
    return server_.listen(QHostAddress::LocalHost, 0);
}

std::uint32_t FakeTimeServer::NowSeconds() {
    const std::int64_t unixSeconds = QDateTime::currentSecsSinceEpoch();
    return static_cast<std::uint32_t>(unixSeconds + kSecondsFrom1900To1970);
}

std::string FakeTimeServer::Encode(std::uint32_t seconds) {
    std::string bytes(4, '\0');
    for (int i = 3; i >= 0; --i) {
        bytes[static_cast<std::size_t>(i)] = static_cast<char>(seconds & 0xFFu);
        seconds >>= 8;
    }
    return bytes;
}

void FakeTimeServer::OnNewConnection() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        ++accepted_;
        socket->setParent(this);
        auto serverClosing = std::make_shared<bool>(false);
        connect(socket, &QTcpSocket::disconnected, this, [this, socket, serverClosing] {
            if (!*serverClosing) ++closedByClient_;
            socket->deleteLater();
        });
        const QByteArray reply = ToBytes(Encode(seconds_));
        QPointer<QTcpSocket> guarded(socket);
        auto closeFromServer = [guarded, serverClosing] {
            if (!guarded || guarded->state() != QAbstractSocket::ConnectedState) return;
            *serverClosing = true;
            guarded->disconnectFromHost();
        };
        switch (mode_) {
            case Mode::Normal:
                socket->write(reply);
                closeFromServer();
                break;
            case Mode::Silent:
                break;
            case Mode::ThreeBytes:
                socket->write(reply.left(3));
                socket->flush();
                break;
            case Mode::EightBytes:
                socket->write(reply + QByteArray("\x01\x02\x03\x04", 4));
                closeFromServer();
                break;
            case Mode::TwoThenTwo:
                socket->write(reply.left(2));
                socket->flush();
                QTimer::singleShot(pauseMs_, this, [guarded, reply] {
                    if (guarded && guarded->state() == QAbstractSocket::ConnectedState) {
                        guarded->write(reply.mid(2));
                    }
                });
                break;
            case Mode::Reset: {
                // A zero linger time makes the close send a reset instead of a FIN.
                const linger noLinger{1, 0};
                setsockopt(static_cast<int>(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER,
                           &noLinger, sizeof noLinger);
                *serverClosing = true;
                socket->abort();
                break;
            }
            case Mode::Delayed:
                QTimer::singleShot(pauseMs_, this, [guarded, reply, closeFromServer] {
                    if (guarded && guarded->state() == QAbstractSocket::ConnectedState) {
                        guarded->write(reply);
                        closeFromServer();
                    }
                });
                break;
        }
    }
}

}  // namespace horavia::test
