// The pieces a catalogue zone is made from: the table rows, the zone files, the display prefix
// and the zone's year.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "clock_changes.h"
#include "platform/linux/utc_offset_prefix.h"
#include "platform/linux/zone_file.h"
#include "platform/linux/zone_table.h"
#include "tz/zone_year.h"

namespace horavia {
namespace {

using testing::ExpectOnRule;

constexpr std::int32_t kHour = 3600;

ZoneTimeline Zone(const char* ianaId) {
    auto timeline = LoadZoneTimeline(ianaId);
    EXPECT_TRUE(timeline.has_value()) << ianaId;
    return timeline ? *timeline : *LoadZoneTimeline("Etc/UTC");
}

TEST(ZoneTable, ReadsRowsAndSkipsMalformedLines) {
    const std::string text =
        "# comment\n"
        "\n"
        "Good Standard Time\tGood Place\tGood Standard Time\tGood Daylight "
        "Time\tEurope/Paris\t5\t6\n"
        "Crlf Time\tCrlf Place\tCrlf Time\tCrlf Time\tEtc/UTC\t-1\t-1\r\n"
        "Too Few\tFields\tEtc/UTC\t-1\n"
        "Too Many\tA\tB\tC\tEtc/UTC\t-1\t-1\textra\n"
        "\tNo Key\tS\tD\tEtc/UTC\t-1\t-1\n"
        "Back\\Slash\tX\tS\tD\tEtc/UTC\t-1\t-1\n"
        "No Zone\tX\tS\tD\t\t-1\t-1\n"
        "Bad Map\tX\tS\tD\tEtc/UTC\t1x\t-1\n"
        "Empty Map\tX\tS\tD\tEtc/UTC\t\t-1\n"
        "Huge Map\tX\tS\tD\tEtc/UTC\t99999999999\t-1\n"
        "Last Line\tNo Newline\tL\tL\tEtc/UTC\t7\t-1";
    const ZoneTable table = ParseZoneTable(text);
    ASSERT_EQ(table.rows.size(), 3u);
    EXPECT_EQ(table.skippedLines, 8);
    const ZoneTableRow& good = table.rows[0];
    EXPECT_EQ(good.key, "Good Standard Time");
    EXPECT_EQ(good.display, "Good Place");
    EXPECT_EQ(good.dltName, "Good Daylight Time");
    EXPECT_EQ(good.ianaId, "Europe/Paris");
    EXPECT_EQ(good.mapId1, 5);
    EXPECT_EQ(good.mapId2, 6);
    EXPECT_EQ(table.rows[1].mapId2, -1);  // the carriage return is not part of the field
    EXPECT_EQ(table.rows[2].mapId1, 7);
}

TEST(ZoneTable, SurvivesBinaryGarbage) {
    std::string garbage;
    for (int i = 0; i < 4096; ++i) garbage.push_back(static_cast<char>((i * 37) % 256));
    const ZoneTable table = ParseZoneTable(garbage);
    EXPECT_TRUE(table.rows.empty());
    EXPECT_GT(table.skippedLines, 0);
}

TEST(ZoneFile, ZoneIdsThatAreNotPlainNamesAreRefused) {
    for (const char* id : {"", "/etc/passwd", "../zoneinfo/Europe/Paris", "Europe/../Europe/Paris",
                           "Europe//Paris", "Europe/Paris/", "No/Such_Zone"}) {
        EXPECT_FALSE(LoadZoneTimeline(id).has_value()) << id;
    }
    EXPECT_TRUE(LoadZoneTimeline("Europe/Paris").has_value());
}

TEST(ZoneFile, AFileLongerThanItsReadsIsReadWholeAndOneOverAMegabyteIsRefused) {
    namespace fs = std::filesystem;
    const fs::path folder =
        fs::temp_directory_path() / ("zone_file_test_" + std::to_string(::getpid()));
    fs::create_directories(folder / "Big");
    // Chicago's file takes several reads; padded past a megabyte it is not a zone file.
    fs::copy_file("/usr/share/zoneinfo/America/Chicago", folder / "Chicago");
    fs::copy_file("/usr/share/zoneinfo/America/Chicago", folder / "Big" / "Chicago");
    std::ofstream(folder / "Big" / "Chicago", std::ios::app | std::ios::binary)
        << std::string((1 << 20) + 1, '\n');
    const auto chicago = LoadZoneTimeline("Chicago", folder.string());
    ASSERT_TRUE(chicago.has_value());
    const std::int64_t from = -2000000000, to = 4000000000;  // 1906 to 2096
    EXPECT_EQ(chicago->ChangesBetween(from, to).size(),
              Zone("America/Chicago").ChangesBetween(from, to).size());
    EXPECT_FALSE(LoadZoneTimeline("Big/Chicago", folder.string()).has_value());
    fs::remove_all(folder);
}

TEST(UtcOffsetPrefix, FollowsTheOffsetInWholeMinutes) {
    const struct {
        std::int32_t offset;
        bool universal;
        const char* prefix;
    } rows[] = {
        {0, true, "(UTC) "},
        {0, false, "(UTC+00:00) "},
        {-11 * kHour, true, "(UTC-11:00) "},
        {-8 * kHour, false, "(UTC-08:00) "},
        {-3 * kHour - 1800, false, "(UTC-03:30) "},
        {5 * kHour + 1800, false, "(UTC+05:30) "},
        {5 * kHour + 2700, false, "(UTC+05:45) "},
        {14 * kHour, false, "(UTC+14:00) "},
        // Seconds beyond the minute are dropped (Amsterdam and Monrovia kept such offsets).
        {1172, false, "(UTC+00:19) "},
        {-2670, false, "(UTC-00:44) "},
        {59, true, "(UTC) "},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(UtcOffsetPrefix(row.offset, row.universal), row.prefix) << row.offset;
    }
}

TEST(ZoneYear, NegativeDaylightSavingIsReadAsWinterStandard) {
    // The tz database keeps Irish summer time as standard and winter as "negative" daylight
    // saving; the catalogue's view is winter standard, summer daylight.
    const ZoneYear dublin = ComputeZoneYear(Zone("Europe/Dublin"), 2026);
    EXPECT_EQ(dublin.daylightPeriods, 1);
    EXPECT_EQ(dublin.standardOffset, 0);
    EXPECT_EQ(dublin.daylightOffset, kHour);
    ExpectOnRule(dublin.daylightStarts, 2026, {3, 0, 5, 1});
    ExpectOnRule(dublin.daylightEnds, 2026, {10, 0, 5, 2});
}

TEST(ZoneYear, ChangesAtMidnightAndHalfHourDaylightSaving) {
    // Lord Howe moves by half an hour; its changes are at 2:00 local standard time.
    const ZoneYear lordHowe = ComputeZoneYear(Zone("Australia/Lord_Howe"), 2026);
    EXPECT_EQ(lordHowe.standardOffset, 10 * kHour + 1800);
    EXPECT_EQ(lordHowe.daylightOffset, 11 * kHour);
    ExpectOnRule(lordHowe.daylightStarts, 2026, {10, 0, 1, 2});
    ExpectOnRule(lordHowe.daylightEnds, 2026, {4, 0, 1, 2});
    // Chile changes at 24:00 on Saturday, which the clock reads as 00:00 on Sunday.
    const ZoneYear santiago = ComputeZoneYear(Zone("America/Santiago"), 2026);
    EXPECT_EQ(santiago.standardOffset, -4 * kHour);
    ExpectOnRule(santiago.daylightStarts, 2026, {9, 0, 1, 0});
}

TEST(ZoneYear, AZoneThatChangedItsOffsetForGoodKeepsOnePeriodCutByTheYear) {
    // Greenland moved from -3 to -2 in March 2023 and had no other change that year.
    const ZoneYear nuuk = ComputeZoneYear(Zone("America/Nuuk"), 2023);
    EXPECT_EQ(nuuk.daylightPeriods, 1);
    EXPECT_EQ(nuuk.standardOffset, -3 * kHour);
    EXPECT_EQ(nuuk.daylightOffset, -2 * kHour);
    EXPECT_EQ(nuuk.daylightStarts.month, 3);
    const CivilTime end = nuuk.daylightEnds;
    EXPECT_EQ((std::vector<int>{end.year, end.month, end.day, end.hour, end.minute, end.second,
                                end.millisecond}),
              (std::vector<int>{2023, 12, 31, 23, 59, 59, 999}));
}

TEST(ZoneYear, AZoneWithoutChangesHasNoDaylightTimeAndAnUnknownZoneNone) {
    const ZoneYear utc = ComputeZoneYear(Zone("Etc/UTC"), 2026);
    EXPECT_EQ(utc.daylightPeriods, 0);
    EXPECT_EQ(utc.standardOffset, 0);
    EXPECT_EQ(utc.daylightOffset, 0);
    EXPECT_FALSE(LoadZoneTimeline("No/Such_Zone").has_value());
}
}  // namespace
}  // namespace horavia
