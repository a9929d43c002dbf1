// Small text and number helpers shared by every part of the program.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace horavia {

// The part before the first NUL (the whole text when there is none), trimmed of blanks.
std::string StripAtNul(const std::string& text);

// The path followed by a backslash unless it already ends with one.
std::string AddBackslash(const std::string& path);

// Replaces every occurrence of find (left to right, never inside an inserted replacement);
// the result is also stored back into text. An empty find changes nothing.
std::string ReplaceAll(std::string& text, const std::string& find, const std::string& replacement);

// The lines of a text, split at LF with a CR before it dropped; no line after a final LF.
std::vector<std::string_view> SplitLines(std::string_view text);

// Blanks (spaces and tabs) trimmed from both ends.
std::string Trim(const std::string& text);

template <typename T>
constexpr T MinOf(T a, T b) {
    return b < a ? b : a;
}
template <typename T>
constexpr T MaxOf(T a, T b) {
    return a < b ? b : a;
}
template <typename T>
constexpr T ClampValue(T x, T low, T high) {
    return MinOf(MaxOf(x, low), high);
}

// "K" and the clock index with at least four digits: 3 -> "K0003", 12345 -> "K12345".
std::string ClockKey(int index);
// The whole number formed by all characters after the first; -1 when they are not digits.
int ClockKeyIndex(const std::string& key);

// The longest start of a UTF-8 text that holds at most maxBytes bytes and does not end inside
// a character.
std::string_view Utf8Prefix(std::string_view text, std::size_t maxBytes);
// The start of a UTF-8 text holding at most maxChars characters (code points).
std::string_view Utf8PrefixChars(std::string_view text, std::size_t maxChars);

// ASCII letters in lower case; other bytes unchanged.
std::string ToLowerAscii(std::string text);

// Case-insensitive ASCII comparison, used for registry key order and True/False.
bool EqualsIgnoreCase(const std::string& a, const std::string& b);
int CompareIgnoreCase(const std::string& a, const std::string& b);

}  // namespace horavia
