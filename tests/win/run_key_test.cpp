// Starting at log-on on Windows: the platform's operation over the real Run keys.
#include <gtest/gtest.h>

#include "model/zone_catalogue_loader.h"
#include "platform/platform.h"
#include "platform/win/run_entry_win.h"
#include "platform/win/win_registry.h"
#include "tests/win/raw_registry.h"

namespace horavia {
namespace {

using namespace wintest;

// Wine starts what the Run keys name whenever a prefix starts: take every entry away again.
class RunKeys : public ::testing::Test {
  protected:
    void TearDown() override {
        for (const char* path : {kRunKeyPath, kRunKeyPathNt}) {
            DeleteRawValue(HKEY_CURRENT_USER, Wide(path), L"Horavia");
        }
    }
    static std::optional<std::wstring> Entry(HKEY root, const char* path) {
        return ReadRawString(root, Wide(path), L"Horavia");
    }
};

TEST(RunEntryText, IsTheQuotedProgramWithOneBackslashAfterItsFolder) {
    EXPECT_EQ(RunEntryText("C:\\Program Files\\Horavia", "horavia"),
              "\"C:\\Program Files\\Horavia\\horavia.exe\"");
    EXPECT_EQ(RunEntryText("D:\\", "horavia"), "\"D:\\horavia.exe\"");  // a drive root
}

TEST_F(RunKeys, TheProgramsEntryIsWrittenAndEmptiedButNeverDeleted) {
    const std::string text = ProgramRunEntryText();
    // "C:\...\test_win_platform.exe" in double quotes, with the system's separators.
    ASSERT_GT(text.size(), 8u);
    EXPECT_EQ(text.front(), '"');
    EXPECT_EQ(text.substr(2, 2), ":\\");
    EXPECT_EQ(text.find('/'), std::string::npos);
    EXPECT_TRUE(text.ends_with("\\test_win_platform.exe\"")) << text;

    const auto platform = CreatePlatform();
    EXPECT_FALSE(platform->IsLogOnStartEnabled());
    // A copy of the value under the Windows NT Run key is emptied.
    ASSERT_TRUE(WriteRawString(HKEY_CURRENT_USER, Wide(kRunKeyPathNt), L"Horavia", L"\"x.exe\""));
    EXPECT_TRUE(platform->EnableLogOnStart());
    EXPECT_EQ(Entry(HKEY_CURRENT_USER, kRunKeyPath), Wide(text));
    EXPECT_EQ(Entry(HKEY_CURRENT_USER, kRunKeyPathNt), L"");
    EXPECT_TRUE(platform->IsLogOnStartEnabled());
    // The machine's keys are never written: their entries stay absent.
    EXPECT_FALSE(Entry(HKEY_LOCAL_MACHINE, kRunKeyPath));
    EXPECT_FALSE(Entry(HKEY_LOCAL_MACHINE, kRunKeyPathNt));

    EXPECT_TRUE(platform->DisableLogOnStart());
    EXPECT_EQ(Entry(HKEY_CURRENT_USER, kRunKeyPath), L"") << "emptied, not deleted";
    EXPECT_EQ(Entry(HKEY_CURRENT_USER, kRunKeyPathNt), L"");
    EXPECT_FALSE(platform->IsLogOnStartEnabled());
    // What the program reads back through its own routine.
    WinRegistry reg;
    EXPECT_EQ(ReadRunEntry(reg), "");
}

}  // namespace
}  // namespace horavia
