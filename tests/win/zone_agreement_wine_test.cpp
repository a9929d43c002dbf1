// The model's zone time against the system's own conversion (Wine's routines) for every zone
// of the registry, one second either side of each change of 2026 and 2027.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>

#include "model/zone_catalogue_loader.h"
#include "model/zone_time.h"
#include "platform/win/win_registry.h"
#include "tests/model/fake_messages.h"
#include "tests/win/raw_registry.h"
#include "tests/win/wine_zones.h"

namespace horavia {
namespace {

using namespace wintest;
using Seconds = std::int64_t;  // since 1970-01-01 00:00 UTC

constexpr Seconds kFileTimeEpochOffset = 11'644'473'600;  // 1601-01-01 to 1970-01-01
constexpr Seconds kScanStep = 3 * 3600;  // changes of a yearly rule lie months apart

SYSTEMTIME SystemTimeOf(Seconds utc) {
    const auto ticks = static_cast<ULONGLONG>(utc + kFileTimeEpochOffset) * 10'000'000ULL;
    FILETIME ft{static_cast<DWORD>(ticks & 0xFFFFFFFF), static_cast<DWORD>(ticks >> 32)};
    SYSTEMTIME st{};
    FileTimeToSystemTime(&ft, &st);
    return st;
}

Seconds SecondsOf(const SYSTEMTIME& st) {
    FILETIME ft{};
    SystemTimeToFileTime(&st, &ft);
    const ULONGLONG ticks = (static_cast<ULONGLONG>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    return static_cast<Seconds>(ticks / 10'000'000ULL) - kFileTimeEpochOffset;
}

Seconds UtcOfYear(int year) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(year);
    st.wMonth = 1;
    st.wDay = 1;
    return SecondsOf(st);
}

// A zone's clock reading at a UTC instant, as one of the system's routines gives it.
using Oracle = std::function<std::optional<Seconds>(Seconds utc)>;

Oracle FromRecord(const RawZone& zone) {
    return [info = zone.Information()](Seconds utc) -> std::optional<Seconds> {
        const SYSTEMTIME in = SystemTimeOf(utc);
        SYSTEMTIME out{};
        if (!SystemTimeToTzSpecificLocalTime(&info, &in, &out)) return std::nullopt;
        return SecondsOf(out);
    };
}

// The record the system keeps for the instant's year (its "Dynamic DST" entry where the zone
// has one), by GetTimeZoneInformationForYear: what SystemTimeToTzSpecificLocalTimeEx does,
// which Wine lacks.
Oracle FromDynamicInformation(const RawZone& zone) {
    DYNAMIC_TIME_ZONE_INFORMATION dynamic{};
    zone.key.copy(dynamic.TimeZoneKeyName, std::size(dynamic.TimeZoneKeyName) - 1);
    dynamic.DynamicDaylightTimeDisabled = FALSE;
    // Each year's record is read from the registry once.
    auto years = std::make_shared<std::map<WORD, std::optional<TIME_ZONE_INFORMATION>>>();
    return [dynamic, years](Seconds utc) mutable -> std::optional<Seconds> {
        const SYSTEMTIME in = SystemTimeOf(utc);
        auto found = years->find(in.wYear);
        if (found == years->end()) {
            TIME_ZONE_INFORMATION info{};
            std::optional<TIME_ZONE_INFORMATION> record;
            if (GetTimeZoneInformationForYear(in.wYear, &dynamic, &info)) record = info;
            found = years->emplace(in.wYear, record).first;
        }
        SYSTEMTIME out{};
        if (!found->second || !SystemTimeToTzSpecificLocalTime(&*found->second, &in, &out)) {
            return std::nullopt;
        }
        return SecondsOf(out);
    };
}

Seconds ModelReading(const ZoneInfo& zone, Seconds utc) {
    const DayCount reading = ZoneReadingAt(zone, InstantFromUnixMs(utc * 1000));
    return std::llround((reading - kUnixEpochDay) * 86400.0);
}

// The instants in [from, to) at which the zone's offset changes, to the second.
std::vector<Seconds> Changes(const Oracle& oracle, Seconds from, Seconds to) {
    auto offset = [&](Seconds t) { return oracle(t).value_or(t) - t; };
    std::vector<Seconds> changes;
    Seconds before = offset(from - kScanStep);
    for (Seconds t = from - kScanStep; t < to; t += kScanStep) {
        const Seconds after = offset(t + kScanStep);
        if (after != before) {
            Seconds lo = t;  // offset(lo) == before; find the first second with `after`
            Seconds hi = t + kScanStep;
            while (hi - lo > 1) {
                const Seconds mid = lo + (hi - lo) / 2;
                (offset(mid) == before ? lo : hi) = mid;
            }
            if (hi >= from && hi < to) changes.push_back(hi);
        }
        before = after;
    }
    return changes;
}

struct Figures {
    int changes = 0;
    int compared = 0;
    int agreed = 0;
    int agreedAtChange = 0;  // the instant of the change itself, measured only
    std::vector<std::string> disagreements;
};

// Compares one second either side of each change of 2026 and 2027, and the middle of every
// month (so zones without changes are compared too).
Figures Compare(const ZoneInfo& zone, const RawZone& raw, const Oracle& oracle) {
    Figures f;
    std::vector<Seconds> instants;
    for (int year : {2026, 2027}) {
        for (Seconds change : Changes(oracle, UtcOfYear(year), UtcOfYear(year + 1))) {
            ++f.changes;
            instants.push_back(change - 1);
            instants.push_back(change + 1);
            if (oracle(change) == ModelReading(zone, change)) ++f.agreedAtChange;
        }
        for (int month = 0; month < 12; ++month) {
            instants.push_back(UtcOfYear(year) + (month * 30 + 14) * 86400 + 12 * 3600);
        }
    }
    for (Seconds t : instants) {
        ++f.compared;
        const std::optional<Seconds> expected = oracle(t);
        const Seconds got = ModelReading(zone, t);
        if (expected == got) {
            ++f.agreed;
        } else {
            f.disagreements.push_back(Utf8(raw.key) + " at " + std::to_string(t) + ": system " +
                                      std::to_string(expected.value_or(-1) - t) + " s, model " +
                                      std::to_string(got - t) + " s");
        }
    }
    return f;
}

// The zone's year-specific record in its "Dynamic DST" key differs from its yearly "TZI".
bool YearRecordDiffers(const RawZone& zone, int year) {
    const std::wstring dynamic = std::wstring(kTimeZonesKey) + L"\\" + zone.key + L"\\Dynamic DST";
    const auto first = ReadRaw(HKEY_LOCAL_MACHINE, dynamic, L"FirstEntry");
    const auto last = ReadRaw(HKEY_LOCAL_MACHINE, dynamic, L"LastEntry");
    if (!first || !last || first->bytes.size() != 4 || last->bytes.size() != 4) return false;
    int firstYear = 0;
    int lastYear = 0;
    std::memcpy(&firstYear, first->bytes.data(), 4);
    std::memcpy(&lastYear, last->bytes.data(), 4);
    const int used = std::clamp(year, firstYear, lastYear);
    const auto record = ReadRaw(HKEY_LOCAL_MACHINE, dynamic, std::to_wstring(used));
    const auto tzi =
        ReadRaw(HKEY_LOCAL_MACHINE, std::wstring(kTimeZonesKey) + L"\\" + zone.key, L"TZI");
    return record && tzi && record->bytes != tzi->bytes;
}

class WineZoneAgreement : public ::testing::Test {
  protected:
    void SetUp() override {
        raw_ = ReadRawZones();
        WinRegistry reg;
        testing::RecordingMessages messages;
        ASSERT_TRUE(LoadZoneCatalogue(catalogue_, reg, 2026, messages));
        ASSERT_EQ(static_cast<std::size_t>(catalogue_.registryZoneCount), raw_.size());
    }
    const ZoneInfo& Zone(std::size_t k) const { return catalogue_.zones[k + kFirstRegistryZone]; }

