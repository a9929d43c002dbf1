// The NTP query (SNTP version 4, RFC 4330) over UDP, driven by the socket's signals and a
// deadline.
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
#include "sync/query_clock.h"
#include "sync/time_query_port.h"
#include "sync/utc_clock.h"

namespace horavia {

class SntpQuery : public QObject {
    Q_OBJECT

  public:
    // The port is a parameter only so that tests can use a server of their own. The request is
    // stamped, and the reply read, with utcNow(), the computer's clock in UTC.
    // The wait counts on timing's clock.
    SntpQuery(UtcClock utcNow, quint16 port = kNtpPort, QObject* parent = nullptr,
              QueryTiming timing = {});

    // Asks `host` (a name or a numeric address) for the time and waits up to 2000 ms for a
    // valid answer, which finished then brings: dAtomDate is the server's UTC time as finished
    // is emitted (this computer's clock then plus the measured offset). lRespons is the time
    // from just before the name lookup until the wait ended. Only datagrams from the address
    // and port asked are read; those that do not answer this request are ignored. A
    // kiss-o'-death or an unsynchronised server ends the query at once, without a time and
    // with the reason.
    // finished follows once, always from the event loop, never from within Start. A call made
    // while a query is waiting returns false at once.
    bool Start(const std::string& host);

    bool IsWaiting() const { return waiting_; }
    // The last query's reply as read (verdict, offset, delay, kiss code).
    const SntpReply& LastReply() const { return reply_; }
    // Requests sent by the last query: one per address tried.
    int Requests() const { return requests_; }
    const QUdpSocket& Socket() const { return socket_; }

  signals:
    void finished(const horavia::TimeAnswer& answer);

  private:
    void TryNextAddress();
    // The answer is in, or none will come: the socket is closed and finished posted.
    void Finish();
    bool Running() const { return waiting_ && !finished_; }
    void OnReadyRead();
    void OnError(QAbstractSocket::SocketError error);

    UtcClock utcNow_;
    quint16 port_;
    QueryTiming timing_;
    QUdpSocket socket_;
    std::mt19937 random_;
    QList<QHostAddress> addresses_;
    QHostAddress peer_;
    HostLookup lookup_;
    unsigned generation_ = 0;  // results of an earlier query's lookup are ignored
    int requests_ = 0;
    NtpTimestamp sent_ = 0;  // the transmit timestamp as sent, nonce included
    NtpTimestamp t1_ = 0;    // when the request left, on the computer's clock
    std::chrono::steady_clock::time_point sentAt_;
    SntpReply reply_;
    std::unique_ptr<QueryAlarm> deadline_;
    CStopWatch stopWatch_;
    bool waiting_ = false;   // until finished is emitted
    bool finished_ = false;  // the answer is settled
    bool trying_ = false;    // errors raised while an address is being tried are its own
};

}  // namespace horavia
