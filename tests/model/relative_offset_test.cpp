#include "model/relative_offset.h"

#include <gtest/gtest.h>

#include "model/zone_catalogue_loader.h"
#include "tests/convert/convert_zones.h"
#include "tests/model/fake_messages.h"

namespace horavia {
namespace {

class RelativeOffset : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::AddConverterZones(registry);
        testing::AddZone(registry, "Tokyo", "(UTC+09:00) Tokyo", testing::MakeTzi(-540));
        testing::AddZone(registry, "Honolulu", "(UTC-10:00) Honolulu", testing::MakeTzi(600));
        testing::AddZone(registry, "Newfoundland", "(UTC-03:30) Newfoundland",
                         testing::MakeTzi(210));
        ASSERT_TRUE(LoadZoneCatalogue(catalogue, registry, 2026, messages));
    }
    std::string Text(const std::string& zone, Instant t, std::int32_t localBias) const {
        for (std::size_t i = 0; i < catalogue.zones.size(); ++i) {
            if (catalogue.zones[i].StdName == zone) {
                return RelativeOffsetText(catalogue, static_cast<int>(i), t,
                                          FixedOffsetZone(-localBias * 60));
            }
        }
        ADD_FAILURE() << zone;
        return {};
    }
    static Instant Utc(int y, int mo, int d, int h, int mi = 0) {
        return InstantOfLocal(FromCivil(y, mo, d, h, mi), 0).value();
    }

    MemoryRegistry registry;
    testing::RecordingMessages messages;
    ZoneCatalogue catalogue;
};

TEST_F(RelativeOffset, HoursMinutesAndTheDayAcrossTheDateLine) {
    // A computer in Honolulu at 20:00 on 1 July (06:00 UTC on the 2nd).
    const Instant t = Utc(2026, 7, 2, 6);
    EXPECT_EQ(Text("Tokyo", t, 600), "+19 h tomorrow");
    EXPECT_EQ(Text("Honolulu", t, 600), "\u00b10");
    EXPECT_EQ(Text("Newfoundland", t, 600), "+6 h 30 tomorrow");
    // From Tokyo (15:00 on the 2nd), Honolulu is a day behind.
    EXPECT_EQ(Text("Honolulu", t, -540), "\u221219 h yesterday");
    EXPECT_EQ(Text("Newfoundland", t, -540), "\u221212 h 30");
    // UTC has an offset; the other scales keep no time of day and show nothing.
    EXPECT_EQ(RelativeOffsetText(catalogue, kZoneUtc, t, FixedOffsetZone(9 * 3600)), "\u22129 h");
    for (int zone :
         std::initializer_list<int>{kZoneJulianLong, kZoneStardate, kZonePopulation, kZoneMars,
                                    kZoneUnix, kZoneSwatch, kZoneEmpty, kZoneUnknown, -1, 100000}) {
        EXPECT_EQ(RelativeOffsetText(catalogue, zone, t, FixedOffsetZone(0)), "") << zone;
    }
}

// New York changes in early March, Europe at the end: for three weeks the two are an hour
// closer, and the offset follows each change at its instant.
TEST_F(RelativeOffset, FollowsEachDaylightSavingChange) {
    constexpr std::int32_t kBerlinWinter = -60;
    constexpr std::int32_t kBerlinSummer = -120;
    EXPECT_EQ(Text("US Eastern", Utc(2026, 3, 8, 6, 59), kBerlinWinter), "\u22126 h");
    EXPECT_EQ(Text("US Eastern", Utc(2026, 3, 8, 7, 0), kBerlinWinter), "\u22125 h");
    EXPECT_EQ(Text("US Eastern", Utc(2026, 3, 29, 12, 0), kBerlinSummer), "\u22126 h");
    // Just after midnight in Berlin it is still yesterday evening in New York.
    EXPECT_EQ(Text("US Eastern", Utc(2026, 3, 29, 23, 30), kBerlinSummer), "\u22126 h yesterday");
    EXPECT_EQ(Text("Central Europe", Utc(2026, 3, 29, 0, 59), kBerlinWinter), "\u00b10");
}

}  // namespace
}  // namespace horavia
