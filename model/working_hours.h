// A clock's working hours: when on the clock's own wall time people there are at work, and
// where those stretches lie on the time line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/instant.h"
#include "tz/zone_rules.h"

namespace horavia {

// The days a shift starts on: bit 0 Monday … bit 6 Sunday.
using WeekdaySet = std::uint8_t;
inline constexpr WeekdaySet kMondayToFriday = 0x1F;
inline constexpr WeekdaySet kEveryDay = 0x7F;

struct WorkingHours {
    int from = 9 * 60;  // minutes after midnight, 0..1439
    int to = 17 * 60;   // 1..1440; at or before `from` the shift ends on the next day
    WeekdaySet days = kMondayToFriday;
    friend bool operator==(const WorkingHours&, const WorkingHours&) = default;
};

inline constexpr const char* kDefaultWorkingHoursText = "09:00-17:00";
inline constexpr const char* kDefaultWorkingDaysText = "12345";

// "09:00-17:00" (the end may be "24:00"; "22:00-06:00" runs overnight); a shift of no length
// is no shift. Empty when the text is not of this shape.
std::optional<WorkingHours> ParseWorkingHours(const std::string& text);
std::string WorkingHoursText(const WorkingHours& hours);
// The working days as ISO weekday digits, 1 Monday … 7 Sunday, each at most once ("12345",
// "7123"); empty when the text is not of this shape or names no day.
std::optional<WeekdaySet> ParseWorkingDays(const std::string& text);
std::string WorkingDaysText(WeekdaySet days);

// The day of the week of a date, 0 Monday … 6 Sunday.
int IsoWeekdayIndex(int year, int month, int day);

// A stretch of working time on the time line: [start, end).
struct WorkPeriod {
    Instant start;
    Instant end;
    friend bool operator==(const WorkPeriod&, const WorkPeriod&) = default;
};

// The working stretches of a clock in zone `rules` (nullptr: UTC) that overlap [from, to), in
// order, touching ones joined. A shift starts and ends where the clock shows its start and end:
// a start skipped by a change of offset is the change itself, a repeated one the first pass.
std::vector<WorkPeriod> WorkPeriodsBetween(const WorkingHours& hours, const ZoneRules* rules,
                                           Instant from, Instant to);

enum class WorkState { Working, Outside, Night };
// Night is 23:00 to 07:00 on the clock, unless people work then.
WorkState WorkStateAt(const WorkingHours& hours, const ZoneRules* rules, Instant t);

}  // namespace horavia
