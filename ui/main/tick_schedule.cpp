#include "ui/main/tick_schedule.h"

#include <QDateTime>
#include <QFile>
#include <cstdlib>

namespace horavia {

namespace {

// The remainder of a floor division, so that instants before 1970 count the same way.
int PositiveRemainder(std::int64_t value, std::int64_t divisor) {
    return static_cast<int>(((value % divisor) + divisor) % divisor);
}

void AppendLogLine(const QByteArray& line) {
    static const char* path = std::getenv("HORAVIA_TICK_LOG");
    if (path == nullptr || *path == '\0') return;
    QFile file(QString::fromLocal8Bit(path));
    if (file.open(QIODevice::Append)) file.write(line + '\n');
}

}  // namespace

int SecondOfMinute(Instant t) {
    return PositiveRemainder(std::chrono::floor<std::chrono::seconds>(t).time_since_epoch().count(),
                             60);
}

int MsToNextTick(Instant t) {
    return 1000 - PositiveRemainder(UnixMsOf(t), 1000) + kTickDelayMs;
}

void LogTick() {
    AppendLogLine("tick " + QByteArray::number(QDateTime::currentMSecsSinceEpoch() % 1000));
}

void LogFirstPaint() {
    AppendLogLine("first-paint " + QByteArray::number(QDateTime::currentMSecsSinceEpoch()));
}

}  // namespace horavia
