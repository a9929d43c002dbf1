#include <windows.h>

#include <map>

#include "model/registry_zone_source.h"
#include "model/yearly_rule_zone.h"
#include "model/zone_catalogue_loader.h"
#include "platform/system_time.h"
#include "platform/win/wide_text.h"
#include "platform/win/win_registry.h"

namespace horavia {
namespace {

// FILETIME counts 100 ns ticks from 1601-01-01 00:00 UTC.
constexpr std::int64_t kUnixEpochFileTimeMs = 11'644'473'600'000;

std::int64_t FileTimeMs(const FILETIME& f) {
    const auto ticks = (static_cast<ULONGLONG>(f.dwHighDateTime) << 32) | f.dwLowDateTime;
    return static_cast<std::int64_t>(ticks / 10'000);
}

}  // namespace

std::shared_ptr<const ZoneRules> SystemLocalZone::Rules() {
    DYNAMIC_TIME_ZONE_INFORMATION info{};
    GetDynamicTimeZoneInformation(&info);
    std::string source(reinterpret_cast<const char*>(&info), sizeof info);
    if (rules_ && source == source_) return rules_;
    source_ = std::move(source);
    const std::string standardName = Utf8FromWide(info.StandardName);
    const std::string daylightName = Utf8FromWide(info.DaylightName);
    // The zone's own registry records, read as the catalogue reads every zone's, so that the
    // computer's zone and a clock of the same zone always agree.
    const std::string key = Utf8FromWide(info.TimeZoneKeyName);
    if (!key.empty() && !info.DynamicDaylightTimeDisabled) {
        WinRegistry registry;
        for (const char* keyPath : {kZoneKeyPathNt, kZoneKeyPath}) {
            const std::string path = std::string(keyPath) + "\\" + key;
            std::string tzi;
            if (RegReadString(registry, RegRoot::LocalMachine, path, "TZI", tzi) && !tzi.empty()) {
                rules_ = RegistryZoneRules(registry, path, standardName, daylightName);
                return rules_;
            }
        }
    }
    // Otherwise the one record the system gives.
    const auto rule = [](const SYSTEMTIME& t) {
        return TransitionRule{t.wMonth, t.wDayOfWeek, t.wDay, t.wHour, t.wMinute, t.wSecond};
    };
    ZoneYearRecord record;
    record.bias = static_cast<std::int32_t>(info.Bias + info.StandardBias);
    record.dltBias = info.DaylightDate.wMonth == 0
                         ? record.bias
                         : static_cast<std::int32_t>(info.Bias + info.DaylightBias);
    record.stdRule = rule(info.StandardDate);
    record.dltRule = rule(info.DaylightDate);
    rules_ = std::make_shared<const YearlyRuleZone>(record, std::map<int, ZoneYearRecord>{},
                                                    standardName, daylightName);
    return rules_;
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
