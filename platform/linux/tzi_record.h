// The registry's binary time-zone record ("TZI") and the display prefix of a zone.
#pragma once

#include <cstdint>
#include <string>

#include "tz/zone_year.h"

namespace horavia {

// A yearly transition rule in the registry's SYSTEMTIME layout: year 0, the month, the weekday
// (0 = Sunday) and which one of the month it is (1..4, 5 = the last), then the time of day.
struct SystemTime {
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t dayOfWeek = 0;
    std::uint16_t week = 0;
    std::uint16_t hour = 0;
    std::uint16_t minute = 0;
    std::uint16_t second = 0;
    std::uint16_t milliseconds = 0;

    bool operator==(const SystemTime&) const = default;
};

// Offsets in minutes with UTC = local time + bias, so zones east of Greenwich are negative.
struct TziRecord {
    std::int32_t bias = 0;
    std::int32_t standardBias = 0;
    std::int32_t daylightBias = 0;
    SystemTime standardDate;  // change back to standard time, in the daylight-time reading
    SystemTime daylightDate;  // change to daylight time, in the standard-time reading
};

inline constexpr std::size_t kTziBytes = 44;

// The 44 little-endian bytes the registry holds.
std::string PackTzi(const TziRecord& record);

// The rule that names the given wall-clock moment: a day within the last seven days of its
// month is "the last" such weekday (week 5), any other day the ((day - 1) / 7 + 1)-th.
SystemTime RuleForMoment(int year, int month, int day, int hour, int minute, int second,
                         int millisecond);

// The record of a zone's year: the changes of its longest daylight period as rules named for
// the days they fall on, offsets in whole minutes (seconds dropped). A year without daylight
// time gives all-zero dates and no daylight bias.
TziRecord TziOfZoneYear(const ZoneYear& year);

// "(UTC+hh:mm) " or "(UTC-hh:mm) " for the standard offset; "(UTC) " for Coordinated Universal
// Time itself, as the system writes it (other zones at offset 0 read "(UTC+00:00) ").
std::string DisplayPrefix(std::int32_t bias, bool isUniversalTime);

}  // namespace horavia
