#include <chrono>
#include <ctime>

#include "platform/system_time.h"

namespace horavia {
namespace {

struct LocalNow {
    std::int64_t utcMs;
    std::tm tm;
};

LocalNow ReadNow() {
    const auto now = std::chrono::system_clock::now();
    const std::int64_t ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count();
    const std::time_t seconds = static_cast<std::time_t>(ms >= 0 ? ms / 1000 : (ms - 999) / 1000);
    LocalNow result{ms, {}};
    tzset();
    localtime_r(&seconds, &result.tm);
    return result;
}

}  // namespace

LocalZoneState SystemLocalZone::Query() {
    const LocalNow now = ReadNow();
    LocalZoneState state;
    state.bias = static_cast<std::int32_t>(-now.tm.tm_gmtoff / 60);
    state.isDst = now.tm.tm_isdst > 0;
    return state;
}

DayCount SystemClock::NowLocal() {
    const LocalNow now = ReadNow();
    return DayCountFromUnixMs(now.utcMs + static_cast<std::int64_t>(now.tm.tm_gmtoff) * 1000);
}

}  // namespace horavia
