// The text of the program's autostart entry and the run text it stands for (the program it
// starts, in double quotes when the program wrote it), without any file access.
#pragma once

#include <string>
#include <string_view>

namespace horavia {

// The entry for a run text. A text naming a program (surrounding double quotes are dropped)
// gives an enabled entry with that program in Exec; the empty text gives a disabled entry that
// keeps the program and run text of previousEntry (the file's current text, or empty).
std::string AutostartEntryText(const std::string& runText, std::string_view previousEntry);

// The program a run text names, surrounding double quotes dropped; empty when it names none.
std::string ProgramOfRunText(const std::string& text);

// The run text an entry stands for: the empty text when the entry is disabled or names no
// program; otherwise the text last written (or, for an entry changed by other tools, its
// program in double quotes).
std::string ReadAutostartRunText(std::string_view entry);

}  // namespace horavia
