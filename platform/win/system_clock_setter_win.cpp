#include "platform/win/system_clock_setter_win.h"

#include <cmath>
#include <utility>

#include "model/day_count.h"
#include "model/zone_time.h"

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

std::optional<SYSTEMTIME> SystemTimeFromUtc(DayCount utc) {
    const std::optional<CivilTime> t = ToCivil(utc);
    if (!t || t->year < 1601 || t->year > 30827) return std::nullopt;
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(t->year);
    st.wMonth = static_cast<WORD>(t->month);
    st.wDay = static_cast<WORD>(t->day);
    st.wDayOfWeek = static_cast<WORD>(WeekdayOfDays(DaysFromCivil(t->year, t->month, t->day)));
    st.wHour = static_cast<WORD>(t->hour);
    st.wMinute = static_cast<WORD>(t->minute);
    st.wSecond = static_cast<WORD>(t->second);
    st.wMilliseconds = static_cast<WORD>(t->millisecond);
    return st;
}

WinSystemClockSetter::WinSystemClockSetter(LocalZoneSource& localZone)
    : WinSystemClockSetter(localZone, &SetViaSetSystemTime) {}

WinSystemClockSetter::WinSystemClockSetter(LocalZoneSource& localZone, Backend setUtc)
    : localZone_(localZone), setUtc_(std::move(setUtc)) {}

ClockSetResult WinSystemClockSetter::SetLocalDateTime(DayCount local) {
    if (!std::isfinite(local)) return ClockSetResult::Failed;
    const std::optional<SYSTEMTIME> utc =
        SystemTimeFromUtc(UtcFromLocal(local, localZone_.Query().bias));
    if (!utc || !setUtc_) return ClockSetResult::Failed;
    return setUtc_(*utc);
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
