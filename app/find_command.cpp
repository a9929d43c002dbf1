#include "app/find_command.h"

#include <QDate>

#include "app/print_line.h"
#include "model/zone_catalogue_loader.h"
#include "platform/place_finder.h"
#include "platform/platform.h"
#include "platform/stderr_messages.h"
#include "ui/main/message_text.h"

namespace horavia {

int RunFindCommand(const QString& text, QTextStream& out) {
    const std::unique_ptr<Platform> platform = CreatePlatform();
    const std::unique_ptr<ZoneSource> zones = platform->CreateZoneSource();
    StderrMessages messages{MessageUtf8};
    ZoneCatalogue catalogue;
    // The display texts carry this year's offsets, as the program shows them.
    if (!zones || !LoadZoneCatalogue(catalogue, *zones, QDate::currentDate().year(), messages)) {
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
