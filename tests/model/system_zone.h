// The system's zone files (/usr/share/zoneinfo) as timelines, each read once, for the tests
// and printers that compare with Python's zoneinfo.
#pragma once

#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "tz/zone_timeline.h"

namespace horavia::testing {

// The zone with this tz id; nullptr when its file is missing or does not read.
inline const ZoneTimeline* SystemZone(const std::string& id) {
    static std::map<std::string, ZoneTimeline> zones;
    if (const auto found = zones.find(id); found != zones.end()) return &found->second;
    std::ifstream in("/usr/share/zoneinfo/" + id, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    auto timeline = ZoneTimeline::FromTzif(bytes);
    if (!timeline) return nullptr;
    return &zones.emplace(id, std::move(*timeline)).first->second;
}

}  // namespace horavia::testing
