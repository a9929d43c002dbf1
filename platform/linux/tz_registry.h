// A registry backend for Linux: the time-zone database built from the system tz database and
// the compiled-in table of Windows zones, the log-on Run value kept as an XDG autostart entry,
// and every other per-user key kept in memory.
#pragma once

#include <QByteArray>
#include <QString>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/registry.h"
#include "model/zone_catalogue_loader.h"  // kRunKeyPath
#include "platform/linux/autostart_entry.h"
#include "platform/linux/tz_zone_source.h"
#include "platform/linux/zone_file.h"

namespace horavia {

inline constexpr char kTimeZonesKeyPath[] =
    "Software\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones";
inline constexpr char kRunValueName[] = "Horavia";

class TzRegistry : public RegistryBackend {
  public:
    // tableText: the zone table (see zone_table.h); year: the calendar year whose rules the
    // "TZI" records describe; autostartFolder: where the log-on entry lives; zoneFolder: the
    // compiled zone files.
    TzRegistry(std::string_view tableText, int year, const QString& autostartFolder,
               const std::string& zoneFolder = kSystemZoneFolder);

    std::optional<std::string> QueryValue(RegRoot root, const std::string& path,
                                          const std::string& name) override;
    std::optional<std::vector<std::string>> SubKeys(RegRoot root, const std::string& path) override;
    bool SetValue(RegRoot root, const std::string& path, const std::string& name,
                  const std::string& bytes) override;
    // Every zone key has the zone database's timeline behind its yearly record.
    std::shared_ptr<const ZoneRules> ZoneRulesOf(RegRoot root, const std::string& path) override;

    // Zones with more than one daylight period in the year; each holds its longest one.
    const std::vector<std::string>& ZonesWithSeveralDaylightPeriods() const {
        return severalPeriods_;
    }
    // Table lines left out: malformed, a repeated key, or an IANA zone the system lacks.
    int SkippedTableLines() const { return skippedLines_; }

  private:
    void AddZones(std::string_view tableText, int year, const std::string& zoneFolder);
    bool IsRunValue(const std::string& path, const std::string& name) const;

    MemoryRegistry machine_;
    MemoryRegistry user_;
    AutostartEntry autostart_;
    std::map<std::string, std::shared_ptr<const ZoneRules>> timelines_;  // by key path
    std::vector<std::string> severalPeriods_;
    int skippedLines_ = 0;
};

// The registry of this computer's user: the log-on entry in the user's autostart folder and the
// per-user keys, without zones (the program reads those from the zone source).
std::unique_ptr<TzRegistry> MakeUserTzRegistry();

}  // namespace horavia
