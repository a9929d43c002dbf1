// The values the pseudo-zones show: other time scales computed from UTC (or, for the world
// population, from the computer's local time), and their texts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/day_count.h"
#include "model/locale_info.h"
#include "model/zone_catalogue.h"

namespace horavia {

// Julian Date: days since -4712-01-01 12:00 UTC.
double JulianDate(DayCount utc);
std::string JulianDateText(DayCount utc, bool longForm, const LocaleInfo& locale);

// Stardate value v and the number n of digits below the issue, for a UTC moment.
struct StardateValue {
    double v = 0;
    int n = 4;
};
StardateValue StardateOf(DayCount utc);
// floor(v / 10^n), in full (never wrapped to 16 bits).
std::int64_t StardateIssue(double v, int n);
// v - 10^n * floor(v / 10^n), in [0, 10^n).
double StardateRemainder(double v, int n);
// "[issue]" and the remainder with four (five from 2323 on) digits and two decimals.
std::string StardateText(DayCount utc, const LocaleInfo& locale);

// The world-population estimate: growth from a count at a base date.
struct PopulationModel {
    std::int32_t growthPpm = 10000;    // growth in parts per million per year
    std::int32_t baseMillions = 6000;  // population at the base date, millions
    DayCount baseDate = 36359;         // 1999-07-18 00:00
};
double PopulationEstimate(DayCount localTime, const PopulationModel& model);

// Mars Coordinated Time as a day count: the fraction is the Mars time of day, the whole part
// counts Mars days from 2003-12-26 12:00 UTC (no calendar meaning).
DayCount MarsTime(DayCount utc);
// Moves m by the longitude of the first "[...]" block of the format (a number, then an
// optional E or W in any case) and removes the block from the format. A missing or reversed
// block leaves both alone; a number that cannot be read leaves m unchanged. A point always
// works as the decimal separator, and so does the locale's own.
DayCount ApplyMarsLongitude(DayCount m, std::string& format, const LocaleInfo& locale);
// The Mars time written with the format; empty when the format cannot be applied.
std::optional<std::string> MarsTimeText(DayCount utc, const std::string& format,
                                        const LocaleInfo& locale);

// Seconds since 1970-01-01 00:00 UTC, rounded half to even, in full (past 2038 too).
// Empty when utc is not finite or the seconds do not fit 64 bits.
std::optional<std::int64_t> UnixTime(DayCount utc);
std::string UnixTimeText(std::int64_t seconds);

// Swatch Internet Time: beats (1/1000 day) of Biel Mean Time (UTC+1), 0..999.
// Empty when utc is not finite or far outside any calendar.
std::optional<int> SwatchBeats(DayCount utc);
std::string SwatchText(int beats, const LocaleInfo& locale);

inline bool IsPseudoValueZone(int zone) {
    return zone >= kZoneJulianLong && zone <= kZoneSwatch;
}

// The text of pseudo-zone 2..8: utc for every scale but the population, which uses the
// computer's local time. Empty when the zone is not one of them or its text cannot be written.
std::optional<std::string> PseudoZoneText(int zone, DayCount utc, DayCount localTime,
                                          const PopulationModel& population,
                                          const std::string& format, const LocaleInfo& locale);

}  // namespace horavia
