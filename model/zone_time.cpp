#include "model/zone_time.h"

#include <cmath>

namespace horavia {

namespace {

constexpr std::int64_t kSecondsRange = 7'000'000LL * 86'400;  // the calendar's range
constexpr int kFirstYear = -9999;
constexpr int kLastYear = 19999;

std::int64_t SecondsOf(Instant t) {
    const std::int64_t ms = UnixMsOf(t);
    return ms / 1000 - (ms % 1000 < 0 ? 1 : 0);
}

}  // namespace

ZoneState StateOn(const ZoneRules* rules, Instant t) {
    if (!rules) return {};
    return rules->StateAt(SecondsOf(t));
}

std::int32_t WholeMinuteOffset(std::int32_t offsetSeconds) {
    return static_cast<std::int32_t>(std::lround(offsetSeconds / 60.0)) * 60;
}

std::int32_t ShownOffsetOn(const ZoneRules* rules, Instant t) {
    return WholeMinuteOffset(StateOn(rules, t).offset);
}

DayCount ReadingOn(const ZoneRules* rules, Instant t) {
    return LocalDayCountAt(t, -ShownOffsetOn(rules, t) / 60);
}

std::optional<CivilTime> CivilTimeOn(const ZoneRules* rules, Instant t) {
    if (!IsCalendarInstant(t)) return std::nullopt;
    return CivilTimeAt(UnixMsOf(t), ShownOffsetOn(rules, t));
}

std::optional<LocalTimeLookup> LookUpReadingOn(const ZoneRules* rules, const CivilTime& reading) {
    if (reading.year < kFirstYear || reading.year > kLastYear) return std::nullopt;
    const std::int64_t wallSeconds =
        DaysSince1970(reading.year, reading.month, reading.day) * 86'400 +
        std::int64_t{reading.hour} * 3600 + std::int64_t{reading.minute} * 60 + reading.second;
    const std::int64_t wallMs = wallSeconds * 1000 + reading.millisecond;
    const std::int64_t wall = wallMs / 1000 - (wallMs % 1000 < 0 ? 1 : 0);
    const std::int64_t fraction = wallMs - wall * 1000;
    if (std::llabs(wall) > kSecondsRange) return std::nullopt;
    using Kind = LocalTimeLookup::Kind;
    if (!rules) {
        const Instant at = InstantFromUnixMs(wallMs);
        return LocalTimeLookup{Kind::Unique, at, at};
    }
    const CivilLookup found = rules->LookUp(wall);
    // The reading is taken with the offset in whole minutes, as the zone's clock shows it, so
    // that a reading leads back to the instant that shows it (local mean time included).
    const auto instant = [&](std::int64_t seconds) {
        const std::int64_t minuteOffset =
            WholeMinuteOffset(static_cast<std::int32_t>(wall - seconds));
        return InstantFromUnixMs((wall - minuteOffset) * 1000 + fraction);
    };
    const Kind kind = found.kind == CivilLookup::Kind::Unique    ? Kind::Unique
                      : found.kind == CivilLookup::Kind::Skipped ? Kind::Skipped
                                                                 : Kind::Repeated;
    return LocalTimeLookup{kind, instant(found.pre), instant(found.post)};
}

ZoneState ZoneStateAt(const ZoneInfo& zone, Instant t) {
    return StateOn(zone.rules.get(), t);
}

bool IsDaylightTime(const ZoneInfo& zone, Instant t) {
    return ZoneStateAt(zone, t).isDst;
}

std::int32_t ZoneOffsetAt(const ZoneInfo& zone, Instant t) {
    return ShownOffsetOn(zone.rules.get(), t);
}

DayCount ZoneReadingAt(const ZoneInfo& zone, Instant t) {
    return ReadingOn(zone.rules.get(), t);
}

std::optional<CivilTime> ZoneCivilTimeAt(const ZoneInfo& zone, Instant t) {
    return CivilTimeOn(zone.rules.get(), t);
}

std::optional<LocalTimeLookup> LookUpZoneTime(const ZoneInfo& zone, const CivilTime& reading) {
    return LookUpReadingOn(zone.rules.get(), reading);
}

}  // namespace horavia
