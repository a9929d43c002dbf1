// The zones of the compiled-in zone table over the system tz database, as the catalogue gets
// them from the zone source.
#include <gtest/gtest.h>

#include <QDate>
#include <algorithm>

#include "clock_changes.h"
#include "model/text_helpers.h"
#include "model/time_conversion.h"
#include "model/zone_catalogue_loader.h"
#include "platform/linux/tz_zone_source.h"
#include "platform/linux/utc_offset_prefix.h"
#include "platform/linux/zone_table.h"

namespace horavia {
namespace {

using testing::ClockChange;
using testing::ClockChangesOfYear;
using testing::ExpectOnRule;
using testing::YearlyRule;

constexpr std::int32_t kHour = 3600;

class ZoneDatabase : public ::testing::Test {
  protected:
    static std::string TableText() { return ZoneTableResourceText().toStdString(); }

    // The zones with the standard offsets of `year`.
    const ZoneEntries& Entries(int year) {
        entries_ = source_.Entries(year);
        return entries_;
    }
    const ZoneEntry& Zone(const std::string& key) const {
        const auto found = std::find_if(entries_.zones.begin(), entries_.zones.end(),
                                        [&](const ZoneEntry& e) { return e.key == key; });
        if (found != entries_.zones.end()) return *found;
        ADD_FAILURE() << "no zone " << key;
        static const ZoneEntry none;
        return none;
    }
    static std::string Display(const ZoneEntry& zone) { return zone.prefix + zone.name; }
    static std::vector<ClockChange> Changes(const ZoneEntry& zone, int year) {
        return zone.rules ? ClockChangesOfYear(*zone.rules, year) : std::vector<ClockChange>{};
    }
    // A zone with one daylight period in the year: its start and end on their yearly rules.
    static void ExpectDaylight(const ZoneEntry& zone, int year, std::int32_t by,
                               const YearlyRule& starts, const YearlyRule& ends) {
        const std::vector<ClockChange> changes = Changes(zone, year);
        ASSERT_EQ(changes.size(), 2u);
        const bool startsFirst = changes[0].by > 0;
        const ClockChange& start = changes[startsFirst ? 0 : 1];
        const ClockChange& end = changes[startsFirst ? 1 : 0];
        EXPECT_EQ(start.by, by);
        EXPECT_EQ(end.by, -by);
        ExpectOnRule(start.reading, year, starts);
        ExpectOnRule(end.reading, year, ends);
    }

