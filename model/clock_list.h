// The user's clocks and their persistence in the settings store.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/setting_readers.h"
#include "model/zone_catalogue.h"

namespace horavia {

struct ClockEntry {
    std::string Label;  // empty: an empty slot
    std::string Format;
    std::int32_t Zone = 0;
    bool Enabled = false;
};

using ClockList = std::vector<ClockEntry>;

// The display order of the clocks: the keys of the setup dialog's rows, first to last.
class ClockRows {
  public:
    virtual ~ClockRows() = default;
    // Rebuilds every row from the clock list: one per non-empty slot, in slot order.
    virtual void FillList(const ClockList& clocks, const ZoneCatalogue& catalogue) = 0;
    virtual std::vector<std::string> RowKeys() const = 0;
    // A new row at the end (not selected), and a row's texts rewritten from its clock.
    virtual void AppendRow(const std::string& key, const ClockEntry& clock,
                           const std::string& zoneText) = 0;
    virtual void UpdateRow(const std::string& key, const ClockEntry& clock,
                           const std::string& zoneText) = 0;
};

// Rows kept in memory, for runs without the setup dialog and for tests.
class MemoryClockRows : public ClockRows {
  public:
    void FillList(const ClockList& clocks, const ZoneCatalogue& catalogue) override;
    std::vector<std::string> RowKeys() const override { return keys_; }
    void AppendRow(const std::string& key, const ClockEntry&, const std::string&) override {
        keys_.push_back(key);
    }
    void UpdateRow(const std::string&, const ClockEntry&, const std::string&) override {}
    std::vector<std::string>& Keys() { return keys_; }

  private:
    std::vector<std::string> keys_;
};

// The keys of the non-empty slots in slot order.
std::vector<std::string> SlotOrderKeys(const ClockList& clocks);

// The zone text of a row: Prefix followed directly by Name.
std::string ZoneDisplayText(const ZoneCatalogue& catalogue, int zone);

inline constexpr int kMaxClocks = 10000;  // more stored clocks than this are not read

int DecodeZoneRef(const ZoneCatalogue& catalogue, const std::string& text);
std::string EncodeZoneRef(const ZoneCatalogue& catalogue, int index);

void WriteDefaultClocks(SettingsStore& store);

// Writes "SZoneNum" and each clock in the order of `rowKeys`, renumbered from 0.
void SaveClockList(SettingsStore& store, const ClockList& clocks, const ZoneCatalogue& catalogue,
                   const std::vector<std::string>& rowKeys);

// Loads the list (writing the defaults on a first start), fills the rows and migrates an
// older layout. A damaged count is recovered from the stored keys.
void LoadClockList(ClockList& clocks, const ZoneCatalogue& catalogue, SettingReaders& readers,
                   ClockRows& rows);

}  // namespace horavia
