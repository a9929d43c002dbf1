#include "platform/win/system_clock_setter_win.h"

#include <chrono>
#include <utility>

namespace horavia {
namespace {

void EnableSystemTimePrivilege() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
        return;
    }
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (LookupPrivilegeValueW(nullptr, SE_SYSTEMTIME_NAME, &privileges.Privileges[0].Luid)) {
        AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    }
    CloseHandle(token);
}

}  // namespace

std::optional<SYSTEMTIME> SystemTimeFromUtc(Instant utc) {
    using namespace std::chrono;
    const sys_days day = floor<days>(utc);
    const year_month_day date{day};
    const int year = static_cast<int>(date.year());
    if (year < 1601 || year > 30827) return std::nullopt;
    const hh_mm_ss<milliseconds> time{utc - day};
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(year);
    st.wMonth = static_cast<WORD>(static_cast<unsigned>(date.month()));
    st.wDay = static_cast<WORD>(static_cast<unsigned>(date.day()));
    st.wDayOfWeek = static_cast<WORD>(weekday{day}.c_encoding());
    st.wHour = static_cast<WORD>(time.hours().count());
    st.wMinute = static_cast<WORD>(time.minutes().count());
    st.wSecond = static_cast<WORD>(time.seconds().count());
    st.wMilliseconds = static_cast<WORD>(time.subseconds().count());
    return st;
}

WinSystemClockSetter::WinSystemClockSetter() : WinSystemClockSetter(&SetViaSetSystemTime) {}

WinSystemClockSetter::WinSystemClockSetter(Backend setUtc) : setUtc_(std::move(setUtc)) {}

void WinSystemClockSetter::SetTime(Instant utc, ClockSetPrompt, SetHandler done) {
    const std::optional<SYSTEMTIME> st = SystemTimeFromUtc(utc);
    const ClockSetResult result = st && setUtc_ ? setUtc_(*st) : ClockSetResult::Failed;
    if (done) done(result);
}

ClockSetResult WinSystemClockSetter::SetViaSetSystemTime(const SYSTEMTIME& utc) {
    EnableSystemTimePrivilege();
    if (SetSystemTime(&utc) != 0) return ClockSetResult::Set;
    const DWORD error = GetLastError();
    return error == ERROR_PRIVILEGE_NOT_HELD || error == ERROR_ACCESS_DENIED
               ? ClockSetResult::NotAuthorised
               : ClockSetResult::Failed;
}

}  // namespace horavia
