// horavia --changes: when the enabled clocks' offsets change next, for scripts.
#pragma once

#include <QTextStream>

namespace horavia {

class AppState;

// Prints, soonest first (ties in the window's order), one line per enabled clock of a zone
// whose offset changes within `withinDays` days of now (0: the ChangeDays preference, or two
// weeks when that is 0): the label, a TAB, the instant in UTC (ISO 8601), a TAB, the old
// offset, a TAB, the new offset ("+01:00"), a TAB, the sentence the window shows. Returns 0
// when a change was printed, 1 when none comes within the days.
int RunChangesCommand(AppState& state, int withinDays, QTextStream& out);

}  // namespace horavia
