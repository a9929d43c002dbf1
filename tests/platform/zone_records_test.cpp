// The pieces of a zone's registry record: the table rows, the zone files, the binary record
// and its rules.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/linux/tzi_record.h"
#include "platform/linux/zone_file.h"
#include "platform/linux/zone_table.h"
#include "tzi_reader.h"

namespace horavia {
namespace {

using testing::UnpackTzi;

ZoneTimeline Zone(const char* ianaId) {
    auto timeline = LoadZoneTimeline(ianaId);
    EXPECT_TRUE(timeline.has_value()) << ianaId;
    return timeline ? *timeline : *LoadZoneTimeline("Etc/UTC");
}

// The registry's record of the zone's year.
TziRecord YearRecord(const char* ianaId, int year) {
    return TziOfZoneYear(ComputeZoneYear(Zone(ianaId), year));
}

SystemTime Rule(int month, int dayOfWeek, int week, int hour, int minute = 0) {
    SystemTime t;
    t.month = static_cast<std::uint16_t>(month);
    t.dayOfWeek = static_cast<std::uint16_t>(dayOfWeek);
    t.week = static_cast<std::uint16_t>(week);
    t.hour = static_cast<std::uint16_t>(hour);
    t.minute = static_cast<std::uint16_t>(minute);
    return t;
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

TEST(TziRecord, PacksLittleEndianInTheRegistryLayout) {
    TziRecord record;
    record.bias = -60;
    record.daylightBias = -60;
    record.standardDate = Rule(10, 0, 5, 3);
    record.daylightDate = Rule(3, 0, 5, 2);
    const std::string bytes = PackTzi(record);
    ASSERT_EQ(bytes.size(), kTziBytes);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\xC4\xFF\xFF\xFF", 4));
    EXPECT_EQ(bytes.substr(4, 4), std::string(4, '\0'));
    EXPECT_EQ(bytes.substr(8, 4), std::string("\xC4\xFF\xFF\xFF", 4));
    // Standard date: year 0, month 10, Sunday, week 5, 03:00:00.000.
    EXPECT_EQ(bytes.substr(12, 16), std::string("\0\0\x0A\0\0\0\x05\0\x03\0\0\0\0\0\0\0", 16));
    EXPECT_EQ(bytes[30], '\x03');  // daylight month
    EXPECT_EQ(bytes[36], '\x02');  // daylight hour

    const TziRecord back = UnpackTzi(bytes);
    EXPECT_EQ(back.bias, -60);
    EXPECT_EQ(back.daylightBias, -60);
    EXPECT_EQ(back.standardDate, record.standardDate);
    EXPECT_EQ(back.daylightDate, record.daylightDate);
}

TEST(TziRecord, NamesTheWeekOfTheMonth) {
    // 2026: March 8 is the second Sunday, March 29 the last, November 1 the first.
    EXPECT_EQ(RuleForMoment(2026, 3, 8, 2, 0, 0, 0), Rule(3, 0, 2, 2));
    EXPECT_EQ(RuleForMoment(2026, 3, 29, 2, 0, 0, 0), Rule(3, 0, 5, 2));
    EXPECT_EQ(RuleForMoment(2026, 11, 1, 2, 0, 0, 0), Rule(11, 0, 1, 2));
    // March 22 is the fourth Sunday but not the last; March 25 (Wednesday) is the last one.
    EXPECT_EQ(RuleForMoment(2026, 3, 22, 0, 0, 0, 0).week, 4);
    EXPECT_EQ(RuleForMoment(2026, 3, 25, 0, 0, 0, 0).week, 5);
    EXPECT_EQ(RuleForMoment(2026, 3, 25, 0, 0, 0, 0).dayOfWeek, 3);
    // February of a common year: day 22 is already within the last seven days.
    EXPECT_EQ(RuleForMoment(2026, 2, 21, 0, 0, 0, 0).week, 3);
    EXPECT_EQ(RuleForMoment(2026, 2, 22, 0, 0, 0, 0).week, 5);
    EXPECT_EQ(RuleForMoment(2028, 2, 22, 0, 0, 0, 0).week, 4);
    const SystemTime t = RuleForMoment(2026, 12, 31, 23, 59, 59, 999);
    EXPECT_EQ(t.second, 59);
    EXPECT_EQ(t.milliseconds, 999);
}

TEST(TziRecord, DisplayPrefixFollowsTheOffset) {
    EXPECT_EQ(DisplayPrefix(0, true), "(UTC) ");
    EXPECT_EQ(DisplayPrefix(0, false), "(UTC+00:00) ");
    EXPECT_EQ(DisplayPrefix(660, true), "(UTC-11:00) ");
    EXPECT_EQ(DisplayPrefix(480, false), "(UTC-08:00) ");
    EXPECT_EQ(DisplayPrefix(210, false), "(UTC-03:30) ");
    EXPECT_EQ(DisplayPrefix(-330, false), "(UTC+05:30) ");
    EXPECT_EQ(DisplayPrefix(-345, false), "(UTC+05:45) ");
    EXPECT_EQ(DisplayPrefix(-840, false), "(UTC+14:00) ");
}

TEST(ZoneYear, NegativeDaylightSavingIsReadAsWinterStandard) {
    // The tz database keeps Irish summer time as standard and winter as "negative" daylight
    // saving; the registry view is winter standard, summer daylight.
    const ZoneYear dublinYear = ComputeZoneYear(Zone("Europe/Dublin"), 2026);
    EXPECT_EQ(dublinYear.daylightPeriods, 1);
    const TziRecord dublin = TziOfZoneYear(dublinYear);
    EXPECT_EQ(dublin.bias, 0);
    EXPECT_EQ(dublin.daylightBias, -60);
    EXPECT_EQ(dublin.daylightDate, Rule(3, 0, 5, 1));
    EXPECT_EQ(dublin.standardDate, Rule(10, 0, 5, 2));
}

TEST(ZoneYear, ChangesAtMidnightAndHalfHourDaylightSaving) {
    // Lord Howe moves by half an hour; its changes are at 2:00 local standard time.
    const TziRecord lordHowe = YearRecord("Australia/Lord_Howe", 2026);
    EXPECT_EQ(lordHowe.bias, -630);
    EXPECT_EQ(lordHowe.daylightBias, -30);
    EXPECT_EQ(lordHowe.daylightDate, Rule(10, 0, 1, 2));
    EXPECT_EQ(lordHowe.standardDate, Rule(4, 0, 1, 2));
    // Chile changes at 24:00 on Saturday, which the clock reads as 00:00 on Sunday.
    const TziRecord santiago = YearRecord("America/Santiago", 2026);
    EXPECT_EQ(santiago.bias, 240);
    EXPECT_EQ(santiago.daylightDate.dayOfWeek, 0);
    EXPECT_EQ(santiago.daylightDate.hour, 0);
    EXPECT_EQ(santiago.daylightDate.month, 9);
}

TEST(ZoneYear, AZoneThatChangedItsOffsetForGoodKeepsOnePeriodCutByTheYear) {
    // Greenland moved from -3 to -2 in March 2023 and had no other change that year.
    const ZoneYear nuukYear = ComputeZoneYear(Zone("America/Nuuk"), 2023);
    EXPECT_EQ(nuukYear.daylightPeriods, 1);
    const TziRecord nuuk = TziOfZoneYear(nuukYear);
    EXPECT_EQ(nuuk.bias, 180);
    EXPECT_EQ(nuuk.daylightBias, -60);
    EXPECT_EQ(nuuk.daylightDate.month, 3);
    EXPECT_EQ(nuuk.standardDate, RuleForMoment(2023, 12, 31, 23, 59, 59, 999));
}

TEST(ZoneYear, AZoneWithoutChangesGivesAnEmptyRecordAndAnUnknownZoneNone) {
    const ZoneYear utc = ComputeZoneYear(Zone("Etc/UTC"), 2026);
    EXPECT_EQ(utc.daylightPeriods, 0);
    EXPECT_EQ(PackTzi(TziOfZoneYear(utc)), std::string(kTziBytes, '\0'));
    EXPECT_FALSE(LoadZoneTimeline("No/Such_Zone").has_value());
}

}  // namespace
}  // namespace horavia
