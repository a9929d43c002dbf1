// The user's clocks and their persistence in the settings store.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/clock_place.h"
#include "model/message.h"
#include "model/setting_readers.h"
#include "model/working_hours.h"
#include "model/zone_catalogue.h"

namespace horavia {

struct ClockEntry {
    std::string Label;  // empty: an empty slot
    std::string Format;
    std::int32_t Zone = 0;
    bool Enabled = false;
    // The stored zone text of a clock whose zone this program does not know (another
    // version's key, a typo): written back as it was, so that nothing the user stored is lost
    // while the clock shows as unknown. Empty for every other clock.
    std::string StoredZone = {};
    // When people there are at work; stored only when set (SnWrk, SnDays).
    std::optional<WorkingHours> Hours = {};
    // Where the clock stands, for its day and night; stored only when set (SnPlc). Without
    // one, the place that stands for its zone is used (PlaceOfClock).
    std::optional<ClockPlace> Place = {};
};

// The working hours a clock is planned with: its own, else the default ones (if any). Only
// clocks of a zone, or UTC, have working hours.
std::optional<WorkingHours> ClockWorkingHours(const ClockEntry& clock,
                                              const std::optional<WorkingHours>& defaults);

using ClockList = std::vector<ClockEntry>;

// The keys of the non-empty slots in slot order.
std::vector<std::string> SlotOrderKeys(const ClockList& clocks);

// The zone text of a row: Prefix followed directly by Name.
std::string ZoneDisplayText(const ZoneCatalogue& catalogue, int zone);

inline constexpr int kMaxClocks = 10000;  // more stored clocks than this are not read

// Told once when more clocks are stored than the program reads.
Message ClockLimitText();

int DecodeZoneRef(const ZoneCatalogue& catalogue, const std::string& text);
std::string EncodeZoneRef(const ZoneCatalogue& catalogue, int index);
// The zone text stored for a clock: its unknown zone's text as it was read, else EncodeZoneRef.
std::string StoredZoneRef(const ZoneCatalogue& catalogue, const ClockEntry& clock);

void WriteDefaultClocks(SettingsStore& store);

// Writes "SZoneNum" and each clock in the order of `rowKeys`, renumbered from 0.
void SaveClockList(SettingsStore& store, const ClockList& clocks, const ZoneCatalogue& catalogue,
                   const std::vector<std::string>& rowKeys);

// Loads the list (writing the defaults on a first start) and migrates an older layout, whose
// rows are in slot order. A damaged count is recovered from the stored keys. Returns true when
// more than kMaxClocks clocks are stored: only the first kMaxClocks are loaded, and the stored
// list is left exactly as it is (no migration), so that none of the others is lost.
bool LoadClockList(ClockList& clocks, const ZoneCatalogue& catalogue, SettingReaders& readers);

}  // namespace horavia
