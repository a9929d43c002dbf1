// The compiled-in table of Windows time zones (resources/windows_zones.tsv).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace horavia {

// One Windows zone: its registry key name, texts, the IANA zone that supplies its rules and
// its two world-map area numbers (-1 for none).
struct ZoneTableRow {
    std::string key;
    std::string display;  // without the "(UTC...) " prefix, which follows the live offset
    std::string stdName;
    std::string dltName;
    std::string ianaId;
    std::int32_t mapId1 = -1;
    std::int32_t mapId2 = -1;
};

struct ZoneTable {
    std::vector<ZoneTableRow> rows;
    int skippedLines = 0;  // malformed lines, left out
};

// Blank lines and lines starting with '#' are comments. A data line has exactly seven
// tab-separated fields; a line with another count, an empty key, IANA id or display name, a
// key that could not be a registry key name, or map ids that are not whole numbers is skipped.
ZoneTable ParseZoneTable(std::string_view text);

}  // namespace horavia
