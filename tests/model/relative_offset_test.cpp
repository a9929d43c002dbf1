#include "model/relative_offset.h"

#include <gtest/gtest.h>

#include "model/zone_catalogue_loader.h"
#include "tests/convert/convert_zones.h"
#include "tests/model/fake_messages.h"

namespace horavia {
namespace {

class RelativeOffsetOfZone : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::AddConverterZones(registry);
        testing::AddZone(registry, "Tokyo", "(UTC+09:00) Tokyo", testing::MakeTzi(-540));
        testing::AddZone(registry, "Honolulu", "(UTC-10:00) Honolulu", testing::MakeTzi(600));
        testing::AddZone(registry, "Newfoundland", "(UTC-03:30) Newfoundland",
                         testing::MakeTzi(210));
        ASSERT_TRUE(LoadZoneCatalogue(catalogue, registry, 2026, messages));
    }
    std::optional<RelativeOffset> Offset(const std::string& zone, Instant t,
                                         std::int32_t localBias) const {
        for (std::size_t i = 0; i < catalogue.zones.size(); ++i) {
            if (catalogue.zones[i].StdName == zone) {
                return RelativeOffsetAt(catalogue, static_cast<int>(i), t,
                                        FixedOffsetZone(-localBias * 60));
            }
        }
        ADD_FAILURE() << zone;
        return std::nullopt;
    }
    static Instant Utc(int y, int mo, int d, int h, int mi = 0) {
        return InstantOfLocal(FromCivil(y, mo, d, h, mi), 0).value();
    }

    MemoryRegistry registry;
    testing::RecordingMessages messages;
    ZoneCatalogue catalogue;
};

TEST_F(RelativeOffsetOfZone, HoursMinutesAndTheDayAcrossTheDateLine) {
    // A computer in Honolulu at 20:00 on 1 July (06:00 UTC on the 2nd).
    const Instant t = Utc(2026, 7, 2, 6);
    EXPECT_EQ(Offset("Tokyo", t, 600), (RelativeOffset{19 * 60, 1}));
    EXPECT_EQ(Offset("Honolulu", t, 600), (RelativeOffset{0, 0}));
    EXPECT_EQ(Offset("Newfoundland", t, 600), (RelativeOffset{6 * 60 + 30, 1}));
    // From Tokyo (15:00 on the 2nd), Honolulu is a day behind.
    EXPECT_EQ(Offset("Honolulu", t, -540), (RelativeOffset{-19 * 60, -1}));
    EXPECT_EQ(Offset("Newfoundland", t, -540), (RelativeOffset{-(12 * 60 + 30), 0}));
    // UTC has an offset; the other scales keep no time of day and have none.
    EXPECT_EQ(RelativeOffsetAt(catalogue, kZoneUtc, t, FixedOffsetZone(9 * 3600)),
              (RelativeOffset{-9 * 60, 0}));
    for (int zone :
         std::initializer_list<int>{kZoneJulianLong, kZoneStardate, kZonePopulation, kZoneMars,
                                    kZoneUnix, kZoneSwatch, kZoneEmpty, kZoneUnknown, -1, 100000}) {
        EXPECT_EQ(RelativeOffsetAt(catalogue, zone, t, FixedOffsetZone(0)), std::nullopt) << zone;
    }
}

// New York changes in early March, Europe at the end: for three weeks the two are an hour
// closer, and the offset follows each change at its instant.
TEST_F(RelativeOffsetOfZone, FollowsEachDaylightSavingChange) {
    constexpr std::int32_t kBerlinWinter = -60;
    constexpr std::int32_t kBerlinSummer = -120;
    EXPECT_EQ(Offset("US Eastern", Utc(2026, 3, 8, 6, 59), kBerlinWinter),
              (RelativeOffset{-6 * 60, 0}));
    EXPECT_EQ(Offset("US Eastern", Utc(2026, 3, 8, 7, 0), kBerlinWinter),
              (RelativeOffset{-5 * 60, 0}));
    EXPECT_EQ(Offset("US Eastern", Utc(2026, 3, 29, 12, 0), kBerlinSummer),
              (RelativeOffset{-6 * 60, 0}));
    // Just after midnight in Berlin it is still yesterday evening in New York.
    EXPECT_EQ(Offset("US Eastern", Utc(2026, 3, 29, 23, 30), kBerlinSummer),
              (RelativeOffset{-6 * 60, -1}));
    EXPECT_EQ(Offset("Central Europe", Utc(2026, 3, 29, 0, 59), kBerlinWinter),
              (RelativeOffset{0, 0}));
}

}  // namespace
}  // namespace horavia
