// The log-on entry's text for this program on Windows.
#pragma once

#include <string>

namespace horavia {

// This program's .exe in double quotes ("C:\...\horavia.exe"), from the running module's own
// file name; the empty text when the system cannot tell it.
std::string ProgramRunEntryText();

}  // namespace horavia
