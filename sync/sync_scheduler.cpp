#include "sync/sync_scheduler.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

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

std::int64_t ElapsedIntervalUnits(std::int32_t STIntType, DayCount STLast, DayCount now) {
    const std::int64_t unit = UnitMilliseconds(STIntType);
    if (unit == 0) return 0;
    // Counted in whole milliseconds first, so exactly three hours is 3 and not 2.9999999.
    const double ms = std::fabs(now - STLast) * static_cast<double>(kMsPerDay);
    if (!(ms < 9.0e18)) return std::numeric_limits<std::int64_t>::max();  // also NaN
    return std::llround(ms) / unit;
}

bool IsSyncDue(bool STInt, std::int32_t STIntNum, std::int32_t STIntType, DayCount STLast,
               DayCount now) {
    if (!STInt) return false;
    if (STLast == 0) return true;
    return ElapsedIntervalUnits(STIntType, STLast, now) >= STIntNum;
}

bool UpdateTime(bool STInt, std::int32_t STIntNum, std::int32_t STIntType, DayCount& STLast,
                const SyncStarter& syncTime, ClockSource& clock, SettingsStore& store) {
    if (!IsSyncDue(STInt, STIntNum, STIntType, STLast, clock.NowLocal())) return false;
    syncTime([&STLast, &clock, &store] {
        STLast = clock.NowLocal();
        store.Save("STLast", DayCountSettingText(STLast));
    });
    return true;
}

}  // namespace horavia
