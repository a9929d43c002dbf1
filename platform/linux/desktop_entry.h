// Reading and writing the few parts of a freedesktop.org desktop entry that an autostart
// entry needs: the [Desktop Entry] group's keys, string escapes and the Exec quoting rules.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace horavia {

// The raw (still escaped) values of the [Desktop Entry] group, by key. Comments, other groups,
// localised keys and lines without "=" are ignored; blanks around "=" are dropped.
std::map<std::string, std::string> ParseDesktopEntryGroup(std::string_view text);

// String-value escapes: backslash, line feed, tab, carriage return, and a blank at either end
// as \s.
std::string EscapeDesktopString(std::string_view text);
std::string UnescapeDesktopString(std::string_view value);

// One Exec argument (before string escaping): quoted in double quotes, with ", `, $ and the
// backslash escaped, when it holds a reserved character such as a blank; "%" doubled.
std::string QuoteExecArgument(std::string_view argument);

// The first argument of an (already string-unescaped) Exec value; empty optional when there is
// none or its quotes are unbalanced.
std::optional<std::string> FirstExecArgument(std::string_view exec);

}  // namespace horavia
