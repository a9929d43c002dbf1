#include "model/text_helpers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace horavia {
namespace {

TEST(TextHelpers, StripAtNulCutsAndTrims) {
    EXPECT_EQ(StripAtNul(std::string("  abc \0def", 10)), "abc");
    EXPECT_EQ(StripAtNul("  plain  "), "plain");
    EXPECT_EQ(StripAtNul(std::string("\0x", 2)), "");
}

TEST(TextHelpers, AddBackslashOnlyWhenMissing) {
    EXPECT_EQ(AddBackslash("C:\\Prog"), "C:\\Prog\\");
    EXPECT_EQ(AddBackslash("C:\\"), "C:\\");
    EXPECT_EQ(AddBackslash(""), "\\");
}

TEST(TextHelpers, MinMaxClamp) {
    EXPECT_EQ(MinOf(3, 5), 3);
    EXPECT_EQ(MaxOf(3, 5), 5);
    EXPECT_EQ(ClampValue(7, 0, 4), 4);
    EXPECT_EQ(ClampValue(-2, 0, 4), 0);
    EXPECT_EQ(ClampValue(2, 0, 4), 2);
}

TEST(TextHelpers, ClockKeysRoundTrip) {
    EXPECT_EQ(ClockKey(3), "K0003");
    EXPECT_EQ(ClockKey(10000), "K10000");
    EXPECT_EQ(ClockKeyIndex("K0003"), 3);
    EXPECT_EQ(ClockKeyIndex("K12345"), 12345);
    EXPECT_EQ(ClockKeyIndex("K"), -1);
    EXPECT_EQ(ClockKeyIndex("Kx1"), -1);
    EXPECT_EQ(ClockKeyIndex("K99999999999"), -1);
}

}  // namespace
}  // namespace horavia

namespace horavia {
namespace {

TEST(TextHelpers, SplitLinesDropsCarriageReturnsAndKeepsEmptyLines) {
    EXPECT_EQ(SplitLines("a\r\n\nb"), (std::vector<std::string_view>{"a", "", "b"}));
    EXPECT_EQ(SplitLines("a\n"), (std::vector<std::string_view>{"a"}));
    EXPECT_TRUE(SplitLines("").empty());
}

// Cutting a UTF-8 text never splits a character: "a", "é" (2 bytes), "€" (3), "😀" (4).
TEST(TextHelpers, Utf8PrefixesEndOnCharacterBoundaries) {
    const std::string text = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";
    const std::vector<std::pair<std::size_t, std::size_t>> bytesToLength = {
        {0, 0}, {1, 1}, {2, 1}, {3, 3}, {4, 3}, {5, 3}, {6, 6}, {9, 6}, {10, 10}, {99, 10}};
    for (const auto& [bytes, length] : bytesToLength) {
        EXPECT_EQ(Utf8Prefix(text, bytes).size(), length) << bytes;
    }
    const std::vector<std::pair<std::size_t, std::size_t>> charsToLength = {
        {0, 0}, {1, 1}, {2, 3}, {3, 6}, {4, 10}, {5, 10}};
    for (const auto& [chars, length] : charsToLength) {
        EXPECT_EQ(Utf8PrefixChars(text, chars).size(), length) << chars;
    }
}

}  // namespace
}  // namespace horavia

namespace horavia {
namespace {

TEST(Numbers, LeadingNumberReadsThePrefixWithAPoint) {
    const std::vector<std::pair<std::string, double>> cases{
        {"12", 12}, {"  12abc", 12}, {"-3.5x", -3.5}, {"+.5", 0.5},  {"7.", 7}, {"1e2", 100},
        {"1e", 1},  {"1e+", 1},      {"2E-1h", 0.2},  {"abc", 0},    {"", 0},   {".", 0},
        {"-", 0},   {"e5", 0},       {"1,5", 1},      {"1e-999", 0},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_DOUBLE_EQ(LeadingNumber(text), expected) << '"' << text << '"';
    }
    EXPECT_TRUE(std::isinf(LeadingNumber("9e999")));
}

// Each reader's syntax over the same texts: where one caller accepts a form another rejects,
// the table shows it side by side.
TEST(Numbers, ParseNumberFollowsEachCallersSyntax) {
    const NumberSyntax settings{};                            // point, "," groups, exponent
    const NumberSyntax german{.decimal = ",", .group = "."};  // "." always a decimal point
    const NumberSyntax french{.decimal = ",", .group = "\xC2\xA0", .exponent = false};
    const std::optional<double> no;
    struct Case {
        const char* text;
        std::optional<double> asSettings, asGerman, asFrench;
    };
    const Case cases[] = {
        {"12", 12, 12, 12},
        {" \t-3.5 ", -3.5, -3.5, -3.5},
        {"+.5", 0.5, 0.5, 0.5},
        {"7.", 7, 7, 7},
        {"1,5", 15, 1.5, 1.5},
        {"1,234.5", 1234.5, no, no},
        {"1.234,5", no, no, no},
        {"1\xC2\xA0"
         "234,5",
         no, no, 1234.5},
        {"1,", no, 1, 1},
        {"1,,2", no, no, no},
        {",5", no, 0.5, 0.5},
        {"1e3", 1000, 1000, no},
        {"1e", no, no, no},
        {"e5", no, no, no},
        {"1e999", no, no, no},
        {"", no, no, no},
        {"-", no, no, no},
        {".", no, no, no},
        {"+-5", no, no, no},
        {"5 5", no, no, no},
        {"\r5", no, no, no},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseNumber(c.text, settings), c.asSettings) << '"' << c.text << '"';
        EXPECT_EQ(ParseNumber(c.text, german), c.asGerman) << '"' << c.text << '"';
        EXPECT_EQ(ParseNumber(c.text, french), c.asFrench) << '"' << c.text << '"';
    }
}

TEST(Numbers, WholeNumbersStayWithinThirtyTwoBits) {
    const std::optional<std::int32_t> no;
    const std::pair<const char*, std::optional<std::int32_t>> cases[] = {
        {"5", 5},
        {" +7 ", 7},
        {"-2147483648", INT32_MIN},
        {"2147483647", INT32_MAX},
        {"2147483648", no},
        {"1.0", no},
        {"1,000", no},
        {"1e2", no},
        {"+-5", no},
        {"", no},
        {"0x10", no},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(ParseWholeNumber(text), expected) << text;
}

}  // namespace
}  // namespace horavia
