#include "ui/main/tick_schedule.h"

#include <QDateTime>
#include <QFile>
#include <cstdlib>

namespace horavia {

namespace {

int MillisecondOfSecond(DayCount t) {
    const auto civil = ToCivil(t);
    return civil ? civil->millisecond : 0;
}

void AppendLogLine(const QByteArray& line) {
    static const char* path = std::getenv("HORAVIA_TICK_LOG");
    if (path == nullptr || *path == '\0') return;
    QFile file(QString::fromLocal8Bit(path));
    if (file.open(QIODevice::Append)) file.write(line + '\n');
}

}  // namespace

int SecondOfMinute(DayCount t) {
    const auto civil = ToCivil(t);
    return civil ? civil->second : 0;
}

int MsToNextTick(DayCount t) {
    return 1000 - MillisecondOfSecond(t) + kTickDelayMs;
}

void LogTick() {
    AppendLogLine("tick " + QByteArray::number(QDateTime::currentMSecsSinceEpoch() % 1000));
}

void LogFirstPaint() {
    AppendLogLine("first-paint " + QByteArray::number(QDateTime::currentMSecsSinceEpoch()));
}

}  // namespace horavia
