#include "fake_nts_server.h"

#include <QNetworkDatagram>
#include <chrono>
#include <cmath>

#include "sync/nts_aead.h"

namespace horavia::test {

namespace {

std::uint64_t NtpNow(double offsetMs) {
    const double since1900 =
        std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count() +
        offsetMs / 1000.0 + 2208988800.0;
    const double whole = std::floor(since1900);
    return ((static_cast<std::uint64_t>(whole) & 0xFFFFFFFFu) << 32) |
           (static_cast<std::uint64_t>((since1900 - whole) * 4294967296.0) & 0xFFFFFFFFu);
}

void PutTimestamp(std::string& packet, std::size_t at, std::uint64_t t) {
    for (std::size_t i = 0; i < 8; ++i)
        packet[at + 7 - i] = static_cast<char>((t >> (8 * i)) & 0xFF);
}

std::size_t Read16(std::string_view s, std::size_t at) {
    return (static_cast<std::size_t>(static_cast<unsigned char>(s[at])) << 8) |
           static_cast<unsigned char>(s[at + 1]);
}

std::string Field(std::uint16_t type, std::string_view body) {
    const std::size_t size = std::max<std::size_t>((4 + body.size() + 3) / 4 * 4, 16);
    std::string f{static_cast<char>(type >> 8), static_cast<char>(type & 0xFF),
                  static_cast<char>(size >> 8), static_cast<char>(size & 0xFF)};
    return f + std::string(body) + std::string(size - 4 - body.size(), '\0');
}

}  // namespace

FakeNtsServer::FakeNtsServer(std::string c2sKey, std::string s2cKey, QObject* parent)
    : QObject(parent),
      socket_(this),
      otherSocket_(this),
      c2sKey_(std::move(c2sKey)),
      s2cKey_(std::move(s2cKey)) {
    connect(&socket_, &QUdpSocket::readyRead, this, &FakeNtsServer::OnReadyRead);
}

bool FakeNtsServer::Listen() {
    return socket_.bind(QHostAddress::LocalHost, 0) &&
           otherSocket_.bind(QHostAddress::LocalHost, 0);
}

void FakeNtsServer::OnReadyRead() {
    while (socket_.hasPendingDatagrams()) {
        const QNetworkDatagram datagram = socket_.receiveDatagram();
        const std::uint64_t received = NtpNow(offsetMs_);
        const QByteArray data = datagram.data();
        const std::string request(data.constData(), static_cast<std::size_t>(data.size()));
        ++requests_;
        if (request.size() < 48) continue;

        // The request's fields: the identifier to echo, the cookie, the placeholders, and the
        // authenticator over everything before it.
        std::string uniqueId;
        bool authentic = false;
        int placeholders = 0;
        for (std::size_t at = 48; at + 4 <= request.size();) {
            const std::size_t type = Read16(request, at);
            const std::size_t size = Read16(request, at + 2);
            if (size < 4 || at + size > request.size()) break;
            const std::string_view body = std::string_view(request).substr(at + 4, size - 4);
            if (type == 0x0104) uniqueId = body;
            if (type == 0x0204) cookies_.emplace_back(body);
            if (type == 0x0304) ++placeholders;
            if (type == 0x0404) {
                const std::size_t nonceSize = Read16(body, 0);
                const std::size_t sealedSize = Read16(body, 2);
                authentic =
                    SivOpen(c2sKey_,
                            {std::string_view(request).substr(0, at), body.substr(4, nonceSize)},
                            body.substr(4 + (nonceSize + 3) / 4 * 4, sealedSize))
                        .has_value();
            }
            at += size;
        }
        placeholders_ = placeholders;
        if (!authentic) continue;
        ++authentic_;

        std::string header(48, '\0');
        header[0] = static_cast<char>((4 << 3) | 4);
        header[1] = 1;
        header.replace(12, 4, "GPS\0", 4);
        header.replace(24, 8, request.substr(40, 8));
        PutTimestamp(header, 16, received);
        PutTimestamp(header, 32, received);
        PutTimestamp(header, 40, NtpNow(offsetMs_));
        if (mode_ == Mode::AuthenticDeny || mode_ == Mode::UnauthenticatedDeny) {
            header[1] = 0;
            header.replace(12, 4, "DENY");
        }
        if (mode_ == Mode::Unauthenticated || mode_ == Mode::UnauthenticatedDeny) {
            socket_.writeDatagram(header.data(), 48, datagram.senderAddress(),
                                  static_cast<quint16>(datagram.senderPort()));
            continue;
        }
        if (mode_ == Mode::Nak) {
            header[1] = 0;
            header.replace(12, 4, "NTSN");
            const std::string nak = header + Field(0x0104, uniqueId);
            socket_.writeDatagram(nak.data(), static_cast<qint64>(nak.size()),
                                  datagram.senderAddress(),
                                  static_cast<quint16>(datagram.senderPort()));
            continue;
        }

        const auto reply = [&](const std::string& head) {
            std::string packet =
                head +
                Field(0x0104, mode_ == Mode::WrongUniqueId ? std::string(32, '?') : uniqueId);
            std::string cookies;
            for (int i = 0; i <= placeholders; ++i) {
                cookies +=
                    Field(0x0204, "new cookie " + std::to_string(++issued_) + std::string(88, '.'));
            }
            const std::string nonce(16, static_cast<char>(issued_));
            const std::string sealed = *SivSeal(s2cKey_, {packet, nonce}, cookies);
            std::string body{0, 16, static_cast<char>(sealed.size() >> 8),
                             static_cast<char>(sealed.size() & 0xFF)};
            body += nonce + sealed;
            // Where the IV, and where the first cookie, lie in the packet.
            const std::size_t iv = packet.size() + 4 + 4 + 16;
            packet += Field(0x0404, body);
            if (mode_ == Mode::TamperedAuthenticator) packet[iv + 3] ^= 0x40;
            if (mode_ == Mode::TamperedCookie) packet[iv + 16 + 8] ^= 0x01;
            return QByteArray(packet.data(), static_cast<qsizetype>(packet.size()));
        };
        QByteArray answer = reply(header);
        if (mode_ == Mode::ForgedFirst) {
            std::string wild = header;
            PutTimestamp(wild, 40, NtpNow(offsetMs_ + 3.6e6));
            QByteArray forged = reply(wild);
            forged[forged.size() - 1] = static_cast<char>(forged[forged.size() - 1] ^ 0x01);
            socket_.writeDatagram(forged, datagram.senderAddress(),
                                  static_cast<quint16>(datagram.senderPort()));
        }
        // A replay sends the last reply instead, and keeps this one for the next time.
        if (mode_ == Mode::Replay) {
            std::swap(answer, previous_);
        } else {
            previous_ = answer;
        }
        if (answer.isEmpty()) continue;
        QUdpSocket& from = mode_ == Mode::OtherPort ? otherSocket_ : socket_;
        from.writeDatagram(answer, datagram.senderAddress(),
                           static_cast<quint16>(datagram.senderPort()));
    }
}

}  // namespace horavia::test
