// The words the clock window uses for the sun at a clock: the mark after its time ("☀ day"),
// and the tooltip with the day's sunrise and sunset there.
#pragma once

#include <QString>
#include <functional>

#include "model/instant.h"
#include "model/sun_times.h"

namespace horavia {

// "day", "civil twilight", "nautical twilight", "astronomical twilight", "night".
QString SunStateWord(SunState state);
// The word after a glyph ("☀ day", "◐ civil twilight", "☾ night"), so that it reads without
// colour.
QString SunStateMark(SunState state);

// "Tokyo, Japan: sunrise 06:12, sunset 16:31", "Longyearbyen, Svalbard: sun up all day";
// timeText writes an instant as the clock shows it.
QString SunDayText(const QString& place, const SunDay& day,
                   const std::function<QString(Instant)>& timeText);

}  // namespace horavia
