#include "fake_ntp_server.h"

#include <QNetworkDatagram>
#include <chrono>
#include <cmath>

namespace horavia::test {

namespace {

// This computer's clock plus an offset, as a 32.32 NTP timestamp (seconds since 1900).
std::uint64_t NtpNow(double offsetMs) {
    const double unixSeconds =
        std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count() +
        offsetMs / 1000.0;
    const double since1900 = unixSeconds + 2208988800.0;
    const double whole = std::floor(since1900);
    const auto seconds = static_cast<std::uint64_t>(whole) & 0xFFFFFFFFu;
    const auto fraction = static_cast<std::uint64_t>((since1900 - whole) * 4294967296.0);
    return (seconds << 32) | (fraction & 0xFFFFFFFFu);
}

void PutTimestamp(QByteArray& packet, int at, std::uint64_t t) {
    for (int i = 7; i >= 0; --i) {
        packet[at + i] = static_cast<char>(t & 0xFF);
        t >>= 8;
    }
}

}  // namespace

FakeNtpServer::FakeNtpServer(Mode mode, QObject* parent)
    : QObject(parent), socket_(this), otherSocket_(this), mode_(mode) {
    connect(&socket_, &QUdpSocket::readyRead, this, &FakeNtpServer::OnReadyRead);
}

bool FakeNtpServer::Listen() {
    return socket_.bind(QHostAddress::LocalHost, 0) &&
           otherSocket_.bind(QHostAddress::LocalHost, 0);
}

void FakeNtpServer::OnReadyRead() {
    while (socket_.hasPendingDatagrams()) {
        const QNetworkDatagram request = socket_.receiveDatagram();
        const std::uint64_t received = NtpNow(offsetMs_);
        arrivals_.push_back(std::chrono::duration_cast<std::chrono::milliseconds>(
                                std::chrono::steady_clock::now().time_since_epoch())
                                .count());
        const QByteArray in = request.data();
        if (mode_ == Mode::Silent || in.size() < 48) continue;

        QByteArray reply(48, '\0');
        int leap = 0;
        int replyMode = 4;
        int stratum = 1;
        if (mode_ == Mode::WrongMode) replyMode = 3;
        if (mode_ == Mode::Unsynchronised) leap = 3;
        reply[0] = static_cast<char>((leap << 6) | (4 << 3) | replyMode);
        reply[12] = 'G';
        reply[13] = 'P';
        reply[14] = 'S';
        if (mode_ == Mode::KissOfDeath) {
            stratum = 0;
            for (int i = 0; i < 4; ++i) reply[12 + i] = i < kissCode_.size() ? kissCode_[i] : '\0';
        }
        if (mode_ == Mode::Stratum16) stratum = 16;
        reply[1] = static_cast<char>(stratum);
        reply[2] = 6;                                            // poll
        reply[3] = -20;                                          // precision, about a microsecond
        for (int i = 0; i < 8; ++i) reply[24 + i] = in[40 + i];  // originate = their transmit
        if (mode_ == Mode::WrongOriginate) reply[31] = static_cast<char>(reply[31] ^ 0x01);
        PutTimestamp(reply, 16, received);  // reference time
        PutTimestamp(reply, 32, received);
        PutTimestamp(reply, 40, NtpNow(offsetMs_));
        if (mode_ == Mode::Short) reply.chop(1);
        if (mode_ == Mode::NoStamps) {
            PutTimestamp(reply, 32, 0);
            PutTimestamp(reply, 40, 0);
        }

        if (mode_ == Mode::ForgedFirst) {
            QByteArray forged = reply;
            forged[31] = static_cast<char>(forged[31] ^ 0x01);
            PutTimestamp(forged, 32, NtpNow(offsetMs_ + 3.6e6));
            PutTimestamp(forged, 40, NtpNow(offsetMs_ + 3.6e6));
            socket_.writeDatagram(forged, request.senderAddress(),
                                  static_cast<quint16>(request.senderPort()));
        }
        QUdpSocket& from = mode_ == Mode::OtherPort ? otherSocket_ : socket_;
        from.writeDatagram(reply, request.senderAddress(),
                           static_cast<quint16>(request.senderPort()));
    }
}

}  // namespace horavia::test
