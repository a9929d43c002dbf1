// The POSIX TZ rule string that ends a zone file, such as "EST5EDT,M3.2.0,M11.1.0" or
// "<+1030>-10:30<+11>-11,M10.1.0,M4.1.0": a standard offset and, optionally, a daylight
// offset with the yearly rules of its start and end (RFC 8536 allows rule times from -167 to
// 167 hours).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace horavia {

// A day of the year as the rule string names it.
struct PosixDayRule {
    enum class Kind { JulianNoLeap, ZeroBased, MonthWeekDay } kind = Kind::MonthWeekDay;
    int day = 0;         // Jn: 1..365 (29 February never counted); n: 0..365
    int month = 0;       // Mm.w.d: 1..12
    int week = 0;        // 1..5, 5 = the last
    int weekday = 0;     // 0 = Sunday
    int seconds = 7200;  // the local time of the change, default 02:00
};

struct PosixTzRule {
    std::string standardName;  // the abbreviations, without angle brackets
    std::string daylightName;
    std::int32_t standardOffset = 0;  // seconds east of Greenwich
    bool hasDaylight = false;
    std::int32_t daylightOffset = 0;
    PosixDayRule start;  // the change to daylight time, in standard time
    PosixDayRule end;    // the change back, in daylight time
};

// Nothing when the text is not a rule string.
std::optional<PosixTzRule> ParsePosixTzRule(std::string_view text);

// The two changes of a year as instants (seconds since 1970, UTC), for a rule with daylight
// time.
struct PosixYearChanges {
    std::int64_t daylightStarts = 0;
    std::int64_t daylightEnds = 0;
};
PosixYearChanges ChangesOfYear(const PosixTzRule& rule, int year);

// The calendar year of an instant in UTC.
int UtcYearOfSeconds(std::int64_t seconds);

// The offset the rule gives at an instant, and whether it is daylight time.
std::int32_t PosixOffsetAt(const PosixTzRule& rule, std::int64_t utcSeconds);
bool PosixIsDaylightAt(const PosixTzRule& rule, std::int64_t utcSeconds);

}  // namespace horavia
