#include "model/text_helpers.h"

#include <gtest/gtest.h>

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

TEST(TextHelpers, ReplaceAllStoresBackAndNeverRescansInsertions) {
    std::string text = "aaa";
    EXPECT_EQ(ReplaceAll(text, "a", "aa"), "aaaaaa");
    EXPECT_EQ(text, "aaaaaa");
    std::string dots = "1.234.5";
    ReplaceAll(dots, ".", ",");
    EXPECT_EQ(dots, "1,234,5");
    std::string same = "abc";
    EXPECT_EQ(ReplaceAll(same, "", "x"), "abc");
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
