#include "sync/sntp_query.h"

#include <cmath>
#include <utility>

#include "sync/peer_datagram.h"
#include "sync/stop_watch.h"
#include "sync/time_query.h"

namespace horavia {

namespace {

constexpr qint64 kLargestDatagram = 1024;  // a reply with extension fields still fits

}  // namespace

SntpQuery::SntpQuery(UtcClock utcNow, quint16 port, QObject* parent, QueryTiming timing)
    : QObject(parent),
      utcNow_(std::move(utcNow)),
      port_(port),
      timing_(timing),
      socket_(this),
      random_(std::random_device{}()) {
    connect(&lookup_, &HostLookup::Finished, this, [this](const QList<QHostAddress>& found) {
        if (!Running()) return;
        addresses_ = found;
        TryNextAddress();
    });
    connect(&socket_, &QUdpSocket::readyRead, this, &SntpQuery::OnReadyRead);
    connect(&socket_, &QUdpSocket::errorOccurred, this, &SntpQuery::OnError);
}

bool SntpQuery::Start(const std::string& host) {
    if (waiting_) return false;

    QueryClock& clock = ClockOf(timing_);
    stopWatch_ = StopWatchOn(clock);
    ++generation_;
    socket_.abort();
    addresses_.clear();
    requests_ = 0;
    reply_ = SntpReply{};
    finished_ = false;
    waiting_ = true;
    deadline_ = clock.AlarmAt(clock.NowMs() + timing_.deadlineMs, AlarmKind::Deadline,
                              [this] { Finish(); });

    const QString name = QString::fromStdString(host).trimmed();
    const QHostAddress numeric(name);
    const unsigned generation = generation_;
    if (!numeric.isNull()) {
        addresses_ = {numeric};
        // Sent from the event loop, like a looked-up name, so that every outcome comes alike.
        QMetaObject::invokeMethod(
            this,
            [this, generation] {
                if (generation == generation_ && Running()) TryNextAddress();
            },
            Qt::QueuedConnection);
    } else if (name.isEmpty()) {
        Finish();
    } else {
        // On a thread of its own: a resolver that hangs holds up neither the deadline nor the
        // program.
        lookup_.Start(name);
    }
    return true;
}

void SntpQuery::Finish() {
    if (!Running()) return;
    finished_ = true;
    const std::int32_t lRespons = stopWatch_.Elapsed();
    deadline_.reset();
    ++generation_;
    lookup_.Abort();
    socket_.abort();
    // Posted, so that whoever starts the next query in its slot does not do so from within
    // this socket's own signal.
    QMetaObject::invokeMethod(
        this,
        [this, lRespons] {
            TimeAnswer answer;
            answer.lRespons = lRespons;
            if (reply_.verdict == SntpVerdict::Answer) {
                // The computer's clock as the answer is handed on, moved by the offset
                // measured: the receiver compares it with the clock read right after, so the
                // time spent since the answer came does not count as a difference.
                answer.answered = true;
                answer.offsetMs = reply_.offsetSeconds * 1000.0;
                answer.delayMs = reply_.delaySeconds * 1000.0;
                answer.serverUtc = utcNow_() + std::chrono::milliseconds(
                                                   std::llround(reply_.offsetSeconds * 1000.0));
            } else if (reply_.verdict == SntpVerdict::Refused) {
                answer.failure = reply_.refusal;
            }
            waiting_ = false;
            emit finished(answer);
        },
        Qt::QueuedConnection);
}

void SntpQuery::TryNextAddress() {
    trying_ = true;
    const auto done = [this] { trying_ = false; };
    while (!addresses_.isEmpty()) {
        peer_ = addresses_.takeFirst();
        socket_.abort();
        // A connected socket hears only from that address and port, and learns of a refusal.
        socket_.connectToHost(peer_, port_);
        if (socket_.state() != QAbstractSocket::ConnectedState) continue;
        t1_ = NtpTimestampFromUnixMicros(UnixMsOf(utcNow_()) * 1000);
        sent_ = WithNonce(t1_, static_cast<std::uint32_t>(random_()));
        const std::string request = BuildSntpRequest(sent_);
        ++requests_;
        sentAt_ = std::chrono::steady_clock::now();
        if (socket_.write(request.data(), static_cast<qint64>(request.size())) ==
            static_cast<qint64>(request.size())) {
            done();
            return;
        }
    }
    done();
    Finish();  // no address left to ask
}

void SntpQuery::OnReadyRead() {
    if (!Running()) return;
    do {
        const auto read = ReadPeerDatagram(socket_, peer_, port_, kLargestDatagram);
        if (!read) return;
        if (!read->fromPeer) continue;
        const SntpReply reply =
            ReadSntpReply(read->Packet(), sent_, t1_, AddMicros(t1_, read->MicrosSince(sentAt_)));
        if (reply.verdict == SntpVerdict::NotOurs) continue;
        reply_ = reply;
        Finish();
    } while (Running() && socket_.hasPendingDatagrams());
}

void SntpQuery::OnError(QAbstractSocket::SocketError error) {
    if (!Running() || trying_ || error == QAbstractSocket::TemporaryError) return;
    // Refused or unreachable: nobody answers at this address; one try for each.
    TryNextAddress();
}

}  // namespace horavia

// Its own moc output, so that a program using only the rest of this library does not link it.
#include "moc_sntp_query.cpp"
