// Starting the program at log-on on Windows: the "Horavia" value under the user's Run key.
#pragma once

#include <optional>
#include <string>

#include "model/registry.h"

namespace horavia {

inline constexpr const char* kRunKeyPathNt = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Run";
inline constexpr const char* kRunValue = "Horavia";

// The entry's text for a program: a double quote, the folder with a trailing backslash, the
// file name without its extension, ".exe" and a closing double quote.
std::string RunEntryText(const std::string& programFolder, const std::string& programName);

// This program's .exe in double quotes ("C:\...\horavia.exe"), from the running module's own
// file name; the empty text when the system cannot tell it.
std::string ProgramRunEntryText();

// Empties the user's copy of the value under the Windows NT Run key, then writes runText as the
// user's Run value; the empty text means no start at log-on (the value is emptied, never
// deleted). True when the Run value was written.
bool WriteRunEntry(RegistryBackend& registry, const std::string& runText);

// The user's Run value; an empty optional when there is none.
std::optional<std::string> ReadRunEntry(RegistryBackend& registry);

}  // namespace horavia
