// The zones of the compiled-in table of Windows zones, each with its timeline from the system tz
// database.
#pragma once

#include <QByteArray>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/zone_source.h"
#include "platform/linux/zone_file.h"
#include "platform/linux/zone_table.h"
#include "tz/zone_timeline.h"

namespace horavia {

class TzZoneSource : public ZoneSource {
  public:
    // tableText: the zone table (see zone_table.h); zoneFolder: the compiled zone files, read
    // here once.
    explicit TzZoneSource(std::string_view tableText,
                          const std::string& zoneFolder = kSystemZoneFolder);

    // The zones in case-insensitive key order; the display prefix "(UTC+hh:mm) " follows the
    // standard offset of `year`.
    ZoneEntries Entries(int year) override;

    // Table lines left out: malformed, a repeated key, or an IANA zone the system lacks.
    int SkippedTableLines() const { return skippedLines_; }

  private:
    struct Zone {
        ZoneTableRow row;
        std::shared_ptr<const ZoneTimeline> timeline;
    };
    std::vector<Zone> zones_;
    int skippedLines_ = 0;
};

// The zone table compiled into the program (empty when the resource is missing).
QByteArray ZoneTableResourceText();

// The zones of this computer: the table compiled into the program over the system tz database.
std::unique_ptr<TzZoneSource> MakeSystemTzZoneSource();

}  // namespace horavia
