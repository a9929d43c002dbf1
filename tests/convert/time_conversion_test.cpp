#include "model/time_conversion.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

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
    std::string Convert(const std::string& from, int to, const CivilTime& local) const {
        return ConvertZoneTime(catalogue, Zone(from), to, local, EnglishUnitedStates());
    }
    std::string Convert(const std::string& from, const std::string& to,
                        const CivilTime& local) const {
        return Convert(from, Zone(to), local);
    }

    MemoryRegistry registry;
    testing::RecordingMessages messages;
    ZoneCatalogue catalogue;
};

TEST_F(Conversion, EachZoneUsesTheDaylightStateOfTheMomentConverted) {
    EXPECT_EQ(Convert("Plain East", "Plain West", CivilTime{2026, 1, 15, 12, 0}), "06:00");
    // Summer: 12:00 CEST is 10:00 UTC; winter: 12:00 CET is 11:00 UTC.
    EXPECT_EQ(Convert("Central Europe", "US Eastern", CivilTime{2026, 7, 1, 12, 0}), "06:00");
    EXPECT_EQ(Convert("Central Europe", "Plain West", CivilTime{2026, 7, 1, 12, 0}), "05:00");
    EXPECT_EQ(Convert("Central Europe", "Plain West", CivilTime{2026, 1, 15, 12, 0}), "06:00");
    // Only the US has changed yet: 11:00 UTC is 07:00 EDT.
    EXPECT_EQ(Convert("Central Europe", "US Eastern", CivilTime{2026, 3, 20, 12, 0}), "07:00");
    // 2027's own rules: Europe changes on 28 March.
    EXPECT_EQ(Convert("Central Europe", "Plain West", CivilTime{2027, 3, 27, 12, 0}), "06:00");
    EXPECT_EQ(Convert("Central Europe", "Plain West", CivilTime{2027, 3, 29, 12, 0}), "05:00");
    EXPECT_EQ(Convert("Plain East", kZoneUtc, CivilTime{2026, 1, 15, 12, 0}), "11:00");
    EXPECT_EQ(Convert("Plain East", 999, CivilTime{2026, 1, 15, 12, 0}), "Invalid Format!!");
}

// Before 1899-12-30 too the time scales run forwards (values from Python's datetime).
TEST_F(Conversion, PseudoScalesBeforeTheDayCountsEpoch) {
    const CivilTime morning{1800, 1, 1, 6, 0, 0};  // read as UTC: no registry zone
    EXPECT_EQ(ConvertZoneTime(catalogue, kZoneUtc, kZoneUnix, morning, EnglishUnitedStates()),
              "-5364640800");
    EXPECT_EQ(ConvertZoneTime(catalogue, kZoneUtc, kZoneSwatch, morning, EnglishUnitedStates()),
              "@291");
}

TEST_F(Conversion, ReadingsAroundTheChangesOfTheClock) {
    const ZoneInfo& eastern = catalogue.zones[static_cast<std::size_t>(Zone("US Eastern"))];
    const auto takenWith = [&](const CivilTime& local, std::int32_t bias) {
        EXPECT_EQ(InstantOfReading(eastern, local), InstantOfLocal(FromCivil(local), bias)) << bias;
    };
    // 2026-03-08 02:30 is skipped in New York: taken as standard time.
    takenWith(CivilTime{2026, 3, 8, 1, 59}, 300);
    takenWith(CivilTime{2026, 3, 8, 2, 30}, 300);
    takenWith(CivilTime{2026, 3, 8, 3, 30}, 240);
    // The clock reads 02:00:00 at the change itself and 03:00:01 a second later: 03:00 is the
    // first reading of daylight time, not an hour later.
    takenWith(CivilTime{2026, 3, 8, 3, 0}, 240);
    takenWith(CivilTime{2026, 3, 8, 2, 0}, 300);
    // 2026-11-01 01:30 happens twice: the earlier, daylight one is taken.
    takenWith(CivilTime{2026, 11, 1, 1, 30}, 240);
    takenWith(CivilTime{2026, 11, 1, 2, 0}, 300);
    // Both sides of the conversion: the skipped 02:30 EST is 07:30 UTC.
    EXPECT_EQ(Convert("US Eastern", kZoneUtc, CivilTime{2026, 3, 8, 2, 30}), "07:30");
    EXPECT_EQ(Convert("US Eastern", kZoneUtc, CivilTime{2026, 11, 1, 1, 30}), "05:30");
}

// Typed text is read on the date of "now" (never its time of day), long ago as well.
TEST_F(Conversion, TypedTextsFromNewYork) {
    const CivilTime now{2026, 3, 8, 16, 45};
    for (const auto& [text, utc] : std::vector<std::pair<const char*, const char*>>{
             {"", "05:00"},
             {"9", "13:00"},
             {"2:30", "07:30"},  // skipped on this day: standard time
             {"3:30", "07:30"},
             {"12/31/1969 11:00 PM", "04:00"},
             {"12/29/1899 6:00 AM", "11:00"},
             {"abc", "Invalid Format!!"}}) {
        EXPECT_EQ(ConvertTypedTime(catalogue, Zone("US Eastern"), kZoneUtc, text,
                                   EnglishUnitedStates(), now),
                  utc)
            << '"' << text << '"';
    }
}

}  // namespace
}  // namespace horavia
