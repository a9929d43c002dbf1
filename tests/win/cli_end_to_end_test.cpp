// Runs the command-line program on the real registry: the settings in the user's registry and
// the zones of the system's "Time Zones" key.
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

#include "platform/win/registry_settings_store.h"
#include "platform/win/win_registry.h"
#include "tests/win/raw_registry.h"
#include "tests/win/wine_zones.h"

namespace horavia {
namespace {

using namespace wintest;

struct ProgramRun {
    DWORD exitCode = 0xFFFFFFFF;
    std::vector<std::string> lines;  // standard output, without line ends
    std::string err;
};

std::wstring ProgramPath() {
    std::string path = HORAVIA_CLI_EXE;
    if (path.starts_with("/")) path = "Z:" + path;  // a host path, seen through Wine's drive
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return Wide(path);
}

std::string ReadAll(HANDLE pipe) {
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0)
        text.append(buffer, got);
    return text;
}

ProgramRun RunProgram(const std::wstring& arguments) {
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE outRead = nullptr, outWrite = nullptr, errRead = nullptr, errWrite = nullptr;
    CreatePipe(&outRead, &outWrite, &inherit, 0);
    CreatePipe(&errRead, &errWrite, &inherit, 0);
    SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(errRead, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = outWrite;
    startup.hStdError = errWrite;
    std::wstring command = L"\"" + ProgramPath() + L"\" " + arguments;
    PROCESS_INFORMATION process{};
    ProgramRun run;
    const bool started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &process);
    CloseHandle(outWrite);
    CloseHandle(errWrite);
    if (started) {
        // Standard error stays small; standard output is read to its end first.
        const std::string out = ReadAll(outRead);
        run.err = ReadAll(errRead);
        WaitForSingleObject(process.hProcess, 20000);
        GetExitCodeProcess(process.hProcess, &run.exitCode);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
        std::string line;
        for (char c : out) {
            if (c == '\n') {
                run.lines.push_back(line);
                line.clear();
            } else if (c != '\r') {
                line += c;
            }
        }
        if (!line.empty()) run.lines.push_back(line);
    }
    CloseHandle(outRead);
    CloseHandle(errRead);
    return run;
}

// The zone's clock reading now, written "yyyy-mm-dd hh:nn", by the system's own conversion.
std::string SystemZoneNow(const std::wstring& key) {
    for (const RawZone& zone : ReadRawZones()) {
        if (zone.key != key) continue;
        const TIME_ZONE_INFORMATION info = zone.Information();
        SYSTEMTIME utc{};
        SYSTEMTIME local{};
        GetSystemTime(&utc);
        SystemTimeToTzSpecificLocalTime(&info, &utc, &local);
        char text[32];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", local.wYear, local.wMonth,
                      local.wDay, local.wHour, local.wMinute);
        return text;
    }
    return "no such zone";
}

class CommandLine : public ::testing::Test {
  protected:
    void SetUp() override { DeleteRawTree(HKEY_CURRENT_USER, kSettings); }
    void TearDown() override { DeleteRawTree(HKEY_CURRENT_USER, kSettings); }
    static constexpr const wchar_t* kSettings = L"Software\\Horavia\\Horavia 2.0";
};

TEST_F(CommandLine, FirstStartPrintsTheDefaultClocksAndStoresThem) {
    const ProgramRun run = RunProgram(L"--print");
    ASSERT_EQ(run.exitCode, 0u) << run.err;
    ASSERT_EQ(run.lines.size(), 2u);
    std::smatch zulu;
    ASSERT_TRUE(
        std::regex_match(run.lines[0], zulu, std::regex("Zulu\t(\\d\\d):(\\d\\d):(\\d\\d)")))
        << run.lines[0];
    EXPECT_TRUE(std::regex_match(run.lines[1], std::regex("Swatch\t@\\d\\d\\d"))) << run.lines[1];
    SYSTEMTIME utc{};
    GetSystemTime(&utc);
    const int shown = std::stoi(zulu[1]) * 3600 + std::stoi(zulu[2]) * 60 + std::stoi(zulu[3]);
    const int now = utc.wHour * 3600 + utc.wMinute * 60 + utc.wSecond;
    const int apart = std::abs(now - shown);
    EXPECT_TRUE(apart <= 3 || apart >= 86397) << apart;
    const std::wstring section = std::wstring(kSettings) + L"\\Settings";
    EXPECT_EQ(ReadRawString(HKEY_CURRENT_USER, section, L"SVersion"), L"2");
    EXPECT_EQ(ReadRawString(HKEY_CURRENT_USER, section, L"S1Zon"), L"8");
}

TEST_F(CommandLine, StoredClocksShowTheirZonesTimesAndTheTip) {
    WinRegistry reg;
    RegistrySettingsStore store(reg);
    const std::pair<const char*, const char*> settings[] = {
        {"SVersion", "2"},
        {"SZoneNum", "4"},
        {"S0Dis", "Tokyo, Japan"},
        {"S0Zon", "Tokyo Standard Time"},
        {"S0Fmt", "yyyy-mm-dd hh:nn"},
        {"S0Ena", "True"},
        {"S1Dis", "Off"},
        {"S1Zon", "0"},
        {"S1Ena", "False"},
        {"S2Dis", "Gen\xc3\xa8ve"},
        {"S2Zon", "W. Europe Standard Time"},
        {"S2Fmt", "yyyy-mm-dd hh:nn"},
        {"S2Ena", "True"},
        {"S3Dis", "Gone"},
        {"S3Zon", "Atlantis Standard Time"},
        {"S3Ena", "True"},
    };
    for (const auto& [key, text] : settings) store.Save(key, text);

    const std::string tokyoBefore = SystemZoneNow(L"Tokyo Standard Time");
    const std::string genevaBefore = SystemZoneNow(L"W. Europe Standard Time");
    const ProgramRun run = RunProgram(L"--print");
    const std::string tokyoAfter = SystemZoneNow(L"Tokyo Standard Time");
    const std::string genevaAfter = SystemZoneNow(L"W. Europe Standard Time");
    ASSERT_EQ(run.exitCode, 0u) << run.err;
    ASSERT_EQ(run.lines.size(), 3u);
    const std::string tokyo = run.lines[0].substr(run.lines[0].find('\t') + 1);
    EXPECT_TRUE(tokyo == tokyoBefore || tokyo == tokyoAfter) << run.lines[0] << " " << tokyoAfter;
    EXPECT_TRUE(run.lines[1].starts_with("Gen\xc3\xa8ve\t"));
    const std::string geneva = run.lines[1].substr(run.lines[1].find('\t') + 1);
    EXPECT_TRUE(geneva == genevaBefore || geneva == genevaAfter) << geneva << " " << genevaAfter;
    EXPECT_TRUE(run.lines[2].starts_with("Gone\t"));  // an unknown zone still shows a time

    const ProgramRun tip = RunProgram(L"--tip");
    ASSERT_EQ(tip.exitCode, 0u);
    ASSERT_EQ(tip.lines.size(), 1u);
    EXPECT_TRUE(std::regex_match(
        tip.lines[0], std::regex("Tokyo, Japan: \\d\\d:\\d\\d - Gen\xc3\xa8ve: \\d\\d:\\d\\d - "
                                 "Gone: \\d\\d:\\d\\d")))
        << tip.lines[0];
}

}  // namespace
}  // namespace horavia
