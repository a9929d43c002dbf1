// The form in which place search compares names and what the user typed.
#pragma once

#include <string>
#include <string_view>

namespace horavia {

// A UTF-8 text folded for comparison: ASCII letters in lower case, Latin letters with
// diacritics as plain ASCII ("Zürich" -> "zurich", "Łódź" -> "lodz", "ß" -> "ss"),
// apostrophes dropped ("St. John's" -> "st johns"), other punctuation and blanks as single
// spaces, none at either end ("Port-au-Prince" -> "port au prince", "America/Denver" ->
// "america denver"). Characters of other scripts, and bytes that are not UTF-8, are kept.
std::string FoldSearchText(std::string_view text);

// FoldSearchText, and Cyrillic letters in lower case too ("Пекин" -> "пекин"): how place search
// compares names, now that it knows names in other scripts.
std::string FoldSearchTextInAnyCase(std::string_view text);

}  // namespace horavia
