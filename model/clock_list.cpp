#include "model/clock_list.h"

#include <algorithm>

#include "model/preferences.h"
#include "model/text_helpers.h"

namespace horavia {

namespace {

std::string ClockKeyName(std::size_t n, const char* suffix) {
    return "S" + std::to_string(n) + suffix;
}

// The number of consecutive clocks whose label key is stored, from clock 0.
int CountStoredClocks(SettingsStore& store) {
    int n = 0;
    while (n < kMaxClocks && store.Read(kSettingsApp, kSettingsSection,
                                        ClockKeyName(static_cast<std::size_t>(n), "Dis"))) {
        ++n;
    }
    return n;
}

// "SZoneNum" as a count; empty (and told) when it is not a whole number of at least 0.
std::optional<std::int64_t> ReadClockCount(SettingReaders& readers) {
    return readers.WholeInRange("SZoneNum", "0", 0);
}

// Working hours are written only for a clock that has them; a clock without them clears what
// another clock left under its number.
void SaveWorkingHours(SettingsStore& store, std::size_t n,
                      const std::optional<WorkingHours>& hours) {
    for (const auto& [suffix, text] :
         {std::pair{"Wrk", hours ? WorkingHoursText(*hours) : std::string()},
          std::pair{"Days", hours ? WorkingDaysText(hours->days) : std::string()}}) {
        const std::string key = ClockKeyName(n, suffix);
        if (hours || store.Read(kSettingsApp, kSettingsSection, key)) store.Save(key, text);
    }
}

// A damaged value is told once and read as none: the clock itself is kept.
std::optional<WorkingHours> LoadWorkingHours(SettingReaders& readers, std::size_t n) {
    SettingsStore& store = readers.Store();
    const std::string hoursKey = ClockKeyName(n, "Wrk");
    const std::string hoursText = store.Get(hoursKey, "");
    if (hoursText.empty()) return std::nullopt;
    std::optional<WorkingHours> hours = ParseWorkingHours(hoursText);
    if (!hours) {
        readers.ReportMalformed(hoursKey, hoursText);
        return std::nullopt;
    }
    const std::string daysKey = ClockKeyName(n, "Days");
    const std::string daysText = store.Get(daysKey, "");
    if (daysText.empty()) return hours;
    if (const std::optional<WeekdaySet> days = ParseWorkingDays(daysText)) {
        hours->days = *days;
    } else {
        readers.ReportMalformed(daysKey, daysText);
    }
    return hours;
}

// Like working hours: written only for a clock that has one, and a damaged value is told once
// and read as none.
void SavePlace(SettingsStore& store, std::size_t n, const std::optional<ClockPlace>& place) {
    const std::string key = ClockKeyName(n, "Plc");
    if (place || store.Read(kSettingsApp, kSettingsSection, key)) {
        store.Save(key, place ? ClockPlaceText(*place) : std::string());
    }
}

std::optional<ClockPlace> LoadPlace(SettingReaders& readers, std::size_t n) {
    const std::string key = ClockKeyName(n, "Plc");
    const std::string text = readers.Store().Get(key, "");
    if (text.empty()) return std::nullopt;
    std::optional<ClockPlace> place = ParseClockPlace(text);
    if (!place) readers.ReportMalformed(key, text);
    return place;
}

}  // namespace

std::optional<WorkingHours> ClockWorkingHours(const ClockEntry& clock,
                                              const std::optional<WorkingHours>& defaults) {
    if (clock.Zone != kZoneUtc && clock.Zone < kFirstRegistryZone) return std::nullopt;
    return clock.Hours ? clock.Hours : defaults;
}

std::vector<std::string> SlotOrderKeys(const ClockList& clocks) {
    std::vector<std::string> keys;
    for (std::size_t n = 0; n < clocks.size(); ++n) {
        if (!clocks[n].Label.empty()) keys.push_back(ClockKey(static_cast<int>(n)));
    }
    return keys;
}

std::string ZoneDisplayText(const ZoneCatalogue& catalogue, int zone) {
    if (!catalogue.IsValidIndex(zone)) return {};
    const ZoneInfo& z = catalogue.zones[static_cast<std::size_t>(zone)];
    return z.Prefix + z.Name;
}

int DecodeZoneRef(const ZoneCatalogue& catalogue, const std::string& text) {
    if (auto number = ParseNumber(text)) {
        auto index = RoundToInt32(*number);
        return index && catalogue.IsValidIndex(*index) ? *index : kZoneUnknown;
    }
    for (int i = kFirstRegistryZone; i < catalogue.registryZoneCount + kFirstRegistryZone; ++i) {
        if (catalogue.zones[static_cast<std::size_t>(i)].StdName == text) return i;
    }
    return kZoneUnknown;
}

std::string EncodeZoneRef(const ZoneCatalogue& catalogue, int index) {
    if (index > kZoneUnknown && catalogue.IsValidIndex(index)) {
        return catalogue.zones[static_cast<std::size_t>(index)].StdName;
    }
    return std::to_string(index > kZoneUnknown ? kZoneUnknown : index);
}

std::string StoredZoneRef(const ZoneCatalogue& catalogue, const ClockEntry& clock) {
    if (clock.Zone == kZoneUnknown && !clock.StoredZone.empty()) return clock.StoredZone;
    return EncodeZoneRef(catalogue, clock.Zone);
}

void WriteDefaultClocks(SettingsStore& store) {
    SettingsBatch batch(store);
    store.Save("SZoneNum", "2");
    store.Save("S0Dis", "Zulu");
    store.Save("S0Zon", "0");
    store.Save("S0Ena", "True");
    store.Save("S1Dis", "Swatch");
    store.Save("S1Zon", "8");
    store.Save("S1Ena", "True");
}

void SaveClockList(SettingsStore& store, const ClockList& clocks, const ZoneCatalogue& catalogue,
                   const std::vector<std::string>& rowKeys) {
    SettingsBatch batch(store);
    store.Save("SZoneNum", std::to_string(rowKeys.size()));
    for (std::size_t i = 0; i < rowKeys.size(); ++i) {
        const int slot = ClockKeyIndex(rowKeys[i]);
        if (slot < 0 || static_cast<std::size_t>(slot) >= clocks.size()) continue;
        const ClockEntry& c = clocks[static_cast<std::size_t>(slot)];
        store.Save(ClockKeyName(i, "Dis"), c.Label);
        store.Save(ClockKeyName(i, "Fmt"), c.Format);
        store.Save(ClockKeyName(i, "Zon"), StoredZoneRef(catalogue, c));
        store.Save(ClockKeyName(i, "Ena"), BoolText(c.Enabled));
        SaveWorkingHours(store, i, c.Hours);
        SavePlace(store, i, c.Place);
    }
}

Message ClockLimitText() {
    return {MessageId::ClockLimit, {}, kMaxClocks};
}

bool LoadClockList(ClockList& clocks, const ZoneCatalogue& catalogue, SettingReaders& readers) {
    SettingsStore& store = readers.Store();
    // A first start's defaults and a migration reach the file in one write.
    SettingsBatch batch(store);
    const bool beyondLimitStored =
        store.Read(kSettingsApp, kSettingsSection, ClockKeyName(std::size_t{kMaxClocks}, "Dis"))
            .has_value();
    std::optional<std::int64_t> count = ReadClockCount(readers);
    if (count && *count > kMaxClocks && !beyondLimitStored) count.reset();  // a damaged count
    if (!count) {
        // Damaged: trust the stored clocks.
        count = CountStoredClocks(store);
        if (*count == kMaxClocks && beyondLimitStored) count = kMaxClocks + 1;
    }
    if (*count == 0) {
        WriteDefaultClocks(store);
        count = ReadClockCount(readers).value_or(0);
    }
    const bool overLimit = *count > kMaxClocks;
    clocks.assign(static_cast<std::size_t>(std::min<std::int64_t>(*count, kMaxClocks)),
                  ClockEntry{});
    for (std::size_t n = 0; n < clocks.size(); ++n) {
        ClockEntry& c = clocks[n];
        c.Label = store.Get(ClockKeyName(n, "Dis"), "");
        if (c.Label.empty()) continue;
        c.Format = store.Get(ClockKeyName(n, "Fmt"), "");
        const std::string zone = store.Get(ClockKeyName(n, "Zon"), "0");
        c.Zone = DecodeZoneRef(catalogue, zone);
        if (c.Zone == kZoneUnknown) c.StoredZone = zone;
        c.Enabled = readers.Bool(ClockKeyName(n, "Ena"), "False");
        c.Hours = LoadWorkingHours(readers, n);
        c.Place = LoadPlace(readers, n);
    }
    if (!overLimit && readers.Whole("SVersion", "1") < 2) {
        SaveClockList(store, clocks, catalogue, SlotOrderKeys(clocks));
        store.Save("SVersion", "2");
    }
    return overLimit;
}

}  // namespace horavia
