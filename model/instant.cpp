#include "model/instant.h"

#include <cmath>

namespace horavia {
namespace {

constexpr std::int64_t kMsPerMinute = 60'000;

bool InRange(DayCount local) {
    return std::isfinite(local) && std::fabs(local) <= 7'000'000.0;  // the range of ToCivil
}

}  // namespace

Instant InstantFromUnixMs(std::int64_t ms) {
    return Instant{std::chrono::milliseconds{ms}};
}

std::int64_t UnixMsOf(Instant t) {
    return t.time_since_epoch().count();
}

DayCount LocalDayCountAt(Instant t, std::int32_t bias) {
    return DayCountFromUnixMs(UnixMsOf(t) - bias * kMsPerMinute);
}

bool IsCalendarInstant(Instant t) {
    constexpr std::int64_t kDays = 7'000'000;  // the range of ToCivil, either side of 1899-12-30
    const std::int64_t ms = UnixMsOf(t);
    return ms >= UnixMsFromDayCount(-kDays) && ms <= UnixMsFromDayCount(kDays);
}

std::optional<Instant> InstantOfLocal(DayCount local, std::int32_t bias) {
    if (!InRange(local)) return std::nullopt;
    return InstantFromUnixMs(UnixMsFromDayCount(local) + bias * kMsPerMinute);
}

}  // namespace horavia
