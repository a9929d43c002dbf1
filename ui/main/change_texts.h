// The words that tell a coming change of a zone's offset, shared by the clock window, the
// notification area, the notification and the command line.
#pragma once

#include <QString>
#include <cstdint>
#include <string>

#include "model/instant.h"
#include "tz/zone_rules.h"

namespace horavia {

// "Clocks go back 1 h on Sun 26 Oct at 03:00 (in 3 days)", "Clocks go forward 30 min on
// Sun 6 Oct at 02:00 (tomorrow)": the amount is |after - before|; the day and the time are the
// zone's wall clock just before the change (its old offset), written as PlanDateText writes a
// day; the distance from `now` counts the zone's calendar days ("(tomorrow)", "(in 3 days)"),
// and on the zone's present day tells the hours and minutes left, rounded up ("(in 5 h)",
// "(in 2 h 30 min)", "(in 40 min)").
QString ChangeSentence(const OffsetChange& change, Instant now);

// What the change does to the difference from this computer's clock (zone offset − computer
// offset): empty when that difference is the same just after the change as just before it;
// otherwise "then 5 h ahead of you instead of 6 h", "then 1 h behind you instead of the same
// time", "then the same time as you instead of 1 h ahead". computerZone nullptr means UTC.
QString ChangeDifferenceText(const OffsetChange& change, const ZoneRules* computerZone);

// An offset as ISO 8601 writes it, in ASCII: "+01:00", "-03:30", "+00:00".
std::string IsoOffsetText(std::int32_t offsetSeconds);

}  // namespace horavia
