#include "app/find_command.h"

#include <QDate>

#include "app/print_line.h"
#include "model/zone_catalogue_loader.h"
#include "platform/localized_zone_names.h"
#include "platform/place_finder.h"
#include "platform/platform.h"
#include "platform/stderr_messages.h"
#include "ui/main/message_text.h"

namespace horavia {

int RunFindCommand(const QString& text, QTextStream& out, const QString& language) {
    const std::unique_ptr<Platform> platform = CreatePlatform();
    const std::unique_ptr<ZoneSource> zones = platform->CreateZoneSource();
    if (!zones) return 2;
    LocalizedZoneSource localized(*zones, CompiledLocalizedZoneNames(language));
    StderrMessages messages{MessageUtf8};
    ZoneCatalogue catalogue;
    // The display texts carry this year's offsets, as the program shows them.
    if (!LoadZoneCatalogue(catalogue, localized, QDate::currentDate().year(), messages)) {
        return 2;
    }
    PlaceFinder finder;
    const std::vector<PlaceMatch> matches = finder.Find(text.toStdString(), catalogue);
    for (const PlaceMatch& match : matches) {
        out << OneLine(QString::fromStdString(match.place)) << '\t'
            << OneLine(QString::fromStdString(match.tzId)) << '\t'
            << OneLine(QString::fromStdString(match.zoneDisplay)) << '\n';
    }
    out.flush();
    return matches.empty() ? 1 : 0;
}

}  // namespace horavia
