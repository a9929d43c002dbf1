#include <windows.h>

#include "platform/system_time.h"

namespace horavia {
namespace {

// FILETIME counts 100 ns ticks from 1601-01-01 00:00 UTC.
constexpr std::int64_t kUnixEpochFileTimeMs = 11'644'473'600'000;

std::int64_t FileTimeMs(const FILETIME& f) {
    const auto ticks = (static_cast<ULONGLONG>(f.dwHighDateTime) << 32) | f.dwLowDateTime;
    return static_cast<std::int64_t>(ticks / 10'000);
}

}  // namespace

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

LocalZoneState SystemLocalZone::QueryAt(Instant t) {
    const std::int64_t fileMs = UnixMsOf(t) + kUnixEpochFileTimeMs;
    const auto ticks = static_cast<ULONGLONG>(fileMs) * 10'000;
    FILETIME utcFile{static_cast<DWORD>(ticks & 0xFFFFFFFFu), static_cast<DWORD>(ticks >> 32)};
    SYSTEMTIME utc{};
    SYSTEMTIME local{};
    FILETIME localFile{};
    // Before 1601 (or past the system's range) the rules of today are the best there are.
    if (fileMs < 0 || !FileTimeToSystemTime(&utcFile, &utc) ||
        !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local) ||
        !SystemTimeToFileTime(&local, &localFile)) {
        return Query();
    }
    LocalZoneState state;
    state.bias = static_cast<std::int32_t>((FileTimeMs(utcFile) - FileTimeMs(localFile)) / 60'000);
    // Daylight time is the year's daylight offset, where the year has one that differs.
    TIME_ZONE_INFORMATION info{};
    if (GetTimeZoneInformationForYear(utc.wYear, nullptr, &info)) {
        const auto daylight = static_cast<std::int32_t>(info.Bias + info.DaylightBias);
        state.isDst = info.DaylightDate.wMonth != 0 && info.DaylightBias != info.StandardBias &&
                      state.bias == daylight;
    }
    return state;
}

Instant SystemClock::NowUtc() {
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    return InstantFromUnixMs(FileTimeMs(now) - kUnixEpochFileTimeMs);
}

DayCount SystemClock::NowLocal() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return FromCivil(now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond,
                     now.wMilliseconds);
}

}  // namespace horavia
