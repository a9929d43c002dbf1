#include <windows.h>

#include "platform/system_time.h"

namespace horavia {

LocalZoneState SystemLocalZone::Query() {
    TIME_ZONE_INFORMATION info{};
    const DWORD result = GetTimeZoneInformation(&info);
    LocalZoneState state;
    // Anything but "daylight" (unknown, standard, or the failure value) counts as standard.
    state.isDst = result == TIME_ZONE_ID_DAYLIGHT;
    state.bias = static_cast<std::int32_t>(info.Bias) +
                 static_cast<std::int32_t>(state.isDst ? info.DaylightBias : info.StandardBias);
    return state;
}

DayCount SystemClock::NowLocal() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return FromCivil(now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond,
                     now.wMilliseconds);
}

}  // namespace horavia
