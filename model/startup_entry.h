// The log-on start entries in the registry's Run keys.
#pragma once

#include <string>

#include "model/registry.h"

namespace horavia {

inline constexpr const char* kRunKeyPathNt = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Run";
inline constexpr const char* kRunValue = "Horavia";

// The entry's text for a program: a double quote, the folder with a trailing backslash, the
// file name without its extension, ".exe" and a closing double quote.
std::string RunEntryText(const std::string& programFolder, const std::string& programName);

// Empties every copy of the entry (both Run keys of the user and of the machine), then writes
// runText under the user's Run key when startUp is on, the empty text otherwise. The entry is
// never deleted; failed writes are ignored.
void WriteStartUpEntries(RegistryBackend& registry, bool startUp, const std::string& runText);

}  // namespace horavia
