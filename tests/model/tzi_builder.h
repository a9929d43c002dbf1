// Builds registry zone records for tests.
#pragma once

#include <cstdint>
#include <string>

#include "model/registry.h"
#include "model/yearly_rule_zone.h"
#include "model/zone_catalogue.h"

namespace horavia::testing {

inline void PutWord(std::string& bytes, std::size_t at, int value) {
    const auto v = static_cast<std::uint16_t>(value);
    bytes[at] = static_cast<char>(v & 0xFF);
    bytes[at + 1] = static_cast<char>(v >> 8);
}

inline void PutRule(std::string& bytes, std::size_t at, const TransitionRule& r) {
    PutWord(bytes, at + 2, r.month);
    PutWord(bytes, at + 4, r.dayOfWeek);
    PutWord(bytes, at + 6, r.week);
    PutWord(bytes, at + 8, r.hour);
    PutWord(bytes, at + 10, r.minute);
    PutWord(bytes, at + 12, r.second);
}

// The 44-byte record: bias, daylight bias, standard date, daylight date.
inline std::string MakeTzi(int bias, int daylightBias = 0, TransitionRule stdRule = {},
                           TransitionRule dltRule = {}) {
    std::string bytes(44, '\0');
    PutWord(bytes, 0, bias);
    PutWord(bytes, 2, bias < 0 ? -1 : 0);
    PutWord(bytes, 8, daylightBias);
    PutWord(bytes, 10, daylightBias < 0 ? -1 : 0);
    PutRule(bytes, 12, stdRule);
    PutRule(bytes, 28, dltRule);
    return bytes;
}

inline const TransitionRule kUsStd{11, 0, 1, 2, 0, 0};  // first Sunday of November 02:00
inline const TransitionRule kUsDlt{3, 0, 2, 2, 0, 0};   // second Sunday of March 02:00
inline const TransitionRule kAuStd{4, 0, 1, 3, 0, 0};   // first Sunday of April 03:00
inline const TransitionRule kAuDlt{10, 0, 1, 2, 0, 0};  // first Sunday of October 02:00
inline const TransitionRule kEuStd{10, 0, 5, 3, 0, 0};  // last Sunday of October 03:00
inline const TransitionRule kEuDlt{3, 0, 5, 2, 0, 0};   // last Sunday of March 02:00

inline void AddZone(MemoryRegistry& reg, const std::string& key, const std::string& display,
                    const std::string& tzi, const std::string& mapId = "-1,-1") {
    const std::string path =
        std::string("Software\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones\\") + key;
    RegWriteString(reg, RegRoot::LocalMachine, path, "Display", display);
    RegWriteString(reg, RegRoot::LocalMachine, path, "Std", key);
    RegWriteString(reg, RegRoot::LocalMachine, path, "Dlt", key);
    if (!mapId.empty()) RegWriteString(reg, RegRoot::LocalMachine, path, "MapID", mapId);
    reg.SetValue(RegRoot::LocalMachine, path, "TZI", tzi);
}

}  // namespace horavia::testing
