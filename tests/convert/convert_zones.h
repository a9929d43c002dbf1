// A small zone database for the converter's tests: two zones without daylight time one hour
// ahead of and five hours behind UTC, and two with daylight time (central Europe, US east).
#pragma once

#include <string>

#include "model/registry.h"
#include "tests/model/tzi_builder.h"

namespace horavia::testing {

inline void AddConverterZones(MemoryRegistry& registry) {
    AddZone(registry, "Plain East", "(UTC+01:00) Plain East", MakeTzi(-60));
    AddZone(registry, "Plain West", "(UTC-05:00) Plain West", MakeTzi(300));
    AddZone(registry, "Central Europe", "(UTC+01:00) Central Europe",
            MakeTzi(-60, -60, kEuStd, kEuDlt));
    AddZone(registry, "US Eastern", "(UTC-05:00) US Eastern", MakeTzi(300, -60, kUsStd, kUsDlt));
}

}  // namespace horavia::testing