    const int year_ = QDate::currentDate().year();
    TzZoneSource source_{TableText()};
    ZoneEntries entries_;
};

TEST_F(ZoneDatabase, OffsetsAndChangesOfKnownZonesThisYear) {
    Entries(year_);
    const struct {
        const char* key;
        std::int32_t standardOffset;
        YearlyRule starts;  // daylight time, read on the standard-time clock
        YearlyRule ends;    // read on the daylight-time clock
    } rows[] = {
        {"Pacific Standard Time", -8 * kHour, {3, 0, 2, 2}, {11, 0, 1, 2}},
        {"AUS Eastern Standard Time", 10 * kHour, {10, 0, 1, 2}, {4, 0, 1, 3}},
        {"W. Europe Standard Time", kHour, {3, 0, 5, 2}, {10, 0, 5, 3}},
        {"GMT Standard Time", 0, {3, 0, 5, 1}, {10, 0, 5, 2}},
        // Zones without daylight saving time: no change in the year.
        {"China Standard Time", 8 * kHour, {}, {}},
        {"UTC", 0, {}, {}},
        {"India Standard Time", 5 * kHour + 1800, {}, {}},
        {"UTC-11", -11 * kHour, {}, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.key);
        const ZoneEntry& zone = Zone(row.key);
        EXPECT_EQ(zone.standardOffset, row.standardOffset);
        if (row.starts.month == 0) {
            EXPECT_TRUE(Changes(zone, year_).empty());
        } else {
            ExpectDaylight(zone, year_, kHour, row.starts, row.ends);
        }
    }
}

TEST_F(ZoneDatabase, DisplayPrefixesAndNames) {
    Entries(year_);
    EXPECT_EQ(Display(Zone("UTC")), "(UTC) Coordinated Universal Time");
    EXPECT_EQ(Display(Zone("GMT Standard Time")), "(UTC+00:00) Dublin, Edinburgh, Lisbon, London");
    EXPECT_EQ(Display(Zone("UTC-11")), "(UTC-11:00) Coordinated Universal Time-11");
    EXPECT_EQ(Display(Zone("Pacific Standard Time")), "(UTC-08:00) Pacific Time (US & Canada)");
    EXPECT_EQ(Display(Zone("Newfoundland Standard Time")), "(UTC-03:30) Newfoundland");
    EXPECT_EQ(Display(Zone("Nepal Standard Time")), "(UTC+05:45) Kathmandu");
    EXPECT_EQ(Zone("Pacific Standard Time").stdName, "Pacific Standard Time");
    EXPECT_EQ(Zone("Pacific Standard Time").dltName, "Pacific Daylight Time");
    EXPECT_EQ(Zone("UTC-11").dltName, "UTC-11");
    // The entries carry the table's two map numbers.
    for (const ZoneTableRow& row : ParseZoneTable(TableText()).rows) {
        SCOPED_TRACE(row.key);
        EXPECT_EQ(Zone(row.key).mapId1, row.mapId1);
        EXPECT_EQ(Zone(row.key).mapId2, row.mapId2);
    }
}

TEST_F(ZoneDatabase, EveryZoneHasItsTextsATimelineAndItsLowestOffsetAsStandard) {
    const ZoneEntries& entries = Entries(year_);
    EXPECT_EQ(source_.SkippedTableLines(), 0);
    EXPECT_EQ(entries.keyPath, kZoneKeyPathNt);
    ASSERT_EQ(entries.zones.size(), 139u);
    for (const ZoneEntry& zone : entries.zones) {
        SCOPED_TRACE(zone.key);
        for (const std::string* text : {&zone.name, &zone.stdName, &zone.dltName}) {
            EXPECT_FALSE(text->empty());
            EXPECT_EQ(text->find('\0'), std::string::npos);
        }
        ASSERT_TRUE(zone.rules);
        // The prefix follows the standard offset, the lowest of the year.
        EXPECT_EQ(zone.prefix, UtcOffsetPrefix(zone.standardOffset, zone.key == "UTC"));
        const std::int64_t yearStart = DaysSince1970(year_, 1, 1) * 86400;
        std::int32_t lowest = zone.rules->OffsetAt(yearStart);
        for (const OffsetChange& change :
             zone.rules->ChangesBetween(yearStart, DaysSince1970(year_ + 1, 1, 1) * 86400)) {
            lowest = std::min(lowest, change.after);
        }
        EXPECT_EQ(zone.standardOffset, lowest / 60 * 60);
    }
}

TEST_F(ZoneDatabase, ZonesListInCaseInsensitiveKeyOrder) {
    std::vector<std::string> keys;
    for (const ZoneEntry& zone : Entries(year_).zones) keys.push_back(zone.key);
    EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end(), [](const auto& a, const auto& b) {
        return ToLowerAscii(a) < ToLowerAscii(b);
    }));
    // Byte order would put "UTC" before "Ulaanbaatar Standard Time".
    const auto at = [&](const std::string& key) {
        return std::find(keys.begin(), keys.end(), key) - keys.begin();
    };
    EXPECT_LT(at("Ulaanbaatar Standard Time"), at("UTC"));
    EXPECT_EQ(keys.front(), "Afghanistan Standard Time");
}

