#include "model/pseudo_zones.h"

#include <gtest/gtest.h>

#include <cmath>

namespace horavia {
namespace {

const LocaleInfo kEnglish = EnglishUnitedStates();

LocaleInfo German() {
    LocaleInfo l = EnglishUnitedStates();
    l.decimalSeparator = ",";
    l.groupSeparator = ".";
    return l;
}

TEST(PseudoZones, JulianDate) {
    const DayCount noon2000 = FromCivil(2000, 1, 1, 12);
    EXPECT_EQ(JulianDateText(noon2000, true, kEnglish), "2,451,545.00000");
    EXPECT_EQ(JulianDateText(noon2000, false, kEnglish), "2,451,545.00");
    EXPECT_EQ(JulianDateText(noon2000, false, German()), "2.451.545,00");
    EXPECT_EQ(JulianDateText(FromCivil(2000, 1, 1, 18), true, kEnglish), "2,451,545.25000");
}

TEST(PseudoZones, UnixTimeRoundsHalvesToEvenAndNeverWraps) {
    EXPECT_EQ(UnixTime(kUnixEpochDay), 0);
    EXPECT_EQ(UnixTime(FromCivil(2001, 9, 9, 1, 46, 40)), 1000000000);
    EXPECT_EQ(UnixTime(FromCivil(1969, 12, 31, 23, 59, 59)), -1);
    // Past the signed 32-bit range the number is written in full.
    EXPECT_EQ(UnixTime(FromCivil(2038, 1, 19, 3, 14, 8)), 2147483648LL);
    EXPECT_EQ(UnixTimeText(*UnixTime(FromCivil(2106, 2, 7, 6, 28, 16))), "4294967296");
    EXPECT_EQ(UnixTimeText(*UnixTime(FromCivil(9999, 12, 31, 23, 59, 59))), "253402300799");
    // 1/256 day is exactly 337.5 s and 3/256 day 1012.5 s: halves go to the even neighbour.
    EXPECT_EQ(UnixTime(kUnixEpochDay + 1.0 / 256), 338);
    EXPECT_EQ(UnixTime(kUnixEpochDay + 3.0 / 256), 1012);
    EXPECT_EQ(UnixTime(kUnixEpochDay - 1.0 / 256), -338);
    EXPECT_FALSE(UnixTime(std::nan("")));
    EXPECT_FALSE(UnixTime(1e300));
}

TEST(PseudoZones, SwatchBeats) {
    const auto text = [](DayCount utc) { return SwatchText(*SwatchBeats(utc), kEnglish); };
    EXPECT_EQ(text(FromCivil(2026, 3, 5)), "@041");
    EXPECT_EQ(text(FromCivil(2026, 3, 5, 12)), "@541");
    EXPECT_EQ(text(FromCivil(2026, 3, 5, 23, 30)), "@020");
    EXPECT_EQ(text(FromCivil(2026, 3, 5, 23)), "@000");
    // Exactly on a beat boundary is that beat, not one short (binary fractions of a day
    // put these a hair below the boundary).
    EXPECT_EQ(text(FromCivil(2026, 3, 5, 0, 0, 28, 800)), "@042");
    EXPECT_EQ(text(FromCivil(2026, 3, 5, 0, 12)), "@050");
    EXPECT_EQ(text(FromCivil(2026, 3, 5, 23, 1, 26, 400)), "@001");
    EXPECT_EQ(text(FromCivil(2026, 3, 5, 23, 1, 26, 399)), "@000");
    EXPECT_EQ(text(FromCivil(2026, 3, 5, 22, 59, 59, 999)), "@999");
    EXPECT_EQ(text(-0.25), "@291");  // 1899-12-30 06:00: before day 0 the fraction is the time
    EXPECT_FALSE(SwatchBeats(std::nan("")));
}

// Before 1899-12-30 a day count's fraction runs backwards (-1.25 is 06:00 of the day before);
// the time scales still run forwards. Values from Python's datetime.
TEST(PseudoZones, BeforeTheDayCountsEpochTheScalesRunForwards) {
    const DayCount morning = FromCivil(1800, 1, 1, 6, 0, 0);
    const DayCount evening = FromCivil(1800, 1, 1, 18, 0, 0);
    EXPECT_EQ(UnixTime(morning), -5364640800);
    EXPECT_EQ(UnixTime(evening), -5364597600);
    EXPECT_EQ(SwatchBeats(morning), 291);
    EXPECT_EQ(SwatchBeats(evening), 791);
    EXPECT_DOUBLE_EQ(JulianDate(morning), 2378496.75);
    EXPECT_LT(StardateOf(morning).v, StardateOf(evening).v);
    EXPECT_NEAR(LinearDays(MarsTime(evening)) - LinearDays(MarsTime(morning)), 0.5 / 1.02749125,
                1e-9);
}

TEST(PseudoZones, StardateAtItsEpochs) {
    EXPECT_EQ(StardateText(FromCivil(2162, 1, 4), kEnglish), "[0]0000.00");
    EXPECT_EQ(StardateText(FromCivil(2162, 1, 5), kEnglish), "[0]0005.00");
    EXPECT_EQ(StardateText(FromCivil(2323, 1, 1), kEnglish), "[21]00000.00");
    EXPECT_EQ(StardateText(FromCivil(2026, 12, 7), kEnglish), "[-25]3320.00");
    EXPECT_EQ(StardateText(FromCivil(2026, 12, 7), German()), "[-25]3320,00");
    // The first three ranges join without a jump.
    EXPECT_EQ(StardateText(FromCivil(2270, 1, 26), kEnglish), "[19]7340.00");
    EXPECT_EQ(StardateText(FromCivil(2270, 1, 26) - 0.2, kEnglish), "[19]7339.00");
    EXPECT_EQ(StardateText(FromCivil(2283, 10, 5), kEnglish), "[19]7840.00");
    EXPECT_EQ(StardateText(FromCivil(2283, 10, 5) - 2, kEnglish), "[19]7839.80");
}

TEST(PseudoZones, StardateIssueAndRemainder) {
    EXPECT_EQ(StardateIssue(-246680, 4), -25);
    EXPECT_DOUBLE_EQ(StardateRemainder(-246680, 4), 3320);
    EXPECT_EQ(StardateIssue(2100000, 5), 21);
    EXPECT_DOUBLE_EQ(StardateRemainder(2100000, 5), 0);
    // Beyond 16 bits the issue is kept in full.
    EXPECT_EQ(StardateIssue(-1e9, 4), -100000);
    EXPECT_EQ(StardateText(-7e7, kEnglish), "[-35048]1505.00");
    // A tiny negative value leaves a remainder just below 10^n, never 10^n itself.
    EXPECT_LT(StardateRemainder(-1e-20, 4), 10000);
    EXPECT_GE(StardateRemainder(-1e-20, 4), 0);
}

TEST(PseudoZones, StardateRemainderRoundingUpCarriesIntoTheIssue) {
    // v = 9999.999 would otherwise read "[0]10000.00".
    EXPECT_EQ(StardateText(FromCivil(2162, 1, 4) + 9999.999 / 5, kEnglish), "[1]0000.00");
    EXPECT_EQ(StardateText(FromCivil(2162, 1, 4) - 1e-9, kEnglish), "[0]0000.00");
}

TEST(PseudoZones, Population) {
    const PopulationModel model{10000, 6000, 36359};
    const auto population = [&](DayCount localTime, const LocaleInfo& locale) {
        return PseudoZoneText(kZonePopulation, 0, localTime, model, "", locale);
    };
    EXPECT_EQ(population(FromCivil(1999, 7, 18), kEnglish), "6,000,000,000");
    EXPECT_EQ(population(FromCivil(1999, 7, 18) + 365.25, kEnglish), "6,060,000,000");
    EXPECT_EQ(population(FromCivil(1999, 7, 18) + 365.25, German()), "6.060.000.000");
    // The population zone counts from local time, the others from UTC.
    EXPECT_EQ(PseudoZoneText(kZonePopulation, 0, 36359, model, "", kEnglish), "6,000,000,000");
}

TEST(PseudoZones, MarsTimeAndLongitude) {
    const DayCount epoch = FromCivil(2003, 12, 26, 12);
    const auto mars = [&](const std::string& format, const LocaleInfo& l = kEnglish) {
        const auto text = MarsTimeText(epoch, format, l);
        return text ? *text : "<none>";
    };
    EXPECT_EQ(mars("hh:nn:ss"), "16:34:31");
    EXPECT_EQ(mars("hh:nn:ss [90E]"), "22:34:31");
    EXPECT_EQ(mars("[90W]hh:nn:ss"), "10:34:31");
    EXPECT_EQ(mars("hh:nn:ss [ 90 w ]"), "10:34:31");
    EXPECT_EQ(mars("hh:nn:ss [-90]"), "10:34:31");
    EXPECT_EQ(mars("hh:nn:ss [12.5E]"), "17:24:31");
    EXPECT_EQ(mars("hh:nn:ss [12,5E]", German()), "17:24:31");
    EXPECT_EQ(mars("hh:nn:ss [12.5E]", German()), "17:24:31");  // a point always works
    EXPECT_EQ(mars("hh:nn:ss [1,234.5E]"), "02:52:31");         // 1234.5 degrees
    // One Mars day later, the same Mars time.
    EXPECT_EQ(*MarsTimeText(epoch + 1.02749125, "hh:nn:ss", kEnglish), "16:34:31");
}

TEST(PseudoZones, MarsLongitudeBlocksThatCannotBeUsed) {
    const DayCount epoch = FromCivil(2003, 12, 26, 12);
    const auto mars = [&](const std::string& format) {
        const auto text = MarsTimeText(epoch, format, kEnglish);
        return text ? *text : "<none>";
    };
    EXPECT_EQ(mars("hh:nn:ss [abc]"), "16:34:31");  // unreadable: time unchanged
    EXPECT_EQ(mars("hh:nn:ss [E]"), "16:34:31");
    EXPECT_EQ(mars("hh:nn:ss []"), "16:34:31");
    EXPECT_EQ(mars("hh:nn:ss [9.0.0E]"), "16:34:31");
    EXPECT_EQ(mars("]x[ hh:nn"), "]x[ 16:34");             // reversed block: format untouched
    EXPECT_EQ(mars("hh:nn [90E"), "16:34 [90E");           // unclosed block: format untouched
    EXPECT_EQ(mars("hh:nn:ss [99999999999E]"), "<none>");  // beyond any date

    std::string format = "  hh:nn [90E] ss  ";
    const DayCount m = ApplyMarsLongitude(0.25, format, kEnglish);
    EXPECT_DOUBLE_EQ(m, 0.5);
    EXPECT_EQ(format, "hh:nn  ss");
    format = "hh [1] [2]";  // only the first block counts
    EXPECT_DOUBLE_EQ(ApplyMarsLongitude(0, format, kEnglish), 1.0 / 360);
    EXPECT_EQ(format, "hh  [2]");
}

TEST(PseudoZones, PseudoZoneTextDispatch) {
    const PopulationModel model;
    const DayCount noon2000 = FromCivil(2000, 1, 1, 12);
    EXPECT_EQ(PseudoZoneText(kZoneJulianLong, noon2000, 0, model, "", kEnglish), "2,451,545.00000");
    EXPECT_EQ(PseudoZoneText(kZoneJulianShort, noon2000, 0, model, "", kEnglish), "2,451,545.00");
    EXPECT_EQ(PseudoZoneText(kZoneStardate, FromCivil(2162, 1, 4), 0, model, "", kEnglish),
              "[0]0000.00");
    EXPECT_EQ(PseudoZoneText(kZoneMars, FromCivil(2003, 12, 26, 12), 0, model, "hh:nn", kEnglish),
              "16:34");
    EXPECT_EQ(PseudoZoneText(kZoneUnix, kUnixEpochDay, 0, model, "", kEnglish), "0");
    EXPECT_EQ(PseudoZoneText(kZoneSwatch, noon2000, 0, model, "", kEnglish), "@541");
    for (const int zone :
         {int{kZoneUtc}, int{kZoneEmpty}, int{kZoneUnknown}, int{kFirstRegistryZone}, -1}) {
        EXPECT_FALSE(PseudoZoneText(zone, noon2000, 0, model, "", kEnglish)) << zone;
    }
    EXPECT_FALSE(PseudoZoneText(kZoneJulianLong, std::nan(""), 0, model, "", kEnglish));
    EXPECT_FALSE(PseudoZoneText(kZoneUnix, 1e300, 0, model, "", kEnglish));
    EXPECT_FALSE(PseudoZoneText(kZonePopulation, noon2000, 1e9, model, "", kEnglish));
}

}  // namespace
}  // namespace horavia
