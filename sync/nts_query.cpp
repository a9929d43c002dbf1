#include "sync/nts_query.h"

#include <cmath>
#include <utility>

#include "sync/nts_records.h"
#include "sync/peer_datagram.h"
#include "sync/stop_watch.h"

namespace horavia {

namespace {

constexpr qint64 kLargestDatagram = 2048;  // eight cookies of a few hundred bytes at most

std::string RandomBytes(std::mt19937_64& random, std::size_t count) {
    std::string bytes(count, '\0');
    for (char& b : bytes) b = static_cast<char>(random() & 0xFFu);
    return bytes;
}

}  // namespace

NtsQuery::NtsQuery(UtcClock utcNow, NtsCookieJar& jar, QObject* parent, QueryTiming timing)
    : QObject(parent),
      utcNow_(std::move(utcNow)),
      jar_(jar),
      timing_(timing),
      keyExchange_(this),
      socket_(this),
      random_(std::random_device{}()) {
    connect(&keyExchange_, &NtsKeyExchange::finished, this, &NtsQuery::OnKeyExchange);
    connect(&lookup_, &HostLookup::Finished, this, [this](const QList<QHostAddress>& found) {
        if (!Running()) return;
        addresses_ = found;
        TryNextAddress();
    });
    connect(&socket_, &QUdpSocket::readyRead, this, &NtsQuery::OnReadyRead);
    connect(&socket_, &QUdpSocket::errorOccurred, this, &NtsQuery::OnError);
}

bool NtsQuery::Start(const std::string& host, std::uint16_t kePort) {
    if (waiting_) return false;
    QueryClock& clock = ClockOf(timing_);
    stopWatch_ = StopWatchOn(clock);
    ++generation_;
    socket_.abort();
    host_ = host;
    kePort_ = kePort;
    answer_ = TimeAnswer{};
    traffic_ = NtsTraffic{};
    waiting_ = true;
    finished_ = false;
    if (jar_.Usable(host_, kePort_) != nullptr) {
        const unsigned generation = generation_;
        QMetaObject::invokeMethod(
            this,
            [this, generation] {
                if (generation == generation_ && Running()) AskNtp();
            },
            Qt::QueuedConnection);
    } else {
        // No cookie left (or none yet): RFC 8915 asks for a fresh key exchange.
        traffic_.keyExchange = true;
        ++keyExchanges_;
        deadline_ =
            clock.AlarmAt(clock.NowMs() + kNtsKeyExchangeWaitMs, AlarmKind::Deadline, [this] {
                answer_.problem = Message{MessageId::NtsKeyExchangeTimedOut,
                                          {std::to_string(kNtsKeyExchangeWaitMs / 1000)}};
                Finish();
            });
        keyExchange_.Start(host_, kePort_);
    }
    return true;
}

void NtsQuery::OnKeyExchange(const NtsAssociation& association) {
    if (!Running()) return;
    traffic_.keyExchangeBytesSent = keyExchange_.BytesSent();
    traffic_.keyExchangeBytesReceived = keyExchange_.BytesReceived();
    if (!association.problem.empty()) {
        answer_.problem = Message{MessageId::NtsKeyExchangeFailed, {association.problem}};
        return Finish();
    }
    jar_.Keep(host_, kePort_, association);
    AskNtp();
}

void NtsQuery::AskNtp() {
    const NtsSession* session = jar_.Usable(host_, kePort_);
    if (session == nullptr) return Finish();
    QueryClock& clock = ClockOf(timing_);
    deadline_ = clock.AlarmAt(clock.NowMs() + timing_.deadlineMs, AlarmKind::Deadline,
                              [this] { Finish(); });
    ntpPort_ = session->ntpPort;
    const QString name = QString::fromStdString(session->ntpServer);
    const QHostAddress numeric(name);
    if (!numeric.isNull()) {
        addresses_ = {numeric};
        TryNextAddress();
    } else {
        lookup_.Start(name);
    }
}

void NtsQuery::TryNextAddress() {
    trying_ = true;
    NtsSession* session = jar_.Usable(host_, kePort_);
    while (session != nullptr && !addresses_.isEmpty()) {
        peer_ = addresses_.takeFirst();
        socket_.abort();
        // A connected socket hears only from that address and port, and learns of a refusal.
        socket_.connectToHost(peer_, ntpPort_);
        if (socket_.state() != QAbstractSocket::ConnectedState) continue;

        NtsRequestParts parts;
        // The send time and the stopwatch start together: the time spent sealing the request
        // (the first use of the cipher loads it, tens of milliseconds) then counts as part
        // of the round trip instead of biasing the offset by half of it.
        t1_ = NtpTimestampFromUnixMicros(UnixMsOf(utcNow_()) * 1000);
        sentAt_ = std::chrono::steady_clock::now();
        sent_ = WithNonce(t1_, static_cast<std::uint32_t>(random_()));
        parts.transmit = sent_;
        parts.uniqueId = RandomBytes(random_, kNtsUniqueIdSize);
        parts.nonce = RandomBytes(random_, kNtsNonceSize);
        // Each cookie is spent once; placeholders ask for enough to fill the store again.
        parts.cookie = session->cookies.front();
        session->cookies.pop_front();
        parts.placeholders =
            kNtsCookiesWanted - 1 - std::min(session->cookies.size(), kNtsCookiesWanted - 1);
        parts.c2sKey = session->c2sKey;
        uniqueId_ = parts.uniqueId;
        s2cKey_ = session->s2cKey;
        const auto request = BuildNtsRequest(parts);
        if (!request) break;
        const auto size = static_cast<qint64>(request->size());
        if (socket_.write(request->data(), size) == size) {
            traffic_.ntpBytesSent += size;
            trying_ = false;
            return;
        }
        session = jar_.Usable(host_, kePort_);
    }
    trying_ = false;
    Finish();  // no address, or no cookie, left to try
}

void NtsQuery::OnReadyRead() {
    if (!Running()) return;
    do {
        const auto read = ReadPeerDatagram(socket_, peer_, ntpPort_, kLargestDatagram);
        if (!read) return;
        if (!read->fromPeer) continue;
        const std::string_view packet = read->Packet();
        const SntpReply reply =
            ReadSntpReply(packet, sent_, t1_, AddMicros(t1_, read->MicrosSince(sentAt_)));
        if (reply.verdict == SntpVerdict::NotOurs) continue;
        const auto cookies = OpenNtsReply(packet, uniqueId_, s2cKey_);
        if (!cookies) {
            // The server no longer reads the cookies: the next query makes a new exchange.
            // Unauthenticated, so it changes nothing else and the wait goes on.
            if (IsNtsNak(packet, uniqueId_)) jar_.Forget(host_, kePort_);
            continue;
        }
        traffic_.ntpBytesReceived = read->data.size();
        jar_.AddCookies(host_, kePort_, *cookies);
        if (reply.verdict == SntpVerdict::Answer) {
            answer_.answered = true;
            answer_.authenticated = true;
            answer_.offsetMs = reply.offsetSeconds * 1000.0;
            answer_.delayMs = reply.delaySeconds * 1000.0;
        } else {
            answer_.failure = reply.refusal;  // an authenticated kiss-o'-death, say
        }
        Finish();
    } while (Running() && socket_.hasPendingDatagrams());
}

void NtsQuery::OnError(QAbstractSocket::SocketError error) {
    if (!Running() || trying_ || error == QAbstractSocket::TemporaryError) return;
    TryNextAddress();
}

void NtsQuery::Finish() {
    if (!Running()) return;
    finished_ = true;
    answer_.lRespons = stopWatch_.Elapsed();
    deadline_.reset();
    ++generation_;
    keyExchange_.Abort();
    lookup_.Abort();
    socket_.abort();
    QMetaObject::invokeMethod(
        this,
        [this] {
            TimeAnswer answer = answer_;
            if (answer.answered) {
                // As for SNTP: the computer's clock as the answer is handed on, moved by the
                // offset measured.
                answer.serverUtc =
                    utcNow_() + std::chrono::milliseconds(std::llround(*answer.offsetMs));
            }
            waiting_ = false;
            emit finished(answer);
        },
        Qt::QueuedConnection);
}

}  // namespace horavia

// Its own moc output, so that a program using only the rest of this library does not link it.
#include "moc_nts_query.cpp"
