#include <chrono>
#include <ctime>

#include "platform/system_time.h"

namespace horavia {
namespace {

std::int64_t NowMs() {
    const auto now = std::chrono::system_clock::now();
    return std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count();
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

DayCount SystemClock::NowLocal() {
    return LocalReadingAt(NowMs()).local;
}

}  // namespace horavia
