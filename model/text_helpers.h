// Small text and number helpers shared by every part of the program.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace horavia {

// The part before the first NUL (the whole text when there is none), trimmed of blanks.
std::string StripAtNul(const std::string& text);

// The path followed by a backslash unless it already ends with one.
std::string AddBackslash(const std::string& path);

// The lines of a text, split at LF with a CR before it dropped; no line after a final LF.
std::vector<std::string_view> SplitLines(std::string_view text);

// Blanks (spaces and tabs) trimmed from both ends: a view into the text, and a copy.
std::string_view TrimBlanks(std::string_view text);
std::string Trim(std::string_view text);

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

// An ASCII letter in lower case; other bytes unchanged.
constexpr char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}
// ASCII letters in lower case; other bytes unchanged.
std::string ToLowerAscii(std::string text);

// Case-insensitive ASCII comparison, used for registry key order and True/False.
bool EqualsIgnoreCase(const std::string& a, const std::string& b);
int CompareIgnoreCase(const std::string& a, const std::string& b);

// How a number may be written. A point always works as the decimal separator; the locale's
// own may stand beside it. The group separator (ignored when empty or ".") may stand between
// two digits of the whole part.
struct NumberSyntax {
    std::string_view decimal = ".";
    std::string_view group = ",";
    bool fraction = true;
    bool exponent = true;  // "e" or "E", an optional sign and at least one digit
};

// The number a text starts with: an optional sign, then digits as the syntax allows.
struct ScannedNumber {
    std::size_t length = 0;  // characters read; 0 when the text does not start with a number
    double value = 0;        // beyond the range of a double: signed infinity, or 0 when too small
    bool inRange = true;
};
ScannedNumber ScanNumber(std::string_view text, const NumberSyntax& syntax = {});

// The whole text as a number, blanks (spaces and tabs) around ignored; empty when it is not
// one or lies beyond the range of a double.
std::optional<double> ParseNumber(std::string_view text, const NumberSyntax& syntax = {});

// A whole number in the signed 32-bit range, with an optional sign and blanks around.
std::optional<std::int32_t> ParseWholeNumber(std::string_view text);

// The number the text starts with after leading white space, read with a point whatever the
// locale, no group separator; 0 when it does not start with one.
double LeadingNumber(std::string_view text);

// Halves go to the even neighbour; empty when outside the signed 32-bit range.
std::optional<std::int32_t> RoundToInt32(double value);

}  // namespace horavia
