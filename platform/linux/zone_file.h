// The compiled zone files of the system's tz database.
#pragma once

#include <optional>
#include <string>

#include "tz/zone_timeline.h"

namespace horavia {

inline constexpr char kSystemZoneFolder[] = "/usr/share/zoneinfo";

// The zone file of an IANA zone id in the folder; nothing when the id is not a plain relative
// name, or the file is missing or malformed.
std::optional<ZoneTimeline> LoadZoneTimeline(const std::string& ianaId,
                                             const std::string& folder = kSystemZoneFolder);
// The zone file at a path.
std::optional<ZoneTimeline> LoadZoneFile(const std::string& path);

}  // namespace horavia
