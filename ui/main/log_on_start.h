// The log-on start entry.
#pragma once

#include <string>

#include "model/startup_entry.h"
#include "model/zone_model.h"

namespace horavia {

// Empties every copy of the log-on entry, then writes the program (or the empty text when
// StartUp is off) under the user's Run key. Failed writes are ignored.
void RegisterStartUp(AppState& state, const std::string& quotedProgramPath);

// This program's file in double quotes, as the log-on entry names it, with the system's own
// separators (backslashes on Windows).
std::string QuotedProgramPath();

}  // namespace horavia
