// horavia --meet: the next time that suits every enabled clock with working hours.
#pragma once

#include <QTextStream>

namespace horavia {

class AppState;

// Looks from the next quarter hour `withinDays` ahead (0: two weeks) for a meeting of
// `lengthMinutes` (0: the preference). Prints the enabled clocks at its start as --print does,
// then the start as ISO 8601 in UTC; when it suits not everybody, writes to standard error who
// is outside working hours and by how much. Returns 0, or 1 when no enabled clock has working
// hours (told on standard error).
int RunMeetCommand(AppState& state, int withinDays, int lengthMinutes, QTextStream& out);

}  // namespace horavia
