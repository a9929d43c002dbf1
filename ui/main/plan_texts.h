// The words the clock window uses while the user plans: how far the planned instant is from
// now, the planning line, the working-hours marks and why a meeting time does not suit a clock.
#pragma once

#include <QString>
#include <chrono>

#include "model/instant.h"
#include "model/meeting_search.h"
#include "model/working_hours.h"
#include "tz/zone_rules.h"

namespace horavia {

// "2 d 3 h", "5 h 15 min", "45 min"; "0 min" for no time at all.
QString PlanDurationText(std::chrono::minutes amount);
// "5 h 15 min from now", "1 d ago", or "now" within half a minute; rounded to the minute.
QString PlanDistanceText(Instant planned, Instant now);
// The planned date on the computer's clock (nullptr: UTC), short: "Tue 14 Oct".
QString PlanDateText(Instant planned, const ZoneRules* computerZone);
// "Tue 14 Oct, 5 h 15 min from now — Home: back to now".
QString PlanningLineText(Instant planned, Instant now, const ZoneRules* computerZone);
QString PlanningLineLabel();

// The word for a clock's state ("at work") and the mark drawn after its time ("● at work"):
// a glyph and a word, so that it reads without colour.
QString WorkStateWord(WorkState state);
QString WorkStateMark(WorkState state);

// "Lima: 07:00, 2 h before working hours".
QString ShortfallText(const QString& label, const QString& time, const MeetingShortfall& shortfall);
QString EveryoneAtWorkText();
QString NoWorkingHoursText();
QString UnreadablePlanText();

}  // namespace horavia
