#include "ui/program/second_ticker.h"

#include "ui/main/tick_schedule.h"

namespace horavia {

SecondTicker::SecondTicker(ClockSource& clock, QObject* parent) : QObject(parent), clock_(clock) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);  // the default type may fire up to 5 % early
    connect(&timer_, &QTimer::timeout, this, [this] {
        // Armed before the work, so the next second shows whatever the work does (a
        // synchronisation waiting for its server, a question waiting for the user).
        arm();
        tickIfNewSecond();
    });
}

void SecondTicker::start() {
    arm();
}

void SecondTicker::stop() {
    timer_.stop();
}

void SecondTicker::arm() {
    timer_.start(MsToNextTick(clock_.NowUtc()));
}

bool SecondTicker::tickIfNewSecond() {
    const int second = SecondOfMinute(clock_.NowUtc());
    if (second == lastSecond_) return false;
    lastSecond_ = second;
    LogTick();
    emit tick();
    return true;
}

}  // namespace horavia
