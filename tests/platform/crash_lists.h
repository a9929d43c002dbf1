// The two clock lists that the crash test's writer saves in turn, and what the file must then
// hold: every key of one list or every key of the other.
#pragma once

#include <string>
#include <vector>

#include "model/clock_list.h"
#include "model/text_helpers.h"

namespace horavia::testing {

inline constexpr int kCrashClocks = 1000;

// List 0 and list 1 differ in every label, format and on/off value.
inline ClockList CrashList(int which) {
    ClockList clocks;
    for (int i = 0; i < kCrashClocks; ++i) {
        const int n = which == 0 ? i : kCrashClocks - 1 - i;
        clocks.push_back({(which == 0 ? "Alpha " : "Beta, ") + std::to_string(n),
                          which == 0 ? "hh:nn" : "ddd \"x\" hh", (n + which) % 9 + 1, which == 0});
    }
    return clocks;
}

inline ZoneCatalogue PseudoZonesOnly() {
    ZoneCatalogue catalogue;
    catalogue.zones.resize(kFirstRegistryZone);
    return catalogue;
}

inline std::vector<std::string> SlotOrder() {
    std::vector<std::string> keys;
    for (int i = 0; i < kCrashClocks; ++i) keys.push_back(ClockKey(i));
    return keys;
}

}  // namespace horavia::testing
