#include "ui/editor/minute_ticker.h"

namespace horavia {

namespace {

constexpr std::int64_t kMinuteMs = 60'000;
// Fired a little after the minute begins, so that the clock already reads the new minute.
constexpr std::int64_t kPastTheMinuteMs = 20;

}  // namespace

MinuteTicker::MinuteTicker(ClockSource& clock, QObject* parent) : QObject(parent), clock_(clock) {
    timer_.setSingleShot(true);
    // The default timer may fire up to 5 % early, which would land before the minute.
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] {
        armForNextMinute();
        emit minuteBegan();
    });
}

void MinuteTicker::start() {
    armForNextMinute();
}

void MinuteTicker::stop() {
    timer_.stop();
}

void MinuteTicker::armForNextMinute() {
    const std::int64_t now = UnixMsOf(clock_.NowUtc());
    const std::int64_t intoMinute = ((now % kMinuteMs) + kMinuteMs) % kMinuteMs;
    timer_.start(static_cast<int>(kMinuteMs - intoMinute + kPastTheMinuteMs));
}

}  // namespace horavia
