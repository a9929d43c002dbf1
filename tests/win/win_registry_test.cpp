// The registry routines over the real registry (Wine's, in the tests' prefix).
#include "platform/win/win_registry.h"

#include <gtest/gtest.h>

#include <cctype>

#include "model/registry.h"
#include "tests/win/raw_registry.h"

namespace horavia {
namespace {

using namespace wintest;
constexpr RegRoot kHkcu = RegRoot::CurrentUser;

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string Utf16Bytes(const std::wstring& text) {
    return {reinterpret_cast<const char*>(text.c_str()), (text.size() + 1) * sizeof(wchar_t)};
}

TEST(WinRegistry, ReadsEachKindOfValueOneCharacterPerByteLessTheLast) {
    ScratchKey scratch("read");
    const HKEY hkcu = HKEY_CURRENT_USER;
    const std::wstring key = scratch.WidePath();
    std::string tzi(44, '\0');
    for (std::size_t i = 0; i < tzi.size(); ++i) tzi[i] = static_cast<char>(0xC4 + i);
    WriteRaw(hkcu, key, L"abc", REG_SZ, Utf16Bytes(L"abc"));
    WriteRaw(hkcu, key, L"empty", REG_SZ, Utf16Bytes(L""));
    WriteRaw(hkcu, key, L"nodata", REG_BINARY, "");
    WriteRaw(hkcu, key, L"TZI", REG_BINARY, tzi);
    WriteRaw(hkcu, key, L"dword", REG_DWORD, std::string("\x2a\0\0\0", 4));
    WriteRaw(hkcu, key, L"accents", REG_SZ, Utf16Bytes(L"Z\u00fcrich \u2600"));
    WriteRaw(hkcu, key, L"expand", REG_EXPAND_SZ, Utf16Bytes(L"%TEMP%\\x"));
    // 1024 bytes of text and its NUL: one byte more than the routines' buffer.
    WriteRaw(hkcu, key, L"long", REG_SZ, Utf16Bytes(std::wstring(1024, L'x')));
    WriteRaw(hkcu, key, L"longest", REG_SZ, Utf16Bytes(std::wstring(1023, L'x')));

    struct Case {
        const char* name;
        bool read;
        std::string text;
    };
    const Case cases[] = {
        {"abc", true, "abc"},
        {"ABC", true, "abc"},  // value names ignore case
        {"empty", true, ""},
        {"nodata", false, "unchanged"},
        {"TZI", true, tzi.substr(0, 43)},
        {"dword", true, std::string("\x2a\0\0", 3)},
        {"accents", true, "Z\xc3\xbcrich \xe2\x98\x80"},
        {"expand", true, "%TEMP%\\x"},  // as stored, not expanded
        {"long", false, "unchanged"},
        {"longest", true, std::string(1023, 'x')},
        {"missing", false, "unchanged"},
    };
    WinRegistry reg;
    for (const Case& c : cases) {
        std::string text = "unchanged";
        EXPECT_EQ(RegReadString(reg, kHkcu, scratch.Path(), c.name, text), c.read) << c.name;
        EXPECT_EQ(text, c.text) << c.name;
    }
    std::string text = "unchanged";
    EXPECT_FALSE(RegReadString(reg, kHkcu, scratch.Path() + "\\No such key", "abc", text));
    EXPECT_TRUE(RegReadString(reg, kHkcu, Upper(scratch.Path()), "abc", text));
}

TEST(WinRegistry, EnumeratesSubKeysAsTheRegistryListsThem) {
    ScratchKey scratch("enum");
    const std::wstring key = scratch.WidePath();
    for (const wchar_t* name : {L"beta", L"Alpha", L"gamma", L"\u00c4rger", L"Empty"}) {
        WriteRawString(HKEY_CURRENT_USER, key + L"\\" + name, L"v", L"");
    }
    WinRegistry reg;
    std::vector<std::string> names{"keep"};
    EXPECT_EQ(RegEnumSubKeys(reg, kHkcu, scratch.Path() + "\\Empty", names), 0u);
    EXPECT_EQ(RegEnumSubKeys(reg, kHkcu, scratch.Path() + "\\Missing", names), 0u);
    EXPECT_EQ(names, std::vector<std::string>{"keep"});

    std::vector<std::string> expected;
    for (const std::wstring& name : RawSubKeys(HKEY_CURRENT_USER, key)) {
        expected.push_back(Utf8(name));
    }
    ASSERT_EQ(expected.size(), 5u);
    EXPECT_EQ(RegEnumSubKeys(reg, kHkcu, scratch.Path(), names), 5u);
    EXPECT_EQ(names, expected);
}

TEST(WinRegistry, WritesStringValuesUnderTheUserAndRefusesTheMachine) {
    ScratchKey scratch("write");
    WinRegistry reg;
    const std::string deep = scratch.Path() + "\\A\\B\\C";
    EXPECT_TRUE(RegWriteString(reg, kHkcu, deep, "Horavia", "\"C:\\Program Files\\x.exe\""));
    EXPECT_TRUE(RegWriteString(reg, kHkcu, deep, "Label", "Gen\xc3\xa8ve"));
    EXPECT_TRUE(RegWriteString(reg, kHkcu, deep, "Empty", ""));
    EXPECT_EQ(ReadRawString(HKEY_CURRENT_USER, Wide(deep), L"Horavia"),
              L"\"C:\\Program Files\\x.exe\"");
    EXPECT_EQ(ReadRawString(HKEY_CURRENT_USER, Wide(deep), L"Label"), L"Gen\u00e8ve");
    const auto empty = ReadRaw(HKEY_CURRENT_USER, Wide(deep), L"Empty");
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(empty->bytes, std::string(2, '\0'));  // just the terminating NUL
    std::string text;
    EXPECT_TRUE(RegReadString(reg, kHkcu, deep, "Label", text));
    EXPECT_EQ(text, "Gen\xc3\xa8ve");

    const std::string machineKey = "Software\\Horavia Tests\\Machine";
    EXPECT_FALSE(RegWriteString(reg, RegRoot::LocalMachine, machineKey, "v", "t"));
    EXPECT_FALSE(RawKeyExists(HKEY_LOCAL_MACHINE, Wide(machineKey)));
}

}  // namespace
}  // namespace horavia
