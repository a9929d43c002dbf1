// Planning: moving every clock to another instant by steps, or to a time typed for one clock.
#pragma once

#include <optional>
#include <string>

#include "model/instant.h"
#include "model/locale_info.h"
#include "model/message.h"
#include "tz/civil_days.h"
#include "tz/zone_rules.h"

namespace horavia {

enum class PlanStep { QuarterLater, QuarterEarlier, HourLater, HourEarlier, DayLater, DayEarlier };

// The instant one step from t. Quarter steps go to the next (previous) quarter hour, hour steps
// an hour from the quarter hour at or before (after) t, so that planning keeps to the quarter
// hours. A day step keeps the wall time on the computer's clock (`computerZone`, nullptr: UTC):
// 23 or 25 hours across a change; a wall time skipped on the new day moves on by the change, a
// repeated one takes its first pass. Beyond the calendar's range t stays where it is.
Instant StepPlanTime(Instant t, PlanStep step, const ZoneRules* computerZone);

// A reading typed for a clock, placed on the time line.
struct PlacedReading {
    enum class Kind { Unique, Repeated, Skipped, OutOfRange };
    Kind kind = Kind::OutOfRange;
    Instant at;  // Unique: the instant; Repeated: its first pass; otherwise unset
    // Skipped and Repeated: the clock's readings just before and at the change (02:00 → 03:00).
    CivilTime changeFrom;
    CivilTime changeTo;
};
PlacedReading PlaceReading(const ZoneRules* rules, const CivilTime& reading);

// What is said about a reading that is not unique, with the clock's label:
// "02:30 does not exist on 29 Mar 2026 in Berlin: clocks went from 02:00 to 03:00", and for a
// repeated one that its first pass is shown. Empty for a unique reading.
std::optional<Message> PlacedReadingText(const PlacedReading& placed, const CivilTime& reading,
                                         const std::string& label, const LocaleInfo& locale);

// The instant as ISO 8601 in UTC to the second: "2026-10-14T13:00:00Z".
std::string IsoUtcText(Instant t);
// ISO 8601 with a zone designator: "2026-10-14T15:00Z", "2026-10-14T15:00:30+02:00",
// "2026-10-14 15:00-0500"; seconds and a fraction optional. Empty without the designator.
std::optional<Instant> ParseIsoInstant(const std::string& text);

}  // namespace horavia
