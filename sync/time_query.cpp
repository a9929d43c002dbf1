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
    if (!Running() || !sReply.empty()) return;
    const QByteArray bytes = WS.readAll();
    if (bytes.isEmpty()) return;
    // Only the first chunk counts; whatever the server sends later is dropped.
    sReply.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    Finish();
}

void TimeQuery::WS_Ended() {
    if (!Running()) return;
    // Data that arrived together with the close still counts as the first chunk.
    if (WS.bytesAvailable() > 0) WS_DataArrival(WS.bytesAvailable());
    Finish();
}

bool TimeQuery::Start(const std::string& sServer) {
    // The connection and the buffer belong to the query that is waiting.
    if (waiting_) return false;

    sReply.clear();
    QueryClock& clock = ClockOf(timing_);
    stopWatch_ = StopWatchOn(clock);
    connector_.Abort();
    WS.abort();
    waiting_ = true;
    finished_ = false;
    deadline_ = clock.AlarmAt(clock.NowMs() + timing_.deadlineMs, AlarmKind::Deadline,
                              [this] { Finish(); });
    connector_.Start(QString::fromStdString(sServer), port_);
    return true;
}

void TimeQuery::Finish() {
    if (!Running()) return;
    finished_ = true;
    TimeAnswer answer;
    answer.lRespons = stopWatch_.Elapsed();
    deadline_.reset();
    connector_.Abort();
    WS.abort();
    if (const auto decoded = DecodeTimeReplyNear(sReply, utcNow_())) {
        answer.answered = true;
        answer.serverUtc = *decoded;
    } else if (!sReply.empty()) {
        answer.failure = QueryFailure::Incomplete;  // fewer than four bytes
    }
    // Posted, so that whoever starts the next query in its slot does not do so from within
    // this socket's own signal.
    QMetaObject::invokeMethod(
        this,
        [this, answer] {
            waiting_ = false;
            emit finished(answer);
        },
        Qt::QueuedConnection);
}

}  // namespace horavia

// Its own moc output, so that a program using only the rest of this library does not link it.
#include "moc_time_query.cpp"
