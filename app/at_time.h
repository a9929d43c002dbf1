// horavia --print --at TIME, --tip --at TIME: the instant a typed time names.
#pragma once

#include <QString>
#include <optional>

#include "model/instant.h"

namespace horavia {

class AppState;

// What a typed time names. `at` is set unless the time does not read or does not exist; then
// `exitCode` says how the run ends and the reason has been written to standard error (for a
// repeated reading, the note that its first pass is taken is written too, and `at` is set).
struct AtTime {
    std::optional<Instant> at;
    int exitCode = 0;
};

// Reads ISO 8601 with a zone designator; else a date and time (or a time alone, on that zone's
// today) on this computer's clock, or followed by a place or tz id, resolved as --find resolves
// it: the longest leading part that reads as a date and time wins.
AtTime ResolveAtTime(AppState& state, const QString& text);

}  // namespace horavia
