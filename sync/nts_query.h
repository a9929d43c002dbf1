// The NTS query (RFC 8915): a key exchange when no cookie is left for the server, then one
// NTPv4 request with NTS extension fields over UDP, whose reply counts only when it is
// authentic. Driven by the sockets' signals and two deadlines.
#pragma once

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QUdpSocket>
#include <chrono>
#include <cstdint>
#include <memory>
#include <random>
#include <string>

#include "model/day_count.h"
#include "platform/host_lookup.h"
#include "sync/ntp_packet.h"
#include "sync/nts_cookie_jar.h"
#include "sync/nts_key_exchange.h"
#include "sync/query_clock.h"
#include "sync/time_query_port.h"
#include "sync/utc_clock.h"

namespace horavia {

// How long the key exchange may take: a name lookup, a TCP connection and a TLS 1.3 handshake,
// about three round trips where NTP needs one. The NTP request then has the usual deadline.
inline constexpr std::int32_t kNtsKeyExchangeWaitMs = 3000;

// What the last query cost on the wire.
struct NtsTraffic {
    bool keyExchange = false;
    std::int64_t keyExchangeBytesSent = 0;
    std::int64_t keyExchangeBytesReceived = 0;
    std::int64_t ntpBytesSent = 0;
    std::int64_t ntpBytesReceived = 0;  // of the reply accepted
};

class NtsQuery : public QObject {
    Q_OBJECT

  public:
    // The sessions live in jar, which must outlive the query (the program keeps one for the
    // run). The request is stamped, and the reply read, with utcNow(); the waits count on
    // timing's clock (its deadline is the NTP request's).
    NtsQuery(UtcClock utcNow, NtsCookieJar& jar, QObject* parent = nullptr,
             QueryTiming timing = {});

    // Asks the key-exchange server host:kePort for the time, through the NTP server it names.
    // Only an authentic reply to this request is an answer; others are ignored and the wait
    // goes on. finished follows once, always from the event loop, never from within Start; a
    // failed key exchange brings its reason in problem. A call made while a query is waiting
    // returns false at once.
    bool Start(const std::string& host, std::uint16_t kePort);

    bool IsWaiting() const { return waiting_; }
    const NtsTraffic& Traffic() const { return traffic_; }
    // Key exchanges made since the query was made.
    int KeyExchanges() const { return keyExchanges_; }
    const QUdpSocket& Socket() const { return socket_; }

  signals:
    void finished(const horavia::TimeAnswer& answer);

  private:
    void OnKeyExchange(const NtsAssociation& association);
    // The session is at hand: finds the NTP server and sends the request.
    void AskNtp();
    void TryNextAddress();
    void OnReadyRead();
    void OnError(QAbstractSocket::SocketError error);
    void Finish();
    bool Running() const { return waiting_ && !finished_; }

    UtcClock utcNow_;
    NtsCookieJar& jar_;
    QueryTiming timing_;
    NtsKeyExchange keyExchange_;
    QUdpSocket socket_;
    HostLookup lookup_;
    std::mt19937_64 random_;
    std::string host_;
    std::uint16_t kePort_ = 0;
    QList<QHostAddress> addresses_;
    QHostAddress peer_;
    std::uint16_t ntpPort_ = 0;
    unsigned generation_ = 0;  // results of an earlier query's lookup are ignored
    std::string uniqueId_;
    std::string s2cKey_;  // the key the reply must be sealed with
    NtpTimestamp sent_ = 0;
    NtpTimestamp t1_ = 0;
    std::chrono::steady_clock::time_point sentAt_;
    TimeAnswer answer_;
    NtsTraffic traffic_;
    int keyExchanges_ = 0;
    std::unique_ptr<QueryAlarm> deadline_;
    CStopWatch stopWatch_;
    bool waiting_ = false;
    bool finished_ = false;
    bool trying_ = false;
};

}  // namespace horavia
