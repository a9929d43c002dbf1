// Zones built from real registry records (a yearly record, and a zone with records of single
// years) against the system's tz database: the same offset one second either side of every
// change of the years the records hold.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "model/registry_zone_source.h"
#include "model/yearly_rule_zone.h"
#include "platform/linux/zone_file.h"
#include "tz/civil_days.h"

namespace horavia {
namespace {

// A record as the registry holds it (comma-separated hex bytes), read as the program reads a
// value: one character per byte, the last byte dropped.
ZoneYearRecord Record(const std::string& hex) {
    std::string bytes;
    std::istringstream in(hex);
    for (std::string byte; std::getline(in, byte, ',');) {
        bytes.push_back(static_cast<char>(std::stoi(byte, nullptr, 16)));
    }
    bytes.pop_back();
    return ReadTzi(bytes);
}

struct RegistryZone {
    const char* ianaId;
    int fromYear;  // the changes compared: from 1 January of fromYear to 1 December of toYear
    int toYear;
    const char* tzi;
    std::map<int, const char*> years;  // "Dynamic DST"
};

const std::vector<RegistryZone> kZones = {
    {"America/New_York",
     2020,
     2030,
     "2c,01,00,00,00,00,00,00,c4,ff,ff,ff,00,00,0b,00,00,00,01,00,02,00,00,00,00,00,00,00,00,00,"
     "03,00,00,00,02,00,02,00,00,00,00,00,00,00",
     {}},
    // The registry's record for 2023 has the end of Ramadan time a week late, and one record
    // a year cannot hold 2029's second Ramadan (from 30 December): years the records can say.
    {"Africa/Casablanca",
     2024,
     2029,
     "00,00,00,00,00,00,00,00,c4,ff,ff,ff,00,00,0c,00,00,00,04,00,03,00,00,00,00,00,00,00,00,00,"
     "02,00,00,00,02,00,02,00,00,00,00,00,00,00",
     {
         {2020,
          "00,00,00,00,00,00,00,00,c4,ff,ff,ff,00,00,04,00,00,00,03,00,03,00,00,00,00,00,00,"
          "00,00,00,05,00,00,00,05,00,02,00,00,00,00,00,00,00"},
         {2021,
          "00,00,00,00,00,00,00,00,c4,ff,ff,ff,00,00,04,00,00,00,02,00,03,00,00,00,00,00,00,"
          "00,00,00,05,00,00,00,03,00,02,00,00,00,00,00,00,00"},
         {2022,
          "00,00,00,00,00,00,00,00,c4,ff,ff,ff,00,00,03,00,00,00,05,00,03,00,00,00,00,00,00,"
          "00,00,00,05,00,00,00,02,00,02,00,00,00,00,00,00,00"},
         {2023,
          "00,00,00,00,00,00,00,00,c4,ff,ff,ff,00,00,03,00,00,00,03,00,03,00,00,00,00,00,00,"
          "00,00,00,04,00,00,00,05,00,02,00,00,00,00,00,00,00"},
         {2024,
          "00,00,00,00,00,00,00,00,c4,ff,ff,ff,00,00,03,00,00,00,02,00,03,00,00,00,00,00,00,"
          "00,00,00,04,00,00,00,02,00,02,00,00,00,00,00,00,00"},
         {2025,
          "00,00,00,00,00,00,00,00,c4,ff,ff,ff,00,00,02,00,00,00,04,00,03,00,00,00,00,00,00,"
          "00,00,00,04,00,00,00,01,00,02,00,00,00,00,00,00,00"},
         {2026,
          "00,00,00,00,00,00,00,00,c4,ff,ff,ff,00,00,02,00,00,00,03,00,03,00,00,00,00,00,00,"
          "00,00,00,03,00,00,00,04,00,02,00,00,00,00,00,00,00"},
         {2027,
          "00,00,00,00,00,00,00,00,c4,ff,ff,ff,00,00,02,00,00,00,01,00,03,00,00,00,00,00,00,"
          "00,00,00,03,00,00,00,02,00,02,00,00,00,00,00,00,00"},
         {2028,
          "00,00,00,00,00,00,00,00,c4,ff,ff,ff,00,00,01,00,00,00,04,00,03,00,00,00,00,00,00,"
          "00,00,00,03,00,00,00,01,00,02,00,00,00,00,00,00,00"},
         {2029,
          "00,00,00,00,00,00,00,00,c4,ff,ff,ff,00,00,01,00,00,00,02,00,03,00,00,00,00,00,00,"
          "00,00,00,02,00,00,00,03,00,02,00,00,00,00,00,00,00"},
         {2030,
          "00,00,00,00,00,00,00,00,c4,ff,ff,ff,00,00,0c,00,00,00,04,00,03,00,00,00,00,00,00,"
          "00,00,00,02,00,00,00,02,00,02,00,00,00,00,00,00,00"},
     }},
};

TEST(RegistryRecords, OffsetsAgreeWithTheTzDatabaseAroundEveryChange) {
    for (const RegistryZone& zone : kZones) {
        const std::int64_t from = DaysSince1970(zone.fromYear, 1, 1) * 86'400;
        const std::int64_t to = DaysSince1970(zone.toYear, 12, 1) * 86'400;
        const auto truth = LoadZoneTimeline(zone.ianaId);
        ASSERT_TRUE(truth) << zone.ianaId;
        std::map<int, ZoneYearRecord> years;
        for (const auto& [year, hex] : zone.years) years.emplace(year, Record(hex));
        const YearlyRuleZone converted(Record(zone.tzi), years);
        const auto changes = truth->ChangesBetween(from, to);
        EXPECT_GT(changes.size(), 10u) << zone.ianaId;
        for (const OffsetChange& change : changes) {
            for (const std::int64_t t : {change.at - 1, change.at, change.at + 1}) {
                EXPECT_EQ(converted.OffsetAt(t), truth->OffsetAt(t)) << zone.ianaId << " at " << t;
            }
        }
        // And the converted zone's own changes are the database's.
        EXPECT_EQ(converted.ChangesBetween(from, to), changes) << zone.ianaId;
    }
}

}  // namespace
}  // namespace horavia
