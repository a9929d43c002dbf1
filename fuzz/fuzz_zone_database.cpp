// Fuzzes the zone database's values as the catalogue reads them: any key names and any bytes
// in "TZI", "Display", "Std", "Dlt" and "MapID" must load, sort and give zone times without a
// crash, and the promises below must hold.
//
// Input: byte 0 picks the sort order (0..7, the last four out of range), the key path and the
// year; byte 1 the computer's bias; the rest is zone records separated by 0x1E, each made of
// fields separated by 0x1F in the order key name, TZI, Display, Std, Dlt, MapID. A field that
// is left out is a value that does not exist.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "fuzz/quiet_messages.h"
#include "model/clock_list.h"
#include "model/format_zone_time.h"
#include "model/zone_catalogue_loader.h"
#include "model/zone_time.h"

namespace {

using namespace horavia;

constexpr std::size_t kMaxZones = 48;
constexpr const char* kValueNames[] = {"TZI", "Display", "Std", "Dlt", "MapID"};

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = text.find(separator, start);
        if (at == std::string_view::npos) {
            parts.push_back(text.substr(start));
            return parts;
        }
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
}

// The zone order holds every pseudo-zone but the empty slot and every registry zone, once.
void CheckOrderIsComplete(const ZoneCatalogue& catalogue) {
    std::vector<int> order = catalogue.order;
    std::sort(order.begin(), order.end());
    std::vector<int> expected = {0, 2, 3, 4, 5, 6, 7, 8, 9};
    for (int i = 0; i < catalogue.registryZoneCount; ++i)
        expected.push_back(i + kFirstRegistryZone);
    if (order != expected) Fail();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const int sortBy = data[0] & 7;
    const char* root = (data[0] & 8) != 0 ? kZoneKeyPath : kZoneKeyPathNt;
    const int year = 1970 + (data[0] >> 4) * 9;  // 1970..2105
    const std::int32_t localBias = (static_cast<std::int8_t>(data[1])) * 15;
    const std::string_view rest(reinterpret_cast<const char*>(data + 2), size - 2);

    MemoryRegistry registry;
    std::size_t zones = 0;
    for (std::string_view record : Split(rest, '\x1E')) {
        if (zones++ == kMaxZones) break;
        const std::vector<std::string_view> fields = Split(record, '\x1F');
        const std::string path = std::string(root) + "\\" + std::string(fields[0]);
        registry.CreateKey(RegRoot::LocalMachine, path);
        for (std::size_t f = 1; f < fields.size() && f <= std::size(kValueNames); ++f) {
            registry.SetValue(RegRoot::LocalMachine, path, kValueNames[f - 1],
                              std::string(fields[f]));
        }
    }

    QuietMessages messages;
    ZoneCatalogue catalogue;
    if (!LoadZoneCatalogue(catalogue, registry, year, messages)) return 0;
    if (catalogue.zones.size() !=
        static_cast<std::size_t>(catalogue.registryZoneCount) + kFirstRegistryZone) {
        Fail();
    }
    CheckOrderIsComplete(catalogue);

    SortZoneOrder(catalogue, sortBy);
    CheckOrderIsComplete(catalogue);
    for (std::size_t i = 0; i + 1 < catalogue.order.size(); ++i) {
        if (ZonesOutOfOrder(catalogue, catalogue.order[i], catalogue.order[i + 1], sortBy)) Fail();
    }

    // Zone times around the load year and at the far end of the writable calendar.
    const DayCount moments[] = {FromCivil(year, 3, 29, 1, 30), FromCivil(year, 10, 25, 0, 59, 59),
                                FromCivil(year, 12, 31, 23), FromCivil(9999, 12, 31, 23, 59, 59)};
    static const LocaleInfo locale = EnglishUnitedStates();
    for (int index = 0; index < static_cast<int>(catalogue.zones.size()); ++index) {
        const ZoneInfo& zone = catalogue.zones[static_cast<std::size_t>(index)];
        for (DayCount local : moments) {
            const auto utc = InstantOfLocal(local, localBias);
            if (!utc || !catalogue.IsRegistryZone(index)) continue;
            const DayCount reading = ZoneReadingAt(zone, *utc);
            if (!std::isfinite(reading)) Fail();
            // The reading leads back to the instant: once, or as one of two passes.
            const auto civil = ZoneCivilTimeAt(zone, *utc);
            if (!civil) Fail();
            const auto lookup = LookUpZoneTime(zone, *civil);
            if (std::abs(ZoneStateAt(zone, *utc).offset) >= 86'400 || !lookup) continue;
            const auto near = [&](Instant t) { return std::chrono::abs(t - *utc).count() <= 1; };
            if (lookup->kind == LocalTimeLookup::Kind::Skipped) Fail();
            if (!near(lookup->pre) && !near(lookup->post)) Fail();
        }
        if (const auto t = InstantOfLocal(moments[0], localBias)) {
            (void)FormatZoneTimeAt(catalogue, index, *t, moments[0], "c", locale);
        }
        // A clock stored under the zone's name finds a zone of that name (a numeric name is
        // read as an index, as the stored layout says).
        if (catalogue.IsRegistryZone(index)) {
            const std::string ref = EncodeZoneRef(catalogue, index);
            const int decoded = DecodeZoneRef(catalogue, ref);
            if (!catalogue.IsValidIndex(decoded)) Fail();
        }
        (void)ZoneDisplayText(catalogue, index);
    }
    return 0;
}
