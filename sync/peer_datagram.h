// Reading one datagram of a time server's reply from a connected UDP socket.
#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QNetworkDatagram>
#include <QUdpSocket>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string_view>

namespace horavia {

struct PeerDatagram {
    QByteArray data;
    std::chrono::steady_clock::time_point arrived;  // read just before the datagram
    // False for a datagram from another address or port, which a connected socket may still
    // hand on: never part of an answer.
    bool fromPeer = false;

    std::string_view Packet() const {
        return {data.constData(), static_cast<std::size_t>(data.size())};
    }
    // Microseconds from `sent` to the datagram's arrival.
    std::int64_t MicrosSince(std::chrono::steady_clock::time_point sent) const {
        return std::chrono::duration_cast<std::chrono::microseconds>(arrived - sent).count();
    }
};

// The next datagram of at most maxSize bytes; empty when none could be read. A refusal (ICMP)
// comes as a read that fails; receiving it raises the socket's error.
inline std::optional<PeerDatagram> ReadPeerDatagram(QUdpSocket& socket, const QHostAddress& peer,
                                                    quint16 port, qint64 maxSize) {
    PeerDatagram read;
    read.arrived = std::chrono::steady_clock::now();
    const QNetworkDatagram datagram = socket.receiveDatagram(maxSize);
    if (!datagram.isValid()) return std::nullopt;
    const QHostAddress sender = datagram.senderAddress();
    read.fromPeer = sender.isNull() || (sender.isEqual(peer, QHostAddress::TolerantConversion) &&
                                        datagram.senderPort() == port);
    read.data = datagram.data();
    return read;
}

}  // namespace horavia
