#include "model/registry.h"

#include <gtest/gtest.h>

namespace horavia {
namespace {

constexpr RegRoot kHklm = RegRoot::LocalMachine;

TEST(Registry, ReadStringDropsTheLastByte) {
    MemoryRegistry reg;
    RegWriteString(reg, kHklm, "A\\B", "s", "abc");
    reg.SetValue(kHklm, "A\\B", "empty", std::string(1, '\0'));
    reg.SetValue(kHklm, "A\\B", "none", "");
    reg.SetValue(kHklm, "A\\B", "bin", std::string(44, '\x01'));
    reg.SetValue(kHklm, "A\\B", "long", std::string(1025, 'x'));

    std::string text = "unchanged";
    EXPECT_TRUE(RegReadString(reg, kHklm, "a\\b", "S", text));
    EXPECT_EQ(text, "abc");
    EXPECT_TRUE(RegReadString(reg, kHklm, "A\\B", "empty", text));
    EXPECT_EQ(text, "");
    text = "kept";
    EXPECT_FALSE(RegReadString(reg, kHklm, "A\\B", "none", text));
    EXPECT_FALSE(RegReadString(reg, kHklm, "A\\B", "long", text));
    EXPECT_FALSE(RegReadString(reg, kHklm, "A\\B", "missing", text));
    EXPECT_FALSE(RegReadString(reg, kHklm, "No\\Such", "s", text));
    EXPECT_EQ(text, "kept");
    EXPECT_TRUE(RegReadString(reg, kHklm, "A\\B", "bin", text));
    EXPECT_EQ(text.size(), 43u);
}

TEST(Registry, EnumeratesInCaseInsensitiveOrderAndLeavesArrayWhenEmpty) {
    MemoryRegistry reg;
    reg.CreateKey(kHklm, "Zones\\beta");
    reg.CreateKey(kHklm, "Zones\\Alpha");
    reg.CreateKey(kHklm, "Zones\\gamma");
    reg.CreateKey(kHklm, "Empty");
    std::vector<std::string> names{"keep"};
    EXPECT_EQ(RegEnumSubKeys(reg, kHklm, "Empty", names), 0u);
    EXPECT_EQ(RegEnumSubKeys(reg, kHklm, "Missing", names), 0u);
    EXPECT_EQ(names, std::vector<std::string>{"keep"});
    EXPECT_EQ(RegEnumSubKeys(reg, kHklm, "Zones", names), 3u);
    EXPECT_EQ(names, (std::vector<std::string>{"Alpha", "beta", "gamma"}));
}

TEST(Registry, WriteCreatesTheWholePathAndFailsWhereRefused) {
    MemoryRegistry reg;
    EXPECT_TRUE(RegWriteString(reg, RegRoot::CurrentUser, "X\\Y\\Z", "Horavia", "\"a\""));
    auto raw = reg.QueryValue(RegRoot::CurrentUser, "x\\y\\z", "horavia");
    ASSERT_TRUE(raw);
    EXPECT_EQ(*raw, std::string("\"a\"\0", 4));
    reg.SetReadOnly(kHklm, true);
    EXPECT_FALSE(RegWriteString(reg, kHklm, "X", "v", "t"));
}

}  // namespace
}  // namespace horavia
