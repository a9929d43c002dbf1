#include "sync/sync_scheduler.h"

#include <algorithm>

#include "model/setting_readers.h"

namespace horavia {

namespace {

std::int64_t UnitMilliseconds(std::int32_t STIntType) {
    switch (STIntType) {
        case kIntervalSeconds:
            return 1000;
        case kIntervalMinutes:
            return 60'000;
        case kIntervalHours:
            return 3'600'000;
        case kIntervalDays:
            return kMsPerDay;
        case kIntervalWeeks:
            return 7 * kMsPerDay;
        default:
            return 0;
    }
}

}  // namespace

std::int64_t ElapsedIntervalUnits(std::int32_t STIntType, Instant last, Instant now) {
    const std::int64_t unit = UnitMilliseconds(STIntType);
    if (unit == 0) return 0;
    const std::int64_t ms = (now - last).count();
    return (ms < 0 ? -ms : ms) / unit;
}

std::optional<Instant> LastSyncInstant(DayCount STLast, Instant now, LocalZoneSource& zone) {
    if (STLast == 0) return std::nullopt;
    const std::optional<LocalTimeLookup> found = zone.LookUp(STLast);
    if (!found) return std::nullopt;
    // The same rule serves a skipped reading (a stored value the clock never showed): of the
    // instants on either side of the gap, the later one unless it is still to come.
    const Instant earlier = std::min(found->pre, found->post);
    const Instant later = std::max(found->pre, found->post);
    return later <= now ? later : earlier;
}

bool IsSyncDue(bool STInt, std::int32_t STIntNum, std::int32_t STIntType,
               std::optional<Instant> last, Instant now) {
    if (!STInt) return false;
    if (!last) return true;
    return ElapsedIntervalUnits(STIntType, *last, now) >= STIntNum;
}

bool IsSyncDueNow(bool STInt, std::int32_t STIntNum, std::int32_t STIntType, DayCount STLast,
                  ClockSource& clock, LocalZoneSource& zone) {
    if (!STInt) return false;
    const Instant now = clock.NowUtc();
    return IsSyncDue(STInt, STIntNum, STIntType, LastSyncInstant(STLast, now, zone), now);
}

bool UpdateTime(bool STInt, std::int32_t STIntNum, std::int32_t STIntType, DayCount& STLast,
                const SyncStarter& syncTime, ClockSource& clock, LocalZoneSource& zone,
                SettingsStore& store) {
    if (!IsSyncDueNow(STInt, STIntNum, STIntType, STLast, clock, zone)) return false;
    syncTime([&STLast, &clock, &zone, &store] {
        const Instant done = clock.NowUtc();
        STLast = zone.ReadingAt(done);
        store.Save("STLast", DayCountSettingText(STLast));
    });
    return true;
}

}  // namespace horavia