TEST_F(ZoneDatabase, ZonesWithSeveralDaylightPeriodsKeepEveryChange) {
    // The zones with more than one stretch above their standard offset in the year, in key
    // order; a stretch across New Year counts once.
    const auto severalPeriods = [this](int year) {
        std::vector<std::string> keys;
        for (const ZoneEntry& zone : Entries(year).zones) {
            const std::vector<ClockChange> changes = Changes(zone, year);
            const auto above = [&](int y) {
                return zone.rules->OffsetAt(DaysSince1970(y, 1, 1) * 86400) > zone.standardOffset;
            };
            const auto periods = std::count_if(changes.begin(), changes.end(),
                                               [](const ClockChange& c) { return c.by > 0; }) +
                                 (above(year) && !above(year + 1) ? 1 : 0);
            if (periods > 1) keys.push_back(zone.key);
        }
        return keys;
    };
    // 2014: Egypt and Morocco suspended summer time for Ramadan.
    EXPECT_EQ(severalPeriods(2014),
              (std::vector<std::string>{"Egypt Standard Time", "Morocco Standard Time"}));
    // Cairo: 15 May - 26 June and 31 July - 25 September, each change at 24:00, which the clock
    // reads as 00:00 of the next day (a Friday for the second period).
    Entries(2014);
    const ZoneEntry& cairo = Zone("Egypt Standard Time");
    EXPECT_EQ(cairo.standardOffset, 2 * kHour);
    const std::vector<ClockChange> cairoChanges = Changes(cairo, 2014);
    ASSERT_EQ(cairoChanges.size(), 4u);
    const struct {
        int month;
        int day;
        int hour;
        std::int32_t by;
    } cairoRows[] = {{5, 16, 0, kHour}, {6, 27, 0, -kHour}, {8, 1, 0, kHour}, {9, 26, 0, -kHour}};
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(cairoChanges[i].reading.month, cairoRows[i].month);
        EXPECT_EQ(cairoChanges[i].reading.day, cairoRows[i].day);
        EXPECT_EQ(cairoChanges[i].reading.hour, cairoRows[i].hour);
        EXPECT_EQ(cairoChanges[i].by, cairoRows[i].by);
    }
    ExpectOnRule(cairoChanges[2].reading, 2014, {8, 5, 1, 0});
    ExpectOnRule(cairoChanges[3].reading, 2014, {9, 5, 5, 0});

    // 2029: Morocco (whose standard time is now the summer one, with an hour less during
    // Ramadan) has Ramadan both in January and at the very end of the year; the lower offset
    // is the standard one.
    EXPECT_EQ(severalPeriods(2029), std::vector<std::string>{"Morocco Standard Time"});
    Entries(2029);
    const ZoneEntry& morocco = Zone("Morocco Standard Time");
    EXPECT_EQ(morocco.standardOffset, 0);
    const std::vector<ClockChange> moroccoChanges = Changes(morocco, 2029);
    ASSERT_EQ(moroccoChanges.size(), 3u);
    EXPECT_EQ(moroccoChanges[0].by, -kHour);
    EXPECT_EQ(moroccoChanges[0].reading.month, 1);
    EXPECT_EQ(moroccoChanges[1].by, kHour);
    ExpectOnRule(moroccoChanges[1].reading, 2029, {2, 0, 3, 2});
    EXPECT_EQ(moroccoChanges[2].by, -kHour);
    ExpectOnRule(moroccoChanges[2].reading, 2029, {12, 0, 5, 3});
}

TEST_F(ZoneDatabase, ChangesOfYearsAfterTheTablesEndFollowTheFooterRule) {
    // Qt 6.4 reads these years from a change that changes nothing at 2038-01-19 03:14:07 UTC.
    Entries(2038);
    const ZoneEntry& miquelon = Zone("Saint Pierre Standard Time");
    EXPECT_EQ(miquelon.standardOffset, -3 * kHour);
    ExpectDaylight(miquelon, 2038, kHour, {3, 0, 2, 2}, {11, 0, 1, 2});
    const ZoneEntry& lordHowe = Zone("Lord Howe Standard Time");
    EXPECT_EQ(lordHowe.standardOffset, 10 * kHour + 1800);
    ExpectDaylight(lordHowe, 2038, 1800, {10, 0, 1, 2}, {4, 0, 1, 2});
}

