// The zones' display texts in the user-interface language: tables generated from CLDR
// (resources/zone_names/zone_names_XX.tsv, compiled in), laid over the zone source's English texts.
#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <unordered_map>

#include "model/zone_source.h"

namespace horavia {

struct LocalizedZoneName {
    std::string english;    // the English text the translation was made from
    std::string localized;  // the text shown instead, without the "(UTC...) " prefix
};

// By zone key.
using LocalizedZoneNames = std::unordered_map<std::string, LocalizedZoneName>;

// Lines "key TAB English text TAB localized text"; blank lines and lines starting with '#' are
// comments; a line with another field count or an empty field is left out.
LocalizedZoneNames ParseLocalizedZoneNames(std::string_view text);

// The compiled-in table of a translation's language ("de", "pt_BR"); empty for English and for
// a language without a table.
LocalizedZoneNames CompiledLocalizedZoneNames(const QString& language);

// The zones of another source, each with its language's text where the table has one for the
// zone's key and was made from the same English text (a zone whose text the source already
// gives in another language, or which changed since the table was made, keeps its own). The
// English text stays beside it, so that searches still find the zone by it.
class LocalizedZoneSource final : public ZoneSource {
  public:
    LocalizedZoneSource(ZoneSource& source, LocalizedZoneNames names)
        : source_(source), names_(std::move(names)) {}

    ZoneEntries Entries(int year) override;

  private:
    ZoneSource& source_;
    LocalizedZoneNames names_;
};

}  // namespace horavia
