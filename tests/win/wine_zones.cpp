#include "tests/win/wine_zones.h"

#include <cstring>

#include "tests/win/raw_registry.h"

namespace horavia::wintest {

TIME_ZONE_INFORMATION RawZone::Information() const {
    TIME_ZONE_INFORMATION info{};
    info.Bias = tzi.Bias;
    info.StandardBias = tzi.StandardBias;
    info.DaylightBias = tzi.DaylightBias;
    info.StandardDate = tzi.StandardDate;
    info.DaylightDate = tzi.DaylightDate;
    return info;
}

std::vector<RawZone> ReadRawZones() {
    std::vector<RawZone> zones;
    for (const std::wstring& key : RawSubKeys(HKEY_LOCAL_MACHINE, kTimeZonesKey)) {
        const std::wstring path = std::wstring(kTimeZonesKey) + L"\\" + key;
        RawZone zone;
        zone.key = key;
        zone.display = ReadRawString(HKEY_LOCAL_MACHINE, path, L"Display").value_or(L"");
        zone.std = ReadRawString(HKEY_LOCAL_MACHINE, path, L"Std").value_or(L"");
        zone.dlt = ReadRawString(HKEY_LOCAL_MACHINE, path, L"Dlt").value_or(L"");
        if (const auto tzi = ReadRaw(HKEY_LOCAL_MACHINE, path, L"TZI")) {
            zone.tziBytes = tzi->bytes.size();
            std::memcpy(&zone.tzi, tzi->bytes.data(), std::min(tzi->bytes.size(), sizeof zone.tzi));
        }
        zone.hasYears =
            ReadRaw(HKEY_LOCAL_MACHINE, path + L"\\Dynamic DST", L"FirstEntry").has_value();
        zones.push_back(zone);
    }
    return zones;
}

}  // namespace horavia::wintest
