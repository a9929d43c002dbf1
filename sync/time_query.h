// The Time Protocol query over one TCP connection, driven by the socket's signals and a
// deadline.
#pragma once

#include <QObject>
#include <QTcpSocket>
#include <cstdint>
#include <memory>
#include <string>

#include "model/day_count.h"
#include "platform/tcp_connector.h"
#include "sync/query_clock.h"
#include "sync/time_query_port.h"
#include "sync/utc_clock.h"

namespace horavia {

inline constexpr quint16 kTimeProtocolPort = 37;

class TimeQuery : public QObject, public TimeQueryPort {
    Q_OBJECT

  public:
    // The port is a parameter only so that tests can use a server of their own. A reply is
    // read in the era nearest to utcNow(); without a clock, this computer's own. The wait
    // counts on timing's clock.
    explicit TimeQuery(quint16 port = kTimeProtocolPort, QObject* parent = nullptr);
    TimeQuery(UtcClock utcNow, quint16 port, QObject* parent = nullptr, QueryTiming timing = {});

    // Connects to sServer and waits up to 2000 ms (the deadline) for the first chunk of data,
    // which finished then brings decoded (a chunk under four bytes as an incomplete answer).
    // finished follows once, always from the event loop, never from within Start. A call made while
    // a query is waiting returns false at once and leaves the running query alone.
    bool Start(const std::string& sServer);
    bool StartQuery(const std::string& sServer, AnswerHandler done) override {
        return StartAndHandOn(*this, sServer, std::move(done));
    }

    bool IsWaiting() const { return waiting_; }
    // The first chunk the last query received (empty when nothing arrived).
    const std::string& Reply() const { return sReply; }
    const QTcpSocket& Socket() const { return WS; }
    // Connection attempts made by the last query (one per resolved address at most).
    int ConnectAttempts() const { return connector_.Attempts(); }

  signals:
    void finished(const horavia::TimeAnswer& answer);

  private:
    void WS_DataArrival(qint64 bytesTotal);
    // Refused, unreachable, unresolved, or closed by the server: no data can come any more.
    void WS_Ended();
    // The answer is in, or none will come: the connection is closed and finished posted.
    void Finish();
    bool Running() const { return waiting_ && !finished_; }

    QTcpSocket WS;
    // Connects WS: QTcpSocket's own connect would try again, silently, after a reset.
    TcpConnector connector_;
    std::string sReply;
    UtcClock utcNow_;
    quint16 port_;
    QueryTiming timing_;
    std::unique_ptr<QueryAlarm> deadline_;
    CStopWatch stopWatch_;
    bool waiting_ = false;   // until finished is emitted
    bool finished_ = false;  // the answer is settled
};

}  // namespace horavia
