// The places' names in the user's language (resources/place_names_XX.tsv, made by
// tools/gen_place_table.py beside the place table), laid over a PlaceTable.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/place_table.h"

namespace horavia {

struct LocalPlaceName {
    int place = 0;                   // index into PlaceTable::places
    std::string shown;               // the name shown for it ("Pékin"); empty: its own
    std::vector<std::string> names;  // more names to search ("Пекинг")
};

struct PlaceNames {
    std::vector<std::string> countries;  // per PlaceTable::countries; empty where unknown
    std::vector<std::string> regions;    // per PlaceTable::regions; empty where unknown
    std::vector<LocalPlaceName> places;  // by place, ascending
    int skippedLines = 0;                // malformed lines, left out

    // The place's entry, or nullptr.
    const LocalPlaceName* Of(int place) const;
};

// Blank lines and lines starting with '#' are comments. Data lines are tab-separated:
//   C country-code name                  the country's name
//   R country-code region-code name      a region's name
//   P place-k shown name,name...         place k, counted from 0 in the table's places
// A line of another kind or field count, a code the table lacks, a place number out of range
// or not above the one before, or a line with no name is skipped.
PlaceNames ParsePlaceNames(std::string_view text, const PlaceTable& table);

}  // namespace horavia
