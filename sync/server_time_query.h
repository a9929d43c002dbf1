// The time query the program uses: reads the server's name for its protocol ("ntp:HOST" asks
// over NTP, "nts:HOST" over NTP with NTS, a plain host over the Time Protocol), keeps every
// server to one query in 4 s and honours what servers ask (leave me alone for a while, or for
// good).
#pragma once

#include <QObject>
#include <cstdint>
#include <memory>
#include <string>

#include "sync/ntp_packet.h"
#include "sync/nts_cookie_jar.h"
#include "sync/nts_query.h"
#include "sync/nts_records.h"
#include "sync/query_pacer.h"
#include "sync/sntp_query.h"
#include "sync/time_query.h"
#include "sync/time_query_port.h"
#include "sync/utc_clock.h"

namespace horavia {

// The ports are parameters only so that tests can use servers of their own.
struct TimeServerPorts {
    quint16 timeProtocol = kTimeProtocolPort;
    quint16 ntp = kNtpPort;
    quint16 ntsKeyExchange = kNtsKePort;  // for "nts:HOST" without a port
};

class ServerTimeQuery : public QObject, public ServerQueryPort {
    Q_OBJECT

  public:
    // The pacer may be shared by queries that come and go (it must outlive this one).
    // The pacing and both queries count on timing's clock.
    ServerTimeQuery(UtcClock utcNow, QueryPacer& pacer, TimeServerPorts ports = {},
                    QObject* parent = nullptr, QueryTiming timing = {});

    // When the last query to this host (in either protocol) ended less than 4 s ago, first
    // pauses for the rest (this counts as waiting), so two requests never leave within 4 s.
    // Then one query in the server's protocol, whose answer finished brings. A server that
    // refuses this client, or asked to be queried less often and is still being left alone, is
    // not asked: finished tells so. finished follows once, always from the event loop, never
    // from within Start. A call made while another one waits returns false at once.
    bool Start(const std::string& sServer);
    bool StartQuery(const std::string& sServer, AnswerHandler done) override {
        return StartAndHandOn(*this, sServer, std::move(done));
    }

    bool IsWaiting() const override { return running_; }
    const TimeQuery& TimeProtocol() const { return time_; }
    const SntpQuery& Ntp() const { return ntp_; }
    const NtsQuery& Nts() const { return nts_; }

  signals:
    void finished(const horavia::TimeAnswer& answer);

  private:
    // The pause is over: the server's own query.
    void Ask();
    void OnAnswer(const TimeAnswer& answer);
    // The server is not to be asked now: finished says why.
    void TellWithoutAsking(const StandingRefusal& refusal);

    QueryPacer& pacer_;
    QueryClock& clock_;
    TimeQuery time_;
    SntpQuery ntp_;
    NtsCookieJar jar_;  // the NTS sessions, for as long as this query lives
    NtsQuery nts_;
    quint16 ntsKeyExchangePort_;
    std::unique_ptr<QueryAlarm> pause_;
    std::string server_;
    bool running_ = false;
};

}  // namespace horavia
