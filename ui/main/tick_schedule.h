// When the clock tick runs: once per wall-clock second, woken just after each boundary.
#pragma once

#include "model/instant.h"

namespace horavia {

// How long after a second boundary the tick is woken: a precise timer fires within a
// millisecond or two, so each new second shows well within 20 ms.
inline constexpr int kTickDelayMs = 5;

// The second of the minute (0..59) of an instant: the same on every clock, since every zone's
// offset is whole minutes.
int SecondOfMinute(Instant t);

// Milliseconds from t to the tick after the next second boundary.
int MsToNextTick(Instant t);

// Writes a line per tick when HORAVIA_TICK_LOG names a file: the milliseconds past the second
// boundary at which the tick ran, and once the moment of the first paint. For measurements.
void LogTick();
void LogFirstPaint();

}  // namespace horavia