    std::vector<RawZone> raw_;
    ZoneCatalogue catalogue_;
};

TEST_F(WineZoneAgreement, EveryZoneAgreesWithTheSystemConversionOfItsRecord) {
    Figures all;
    for (std::size_t k = 0; k < raw_.size(); ++k) {
        const Figures f = Compare(Zone(k), raw_[k], FromRecord(raw_[k]));
        // The catalogue takes a year's own record where the zone has one ("Dynamic DST"):
        // such a zone may differ from its yearly "TZI" record, no other.
        const bool ownYear = YearRecordDiffers(raw_[k], 2026) || YearRecordDiffers(raw_[k], 2027);
        all.changes += f.changes;
        if (ownYear) continue;
        all.compared += f.compared;
        all.agreed += f.agreed;
        all.agreedAtChange += f.agreedAtChange;
        for (const auto& d : f.disagreements) ADD_FAILURE() << d;
    }
    std::printf(
        "SystemTimeToTzSpecificLocalTime: %zu zones, %d changes in 2026-2027, %d/%d "
        "instants agree in zones without records of their own for these years\n",
        raw_.size(), all.changes, all.agreed, all.compared);
    EXPECT_GT(all.changes, 100);
    EXPECT_EQ(all.agreed, all.compared);
}

TEST_F(WineZoneAgreement, EveryZoneAgreesWithTheSystemConversionOfTheYearsOwnRecord) {
    Figures all;
    std::set<std::string> zonesWithOwnYears;
    for (std::size_t k = 0; k < raw_.size(); ++k) {
        const Figures f = Compare(Zone(k), raw_[k], FromDynamicInformation(raw_[k]));
        all.changes += f.changes;
        all.compared += f.compared;
        all.agreed += f.agreed;
        if (YearRecordDiffers(raw_[k], 2026) || YearRecordDiffers(raw_[k], 2027)) {
            zonesWithOwnYears.insert(Utf8(raw_[k].key));
        }
        for (const auto& d : f.disagreements) ADD_FAILURE() << d;
    }
    std::string names;
    for (const auto& n : zonesWithOwnYears) names += (names.empty() ? "" : ", ") + n;
    std::printf(
        "Dynamic information: %d changes, %d/%d instants agree; zones with records of their "
        "own for these years: %s\n",
        all.changes, all.agreed, all.compared, names.empty() ? "none" : names.c_str());
    EXPECT_GT(all.changes, 100);
    EXPECT_EQ(all.agreed, all.compared);
    EXPECT_FALSE(zonesWithOwnYears.empty());  // the records of single years are exercised
}

}  // namespace
}  // namespace horavia