TEST_F(ZoneDatabase, EveryZoneHasATimelineAndTheConverterReachesEveryYear) {
    struct NoMessages : ImmediateMessageBoxes {
        MsgAnswer AnswerNow(const MessageLines&, const std::string&, MsgButtons, MsgIcon) override {
            return MsgAnswer::Ok;
        }
    } messages;
    ZoneCatalogue catalogue;
    ASSERT_TRUE(LoadZoneCatalogue(catalogue, source_, year_, messages));
    const int first = kFirstRegistryZone;
    const int last = first + catalogue.registryZoneCount - 1;
    const std::vector<CivilTime> times{
        {100, 1, 1, 0, 10},   {100, 6, 1, 12},  {1000, 3, 1, 2, 30},   {1969, 12, 31, 23},
        {2038, 1, 19, 3, 14}, {5000, 7, 1, 12}, {9999, 12, 31, 23, 59}};
    for (int from = first; from <= last; ++from) {
        EXPECT_TRUE(catalogue.zones[static_cast<std::size_t>(from)].rules)
            << catalogue.zones[static_cast<std::size_t>(from)].StdName;
        const int to = from == last ? first : from + 1;
        for (const CivilTime& t : times) {
            const std::string text = ConvertZoneTime(catalogue, from, to, t, EnglishUnitedStates());
            const bool isTime = text.size() == 5 && text[2] == ':';
            EXPECT_TRUE(isTime || text == "Invalid Format!!") << text;
        }
    }
    // Times before 1900 move along the time line (Paris kept local mean time, +0:09:21, read
    // as 9 minutes); beyond the years a date can have, the program's message.
    auto zone = [&](const char* stdName) {
        for (int i = first; i <= last; ++i)
            if (catalogue.zones[static_cast<std::size_t>(i)].StdName == stdName) return i;
        return -1;
    };
    const int paris = zone("Romance Standard Time");
    const struct {
        int from;
        int to;
        CivilTime t;
        const char* text;
    } cases[] = {
        {paris, kZoneUtc, {100, 1, 1, 0, 10}, "00:01"},
        {paris, kZoneUtc, {1850, 6, 1, 12}, "11:51"},
        {paris, kZoneUtc, {5000, 7, 1, 12}, "10:00"},
        {paris, zone("Dateline Standard Time"), {100, 1, 1, 0, 10}, "Invalid Format!!"},
        {paris, zone("Line Islands Standard Time"), {9999, 12, 31, 23}, "Invalid Format!!"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ConvertZoneTime(catalogue, c.from, c.to, c.t, EnglishUnitedStates()), c.text);
    }
}

TEST_F(ZoneDatabase, MalformedAndUnknownTableLinesAreSkipped) {
    const std::string table =
        "Alpha Standard Time\tAlpha\tAlpha Standard Time\tAlpha Daylight Time\tEurope/Paris\t5\t6\n"
        "alpha standard time\tRepeated\tx\tx\tEtc/UTC\t-1\t-1\n"
        "Nowhere Standard Time\tNowhere\tx\tx\tNo/Such_Zone\t-1\t-1\n"
        "Broken\tline\n"
        "Irish Standard Time\tDublin\tIrish Standard Time\tIrish Summer "
        "Time\tEurope/Dublin\t1\t2\n";
    TzZoneSource source(table);
    EXPECT_EQ(source.SkippedTableLines(), 3);
    const ZoneEntries entries = source.Entries(2026);
    ASSERT_EQ(entries.zones.size(), 2u);
    const ZoneEntry& alpha = entries.zones[0];
    EXPECT_EQ(alpha.key, "Alpha Standard Time");
    EXPECT_EQ(Display(alpha), "(UTC+01:00) Alpha");
    EXPECT_EQ(alpha.mapId1, 5);
    EXPECT_EQ(alpha.mapId2, 6);
    const ZoneEntry& irish = entries.zones[1];
    EXPECT_EQ(irish.key, "Irish Standard Time");
    EXPECT_EQ(Display(irish), "(UTC+00:00) Dublin");

    // Nothing usable at all: no zones, which the catalogue reports to the user.
    TzZoneSource empty("\x01\x02\tgarbage\n\n#\n");
    EXPECT_TRUE(empty.Entries(2026).zones.empty());
}

}  // namespace
}  // namespace horavia
