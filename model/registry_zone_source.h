// The zones of a registry's time-zone key, read value by value as the system stores them.
#pragma once

#include <memory>

#include "model/registry.h"
#include "model/yearly_rule_zone.h"
#include "model/zone_source.h"

namespace horavia {

class RegistryZoneSource : public ZoneSource {
  public:
    explicit RegistryZoneSource(RegistryBackend& registry) : registry_(registry) {}
    // A source that keeps the registry for as long as it lives.
    explicit RegistryZoneSource(std::unique_ptr<RegistryBackend> registry)
        : owned_(std::move(registry)), registry_(*owned_) {}

    // The key of current systems first, then the older one. The yearly "TZI" record holds the
    // rules of whatever year the registry describes; `year` does not change them.
    ZoneEntries Entries(int year) override;

  private:
    std::unique_ptr<RegistryBackend> owned_;
    RegistryBackend& registry_;
};

// A year's record from a "TZI" text: bias at the start, then the daylight bias and the two
// transition dates; characters past the end read as 0.
ZoneYearRecord ReadTzi(const std::string& tzi);

// The zone's timeline from its "TZI" record and, where it has one, the records of single years
// under its "Dynamic DST" key (FirstEntry to LastEntry). The registry's shape ends here.
std::shared_ptr<const YearlyRuleZone> RegistryZoneRules(RegistryBackend& registry,
                                                        const std::string& zoneKeyPath,
                                                        const std::string& stdName,
                                                        const std::string& dltName);

}  // namespace horavia
