// Place search over the table of places compiled into the program (resources/places.tsv).
#pragma once

#include <QByteArray>
#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "model/place_search.h"
#include "model/place_table.h"
#include "model/zone_catalogue.h"

namespace horavia {

// The place table's text as compiled into the program.
QByteArray PlaceTableResourceText();

// The compiled-in place table, parsed on the first call (not at start-up) and kept for the
// rest of the run; shared by all callers.
const PlaceTable& CompiledPlaceTable();

// Reads and indexes the table on the first search for something (not for a blank text), not
// before: start-up never pays for it.
class PlaceFinder {
  public:
    PlaceFinder();
    ~PlaceFinder();
    PlaceFinder(const PlaceFinder&) = delete;
    PlaceFinder& operator=(const PlaceFinder&) = delete;

    // See PlaceSearch::Find.
    std::vector<PlaceMatch> Find(std::string_view text, const ZoneCatalogue& catalogue,
                                 std::size_t limit = PlaceSearch::kDefaultLimit);

    // True once a search has read the table.
    bool IsLoaded() const { return search_ != nullptr; }

  private:
    std::unique_ptr<PlaceSearch> search_;
};

}  // namespace horavia
