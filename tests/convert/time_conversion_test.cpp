#include "model/time_conversion.h"

#include <gtest/gtest.h>

#include "convert_zones.h"
#include "model/zone_catalogue_loader.h"
#include "tests/model/fake_messages.h"

namespace horavia {
namespace {

class Conversion : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::AddConverterZones(registry);
        ASSERT_TRUE(LoadZoneCatalogue(catalogue, registry, 2026, messages));
    }
    int Zone(const std::string& key) const {
        for (std::size_t i = 0; i < catalogue.zones.size(); ++i)
            if (catalogue.zones[i].StdName == key) return static_cast<int>(i);
        return -1;
    }
    const ZoneInfo& Info(const std::string& key) const {
        return catalogue.zones[static_cast<std::size_t>(Zone(key))];
    }
    std::string Convert(const std::string& from, const std::string& to, DayCount local) const {
        return ConvertZoneTime(catalogue, Zone(from), Zone(to), local, locale);
    }

    MemoryRegistry registry;
    testing::RecordingMessages messages;
    ZoneCatalogue catalogue;
    LocaleInfo locale = EnglishUnitedStates();
};

TEST_F(Conversion, NoonOneHourAheadIsSixFiveHoursBehind) {
    EXPECT_EQ(Convert("Plain East", "Plain West", FromCivil(2026, 1, 15, 12, 0)), "06:00");
    EXPECT_EQ(Convert("Plain West", "Plain East", FromCivil(2026, 1, 15, 6, 0)), "12:00");
    EXPECT_EQ(Convert("Plain East", "Plain East", FromCivil(2026, 1, 15, 12, 34)), "12:34");
}

TEST_F(Conversion, EachZoneUsesTheDaylightStateOfTheMomentConverted) {
    // Summer: 12:00 in central Europe is 10:00 UTC, 06:00 on the US east coast.
    EXPECT_EQ(Convert("Central Europe", "US Eastern", FromCivil(2026, 7, 1, 12, 0)), "06:00");
    EXPECT_EQ(Convert("Central Europe", "Plain West", FromCivil(2026, 7, 1, 12, 0)), "05:00");
    // Winter: 12:00 there is 11:00 UTC, 06:00 on the east coast.
    EXPECT_EQ(Convert("Central Europe", "US Eastern", FromCivil(2026, 1, 15, 12, 0)), "06:00");
    EXPECT_EQ(Convert("Central Europe", "Plain West", FromCivil(2026, 1, 15, 12, 0)), "06:00");
    // The weeks when only the US has changed: 12:00 CET is 11:00 UTC is 07:00 EDT.
    EXPECT_EQ(Convert("Central Europe", "US Eastern", FromCivil(2026, 3, 20, 12, 0)), "07:00");
    // Another year's rules: 2027's daylight time in Europe starts on 28 March.
    EXPECT_EQ(Convert("Central Europe", "Plain West", FromCivil(2027, 3, 27, 12, 0)), "06:00");
    EXPECT_EQ(Convert("Central Europe", "Plain West", FromCivil(2027, 3, 29, 12, 0)), "05:00");
}

TEST_F(Conversion, ReadingsAroundTheChangesOfTheClock) {
    const ZoneInfo& eastern = Info("US Eastern");
    // 2026-03-08 02:30 does not exist in New York's clock: taken as standard time.
    EXPECT_EQ(BiasAtReading(eastern, FromCivil(2026, 3, 8, 1, 59)), 300);
    EXPECT_EQ(BiasAtReading(eastern, FromCivil(2026, 3, 8, 2, 30)), 300);
    EXPECT_EQ(BiasAtReading(eastern, FromCivil(2026, 3, 8, 3, 30)), 240);
    // 2026-11-01 01:30 happens twice: the earlier, daylight one is taken.
    EXPECT_EQ(BiasAtReading(eastern, FromCivil(2026, 11, 1, 0, 59)), 240);
    EXPECT_EQ(BiasAtReading(eastern, FromCivil(2026, 11, 1, 1, 30)), 240);
    EXPECT_EQ(BiasAtReading(eastern, FromCivil(2026, 11, 1, 2, 0)), 300);
    EXPECT_EQ(BiasAtReading(Info("Plain West"), FromCivil(2026, 7, 1)), 300);
}

TEST_F(Conversion, UnreadableTextIsMidnightOfToday) {
    const DayCount now = FromCivil(2026, 1, 15, 17, 20);
    for (const char* text : {"", "abc", "25:61"}) {
        EXPECT_EQ(SourceMoment(text, locale, now), FromCivil(2026, 1, 15)) << text;
    }
    EXPECT_EQ(SourceMoment("18:45", locale, now), FromCivil(2026, 1, 15, 18, 45));
    EXPECT_EQ(SourceMoment("7/1/2026 8:00", locale, now), FromCivil(2026, 7, 1, 8, 0));
    EXPECT_EQ(Convert("Plain East", "Plain West", SourceMoment("junk", locale, now)), "18:00");
}

TEST_F(Conversion, PseudoZoneTargetsAndBadIndices) {
    const DayCount noon = FromCivil(2026, 1, 15, 12, 0);
    EXPECT_EQ(ConvertZoneTime(catalogue, Zone("Plain East"), kZoneUtc, noon, locale), "11:00");
    // The Unix time of 11:00 UTC that day.
    EXPECT_EQ(
        ConvertZoneTime(catalogue, Zone("Plain East"), kZoneUnix, noon, locale),
        ConvertZoneTime(catalogue, kZoneUtc, kZoneUnix, FromCivil(2026, 1, 15, 11, 0), locale));
    EXPECT_EQ(ConvertZoneTime(catalogue, Zone("Plain East"), -1, noon, locale), "Invalid Format!!");
    EXPECT_EQ(ConvertZoneTime(catalogue, Zone("Plain East"), 999, noon, locale),
              "Invalid Format!!");
    // An unknown source counts as UTC.
    EXPECT_EQ(ConvertZoneTime(catalogue, -1, Zone("Plain West"), noon, locale), "07:00");
}

}  // namespace
}  // namespace horavia
