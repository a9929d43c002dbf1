// The system's own compiled zone files (/usr/share/zoneinfo, so not in the Windows build):
// the table, the footer's rule string, and the history of a year. Expected instants are those
// the tz reference code (zdump) lists for the same files.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "casablanca_2029.h"
#include "tz/zone_timeline.h"
#include "tzif_writer.h"

namespace horavia {
namespace {

using testing::Utc;

std::string FileBytes(const char* id) {
    std::ifstream in(std::string("/usr/share/zoneinfo/") + id, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

ZoneTimeline Load(const char* id) {
    auto timeline = ZoneTimeline::FromTzif(FileBytes(id));
    EXPECT_TRUE(timeline.has_value()) << id;
    return timeline ? *timeline : *ZoneTimeline::FromTzif(FileBytes("Etc/UTC"));
}

struct YearCase {
    const char* zone;
    int year;
    std::vector<OffsetChange> changes;
};

TEST(ZoneTimeline, ChangesOfYearsReadFromTheTableAndFromTheFooterRule) {
    const std::vector<YearCase> cases{
        // Qt 6.4 reports a change that changes nothing at 2038-01-19 03:14:07 instead of these.
        {"America/Miquelon",
         2038,
         {{Utc(2038, 3, 14, 5), -10800, -7200}, {Utc(2038, 11, 7, 4), -7200, -10800}}},
        {"Atlantic/Azores",
         2038,
         {{Utc(2038, 3, 28, 1), -3600, 0}, {Utc(2038, 10, 31, 1), 0, -3600}}},
        // Half an hour of daylight saving, across New Year.
        {"Australia/Lord_Howe",
         2040,
         {{Utc(2040, 3, 31, 15), 39600, 37800}, {Utc(2040, 10, 6, 15, 30), 37800, 39600}}},
        // Rule times of -1:00 and 24:00.
        {"America/Nuuk",
         2040,
         {{Utc(2040, 3, 25, 1), -7200, -3600}, {Utc(2040, 10, 28, 1), -3600, -7200}}},
        {"America/Santiago",
         2040,
         {{Utc(2040, 4, 8, 3), -10800, -14400}, {Utc(2040, 9, 2, 4), -14400, -10800}}},
        {"Pacific/Chatham",
         2040,
         {{Utc(2040, 3, 31, 14), 49500, 45900}, {Utc(2040, 9, 29, 14), 45900, 49500}}},
        // After the table's end (2086): a rule time of 50 hours, Thursday 50:00 = Saturday 02:00.
        {"Asia/Hebron",
         2090,
         {{Utc(2090, 3, 25, 0), 7200, 10800}, {Utc(2090, 10, 27, 23), 10800, 7200}}},
        // Two periods of Ramadan time in one year, from the table.
        {"Africa/Casablanca",
         2029,
         {{Utc(2029, 1, 14, 2), 3600, 0},
          {Utc(2029, 2, 18, 2), 0, 3600},
          {Utc(2029, 12, 30, 2), 3600, 0}}},
        {"Asia/Tokyo", 2040, {}},
    };
    for (const YearCase& c : cases) {
        const ZoneTimeline zone = Load(c.zone);
        const auto changes = zone.ChangesBetween(Utc(c.year, 1, 1, 0), Utc(c.year + 1, 1, 1, 0));
        ASSERT_EQ(changes.size(), c.changes.size()) << c.zone;
        for (std::size_t i = 0; i < changes.size(); ++i) {
            EXPECT_EQ(changes[i].at, c.changes[i].at) << c.zone << " change " << i;
            EXPECT_EQ(changes[i].before, c.changes[i].before) << c.zone << " change " << i;
            EXPECT_EQ(changes[i].after, c.changes[i].after) << c.zone << " change " << i;
            EXPECT_EQ(zone.OffsetAt(changes[i].at - 1), c.changes[i].before) << c.zone;
            EXPECT_EQ(zone.OffsetAt(changes[i].at), c.changes[i].after) << c.zone;
        }
    }
}

// What holds at an instant, from the table and from the footer's rule; a wall-clock reading
// placed on the time line once, never (skipped) or twice (repeated). Expected instants and
// names are zdump's for the same files.
TEST(ZoneTimeline, StatesAndWallClockReadingsOnTheTimeLine) {
    const struct {
        const char* zone;
        std::int64_t at;
        ZoneState state;
    } states[] = {
        {"Europe/Berlin", Utc(2026, 3, 29, 1) - 1, {3600, false, "CET"}},
        {"Europe/Berlin", Utc(2026, 3, 29, 1), {7200, true, "CEST"}},
        {"Europe/Berlin", Utc(2090, 7, 1, 0), {7200, true, "CEST"}},  // the footer's rule
        {"Asia/Kolkata", Utc(2026, 1, 1, 0), {19800, false, "IST"}},
        {"America/Sao_Paulo", Utc(2026, 1, 1, 0), {-10800, false, "-03"}},
        {"Africa/Casablanca", Utc(2029, 1, 20, 0), {0, true, "+00"}},  // Ramadan: negative DST
    };
    for (const auto& c : states) {
        EXPECT_EQ(Load(c.zone).StateAt(c.at), c.state) << c.zone << " " << c.at;
    }
    using Kind = CivilLookup::Kind;
    const struct {
        const char* zone;
        std::int64_t wall;  // the reading, counted as if it were UTC
        Kind kind;
        std::int64_t pre;
        std::int64_t post;
    } readings[] = {
        {"Europe/Berlin", Utc(2026, 3, 29, 2, 30), Kind::Skipped, Utc(2026, 3, 29, 1, 30),
         Utc(2026, 3, 29, 0, 30)},
        {"Europe/Berlin", Utc(2026, 10, 25, 2, 30), Kind::Repeated, Utc(2026, 10, 25, 0, 30),
         Utc(2026, 10, 25, 1, 30)},
        {"Europe/Berlin", Utc(2026, 3, 29, 3), Kind::Unique, Utc(2026, 3, 29, 1),
         Utc(2026, 3, 29, 1)},
        {"Europe/Berlin", Utc(2026, 3, 29, 2) - 1, Kind::Unique, Utc(2026, 3, 29, 1) - 1,
         Utc(2026, 3, 29, 1) - 1},
        // Half an hour back, across New Year on the other side of the world.
        {"Australia/Lord_Howe", Utc(2040, 4, 1, 1, 45), Kind::Repeated, Utc(2040, 3, 31, 14, 45),
         Utc(2040, 3, 31, 15, 15)},
        // After the table's end, from the rule: Hebron's Saturday 02:00 is skipped.
        {"Asia/Hebron", Utc(2090, 3, 25, 2, 30), Kind::Skipped, Utc(2090, 3, 25, 0, 30),
         Utc(2090, 3, 24, 23, 30)},
        {"Asia/Tokyo", Utc(2040, 6, 1, 12), Kind::Unique, Utc(2040, 6, 1, 3), Utc(2040, 6, 1, 3)},
    };
    for (const auto& r : readings) {
        const CivilLookup found = Load(r.zone).LookUp(r.wall);
        EXPECT_EQ(found.kind, r.kind) << r.zone << " " << r.wall;
        EXPECT_EQ(found.pre, r.pre) << r.zone << " " << r.wall;
        EXPECT_EQ(found.post, r.post) << r.zone << " " << r.wall;
    }
}

TEST(ZoneTimeline, BeforeTheTableTheFirstTimeTypeHoldsAndLongAfterItTheRule) {
    const ZoneTimeline paris = Load("Europe/Paris");
    EXPECT_EQ(paris.OffsetAt(Utc(1800, 6, 1, 12)), 561);  // local mean time, +0:09:21
    EXPECT_EQ(paris.OffsetAt(Utc(9999, 7, 1, 12)), 7200);
    EXPECT_EQ(paris.OffsetAt(Utc(9999, 12, 1, 12)), 3600);
}

TEST(ZoneTimeline, DamagedFilesAreRefusedWithoutACrash) {
    const std::string paris = FileBytes("Europe/Paris");
    ASSERT_GT(paris.size(), 1000u);
    // Every cut short copy either reads (the 64-bit table and footer are optional) or is refused.
    for (std::size_t n = 0; n < paris.size(); ++n) {
        const auto cut = ZoneTimeline::FromTzif(std::string_view(paris).substr(0, n));
        if (cut) {
            EXPECT_EQ(cut->OffsetAt(Utc(1990, 1, 1, 0)), 3600) << n;
        }
    }
    auto mutated = [&](std::size_t at, char value) {
        std::string bytes = paris;
        bytes[at] = value;
        return ZoneTimeline::FromTzif(bytes).has_value();
    };
    EXPECT_FALSE(mutated(0, 'X'));                           // magic
    EXPECT_FALSE(mutated(36 + 3, 0));                        // no time types
    EXPECT_FALSE(mutated(32 + 0, static_cast<char>(0x7F)));  // huge transition count
    EXPECT_FALSE(ZoneTimeline::FromTzif(paris.substr(0, paris.size() - 5) + "\nX9Y\n"));
}

TEST(ZoneHistory, AYearListsItsChangesAsBiasesFromItsFirstInstant) {
    testing::ExpectCasablancaYears(Load("Africa/Casablanca"));
}

}  // namespace
}  // namespace horavia
