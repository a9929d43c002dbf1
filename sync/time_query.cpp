#include "sync/time_query.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include "sync/stop_watch.h"
#include "sync/time_reply.h"

namespace horavia {

TimeQuery::TimeQuery(quint16 port, QObject* parent)
    : QObject(parent), WS(this), connector_(WS, this), port_(port) {
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
    CStopWatch stopWatch;
    connector_.Abort();
    WS.abort();
    connectionEnded_ = false;
    waiting_ = true;
    connector_.Start(QString::fromStdString(sServer), port_);

    // The wait sleeps in the event loop until something happens; the precise timer makes
    // sure something does when the 2000 ms are up.
    bool timedOut = false;
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    connect(&deadline, &QTimer::timeout, this, [&] {
        const std::int32_t elapsed = stopWatch.Elapsed();
        if (elapsed >= kTimeQueryWaitMs) {
            timedOut = true;
        } else {
            deadline.start(kTimeQueryWaitMs - elapsed);  // woken a little early
        }
    });
    const std::int32_t startElapsed = stopWatch.Elapsed();
    deadline.start(startElapsed < kTimeQueryWaitMs ? kTimeQueryWaitMs - startElapsed : 0);

    while (sReply.empty() && !connectionEnded_ && !timedOut &&
           stopWatch.Elapsed() < kTimeQueryWaitMs) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    deadline.stop();
    lRespons = stopWatch.Elapsed();
    waiting_ = false;
    connector_.Abort();
    WS.abort();

    const auto decoded = DecodeTimeReply(sReply);
    if (!decoded) return false;
    dAtomDate = *decoded;
    return true;
}

}  // namespace horavia
