#include <chrono>
#include <ctime>

#include "platform/system_time.h"

namespace horavia {
namespace {

std::int64_t NowMs() {
    return UnixMsOf(
        std::chrono::floor<std::chrono::milliseconds>(std::chrono::system_clock::now()));
}

}  // namespace

LocalReading LocalReadingAt(std::int64_t utcMs) {
    const std::time_t seconds =
        static_cast<std::time_t>(utcMs >= 0 ? utcMs / 1000 : (utcMs - 999) / 1000);
    std::tm tm{};
    tzset();
    localtime_r(&seconds, &tm);
    LocalReading reading;
    reading.local = DayCountFromUnixMs(utcMs + static_cast<std::int64_t>(tm.tm_gmtoff) * 1000);
    reading.zone.bias = static_cast<std::int32_t>(-tm.tm_gmtoff / 60);
    reading.zone.isDst = tm.tm_isdst > 0;
    return reading;
}

LocalZoneState SystemLocalZone::Query() {
    return LocalReadingAt(NowMs()).zone;
}

LocalZoneState SystemLocalZone::QueryAt(Instant t) {
    return LocalReadingAt(UnixMsOf(t)).zone;
}

Instant SystemClock::NowUtc() {
    return InstantFromUnixMs(NowMs());
}

DayCount SystemClock::NowLocal() {
    return LocalReadingAt(NowMs()).local;
}

}  // namespace horavia
