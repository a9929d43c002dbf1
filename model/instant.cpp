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

std::optional<LocalTimeLookup> LookUpLocalTime(DayCount local,
                                               const std::function<std::int32_t(Instant)>& biasAt) {
    if (!InRange(local)) return std::nullopt;
    // The wall time read as if it were UTC; every real instant with this reading lies within
    // the largest offset (14 h) of it, so the biases a day either side are the ones before
    // and after any change that matters.
    const std::int64_t wall = UnixMsFromDayCount(local);
    const std::int32_t before = biasAt(InstantFromUnixMs(wall - kMsPerDay));
    const std::int32_t after = biasAt(InstantFromUnixMs(wall + kMsPerDay));
    const Instant pre = InstantFromUnixMs(wall + before * kMsPerMinute);
    const Instant post = InstantFromUnixMs(wall + after * kMsPerMinute);
    const bool preHolds = biasAt(pre) == before;
    const bool postHolds = biasAt(post) == after;
    using Kind = LocalTimeLookup::Kind;
    if (before == after || (preHolds && !postHolds)) return LocalTimeLookup{Kind::Unique, pre, pre};
    if (postHolds && !preHolds) return LocalTimeLookup{Kind::Unique, post, post};
    return LocalTimeLookup{preHolds ? Kind::Repeated : Kind::Skipped, pre, post};
}

}  // namespace horavia
