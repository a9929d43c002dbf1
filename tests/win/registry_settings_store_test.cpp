// The settings store in the user's registry.
#include "platform/win/registry_settings_store.h"

#include <gtest/gtest.h>

#include "platform/win/win_registry.h"
#include "tests/win/raw_registry.h"

namespace horavia {
namespace {

using namespace wintest;

TEST(RegistrySettingsStore, EveryTextRoundTripsAsAStringValueOfItsSection) {
    ScratchKey scratch("settings");
    WinRegistry reg;
    RegistrySettingsStore store(reg, scratch.Path());
    const std::string texts[] = {
        "",
        "a,b",
        "\"quoted\"",
        "x=y;z#w",
        "C:\\path\\",
        "  blanks  ",
        "Z\xc3\xbcrich \xe2\x98\x80",
        std::string("nul\0inside", 10),
        std::string(5000, 'x'),
    };
    for (std::size_t i = 0; i < std::size(texts); ++i) {
        const std::string key = "S" + std::to_string(i) + "Fmt";
        store.Save(key, texts[i]);
        EXPECT_EQ(store.Read(kSettingsApp, kSettingsSection, key), texts[i]) << i;
    }
    // One value per key, REG_SZ, in <root>\Horavia 2.0\Settings.
    const std::wstring section = Wide(scratch.Path() + "\\Horavia 2.0\\Settings");
    EXPECT_EQ(ReadRawString(HKEY_CURRENT_USER, section, L"S1Fmt"), L"a,b");
    EXPECT_FALSE(store.Read(kSettingsApp, kSettingsSection, "Absent"));
    EXPECT_EQ(store.Get("Absent", "default"), "default");
    // A value another tool wrote with another type reads as some text, for the typed readers
    // to reject; it never fails.
    WriteRaw(HKEY_CURRENT_USER, section, L"FontSize", REG_DWORD, std::string("\x0c\0\0\0", 4));
    EXPECT_TRUE(store.Read(kSettingsApp, kSettingsSection, "FontSize"));
}

}  // namespace
}  // namespace horavia
