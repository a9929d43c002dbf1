#include "sync/time_query.h"

#include <utility>

#include "sync/stop_watch.h"
#include "sync/time_reply.h"

namespace horavia {

TimeQuery::TimeQuery(quint16 port, QObject* parent) : TimeQuery(&SystemUtcNow, port, parent) {}

TimeQuery::TimeQuery(UtcClock utcNow, quint16 port, QObject* parent, QueryTiming timing)
    : QObject(parent),
      WS(this),
      connector_(WS, this),
      utcNow_(std::move(utcNow)),
      port_(port),
      timing_(timing) {
    connect(&connector_, &TcpConnector::Failed, this, [this] { WS_Ended(); });
    connect(&WS, &QTcpSocket::readyRead, this, [this] { WS_DataArrival(WS.bytesAvailable()); });
    connect(&WS, &QTcpSocket::errorOccurred, this, [this] { WS_Ended(); });
    connect(&WS, &QTcpSocket::disconnected, this, [this] { WS_Ended(); });
}

void TimeQuery::WS_DataArrival(qint64 /*bytesTotal*/) {
    if (!waiting_ || !sReply.empty()) return;
    const QByteArray bytes = WS.readAll();
    if (bytes.isEmpty()) return;
    sReply.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    // Only the first chunk counts; whatever the server sends later is dropped.
    WS.abort();
}

void TimeQuery::WS_Ended() {
    if (!waiting_) return;
    // Data that arrived together with the close still counts as the first chunk.
    if (WS.bytesAvailable() > 0) WS_DataArrival(WS.bytesAvailable());
    connectionEnded_ = true;
}

bool TimeQuery::GetAtomTime(const std::string& sServer, DayCount& dAtomDate,
                            std::int32_t& lRespons) {
    // The connection and the buffer belong to the query that is waiting.
    if (waiting_) return false;

    sReply.clear();
    QueryClock& clock = ClockOf(timing_);
    const std::int64_t startMs = clock.NowMs();
    const CStopWatch stopWatch = StopWatchOn(clock);
    connector_.Abort();
    WS.abort();
    connectionEnded_ = false;
    waiting_ = true;
    connector_.Start(QString::fromStdString(sServer), port_);

    clock.WaitUntil([this] { return !sReply.empty() || connectionEnded_; },
                    startMs + timing_.deadlineMs);
    lRespons = stopWatch.Elapsed();
    waiting_ = false;
    connector_.Abort();
    WS.abort();

    const auto decoded = DecodeTimeReplyNear(sReply, utcNow_());
    if (!decoded) return false;
    dAtomDate = *decoded;
    return true;
}

}  // namespace horavia
