#include "sync/server_time_query.h"

#include "sync/server_name.h"
#include "sync/server_query_factory.h"

namespace horavia {

ServerTimeQuery::ServerTimeQuery(UtcClock utcNow, QueryPacer& pacer, TimeServerPorts ports,
                                 QObject* parent, QueryTiming timing)
    : QObject(parent),
      pacer_(pacer),
      clock_(ClockOf(timing)),
      time_(utcNow, ports.timeProtocol, this, timing),
      ntp_(utcNow, ports.ntp, this, timing),
      nts_(utcNow, jar_, this, timing),
      ntsKeyExchangePort_(ports.ntsKeyExchange) {
    connect(&time_, &TimeQuery::finished, this, &ServerTimeQuery::OnAnswer);
    connect(&ntp_, &SntpQuery::finished, this, &ServerTimeQuery::OnAnswer);
    connect(&nts_, &NtsQuery::finished, this, &ServerTimeQuery::OnAnswer);
}

bool ServerTimeQuery::Start(const std::string& sServer) {
    if (running_) return false;
    running_ = true;
    server_ = sServer;
    const std::string key = ServerPacingKey(sServer);
    const std::int64_t nowMs = clock_.NowMs();
    if (const auto refusal = key.empty() ? std::nullopt : pacer_.Refusal(key, nowMs)) {
        TellWithoutAsking(*refusal);
        return true;
    }
    const std::int64_t waitMs = key.empty() ? 0 : pacer_.WaitMs(key, nowMs);
    if (waitMs > 0) {
        pause_ = clock_.AlarmAt(nowMs + waitMs, AlarmKind::Pause, [this] {
            pause_.reset();
            Ask();
        });
    } else {
        Ask();
    }
    return true;
}

void ServerTimeQuery::Ask() {
    const ServerAddress address = ParseServerName(server_);
    // No query runs but through this one, so all are free.
    if (address.protocol == TimeProtocol::Nts) {
        nts_.Start(address.host, address.port != 0 ? address.port : ntsKeyExchangePort_);
    } else if (address.protocol == TimeProtocol::Ntp) {
        ntp_.Start(address.host);
    } else {
        time_.Start(address.host);
    }
}

void ServerTimeQuery::TellWithoutAsking(const StandingRefusal& refusal) {
    TimeAnswer answer;
    answer.failure = refusal.failure;
    answer.retryInMs = refusal.waitMs;
    QMetaObject::invokeMethod(
        this,
        [this, answer] {
            running_ = false;
            emit finished(answer);
        },
        Qt::QueuedConnection);
}

void ServerTimeQuery::OnAnswer(const TimeAnswer& answer) {
    // Counted from the end of the query, so that its request, whenever it left, is at least
    // the interval before the next one.
    const std::string key = ServerPacingKey(server_);
    TimeAnswer told = answer;
    if (!key.empty()) {
        const std::int64_t nowMs = clock_.NowMs();
        pacer_.Note(key, nowMs);
        if (!answer.answered) told.retryInMs = pacer_.NoteFailure(key, answer.failure, nowMs);
    }
    running_ = false;
    emit finished(told);
}

std::unique_ptr<ServerQueryPort> MakeServerTimeQuery(const QuerySetup& setup) {
    return std::make_unique<ServerTimeQuery>(setup.utcNow, *setup.pacer, setup.ports, nullptr,
                                             setup.timing);
}

}  // namespace horavia

// Its own moc output, so that a program using only the rest of this library does not link it.
#include "moc_server_time_query.cpp"
