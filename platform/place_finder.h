// Place search over the table of places compiled into the program (resources/places.tsv).
#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <memory>
#include <optional>
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

// The places' names in `language` ("de", "pt_BR") as compiled into the program; empty for
// English and for a language without them.
QByteArray PlaceNamesResourceText(const QString& language);

// The compiled-in place names of the program's language (SetPlaceNamesLanguage) over
// CompiledPlaceTable, read on the first call; nullptr for English and a language without them.
const PlaceNames* CompiledPlaceNames();

// The language of the translation the program runs in (empty: English), set at start-up: the
// place names of that language alone are read, on the first search.
void SetPlaceNamesLanguage(const QString& language);

// Reads and indexes the table on the first search for something (not for a blank text), not
// before: start-up never pays for it.
class PlaceFinder {
  public:
    // Places named in the program's language (SetPlaceNamesLanguage), or in `language`.
    PlaceFinder();
    explicit PlaceFinder(const QString& language);
    ~PlaceFinder();
    PlaceFinder(const PlaceFinder&) = delete;
    PlaceFinder& operator=(const PlaceFinder&) = delete;

    // See PlaceSearch::Find.
    std::vector<PlaceMatch> Find(std::string_view text, const ZoneCatalogue& catalogue,
                                 std::size_t limit = PlaceSearch::kDefaultLimit);

    // True once a search has read the table.
    bool IsLoaded() const { return search_ != nullptr; }

  private:
    std::optional<QString> language_;  // none: the program's, as it is at the first search
    std::unique_ptr<PlaceSearch> search_;
};

}  // namespace horavia
