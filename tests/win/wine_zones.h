// The zones of the registry's time-zone database as the tests read them themselves.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace horavia::wintest {

inline const wchar_t* const kTimeZonesKey =
    L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones";

// The layout of a "TZI" value.
struct RawTzi {
    LONG Bias;
    LONG StandardBias;
    LONG DaylightBias;
    SYSTEMTIME StandardDate;
    SYSTEMTIME DaylightDate;
};
static_assert(sizeof(RawTzi) == 44);

struct RawZone {
    std::wstring key;
    std::wstring display;
    std::wstring std;
    std::wstring dlt;
    std::size_t tziBytes = 0;
    RawTzi tzi{};
    bool hasYears = false;  // a "Dynamic DST" key with records of single years
    // The system's own record for the zone's rule as every year has it.
    TIME_ZONE_INFORMATION Information() const;
};

// Every sub-key of the time-zone key in enumeration order, with its values.
std::vector<RawZone> ReadRawZones();

}  // namespace horavia::wintest
