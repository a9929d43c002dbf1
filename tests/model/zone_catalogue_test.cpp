#include <gtest/gtest.h>

#include <algorithm>

#include "fake_messages.h"
#include "model/zone_catalogue_loader.h"
#include "model/zone_time.h"
#include "tzi_builder.h"

namespace horavia {
namespace {

using testing::AddZone;
using testing::MakeTzi;
using testing::RecordingMessages;

class Catalogue : public ::testing::Test {
  protected:
    bool Load() { return LoadZoneCatalogue(cat, reg, 2026, messages); }
    ZoneInfo& Zone(const std::string& key) {
        for (auto& z : cat.zones)
            if (z.StdName == key) return z;
        throw std::runtime_error("no zone " + key);
    }
    MemoryRegistry reg;
    RecordingMessages messages;
    ZoneCatalogue cat;
};

TEST_F(Catalogue, NoZonesShowsTheFatalMessage) {
    EXPECT_FALSE(Load());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].message, MessageLines{{MessageId::NoZones}});
    EXPECT_EQ(messages.shown[0].title, "Horavia");
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Critical);
    EXPECT_EQ(messages.shown[0].buttons, MsgButtons::Ok);
}

TEST_F(Catalogue, ThreeZonesThenPseudoZonesInOrder) {
    AddZone(reg, "B Zone", "(UTC+01:00) Bravo", MakeTzi(-60));
    AddZone(reg, "a Zone", "(UTC-05:00) Alpha", MakeTzi(300));
    AddZone(reg, "C Zone", "(UTC+10:00) Charlie", MakeTzi(-600));
    ASSERT_TRUE(Load());
    EXPECT_EQ(cat.zones.size(), 13u);
    EXPECT_EQ(cat.registryZoneCount, 3);
    EXPECT_EQ(cat.order, (std::vector<int>{10, 11, 12, 0, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(cat.zones[10].StdName, "a Zone");  // case-insensitive enumeration order
    EXPECT_EQ(cat.zoneKeyPath, kZoneKeyPathNt);  // the older key is absent
    EXPECT_EQ(cat.runKeyPath, kRunKeyPath);
    EXPECT_TRUE(cat.zones[1].Name.empty());
    EXPECT_EQ(cat.zones[6].Prefix, "(MTC) ");
    EXPECT_FALSE(cat.zones[5].rules);  // pseudo-zones have no timeline
}

TEST_F(Catalogue, OlderKeyIsPreferredWhenItHasZones) {
    RegWriteString(reg, RegRoot::LocalMachine, std::string(kZoneKeyPath) + "\\Old", "Std", "Old");
    AddZone(reg, "New", "(UTC) New", MakeTzi(0));
    ASSERT_TRUE(Load());
    EXPECT_EQ(cat.registryZoneCount, 1);
    EXPECT_EQ(cat.zones[10].StdName, "Old");
}

TEST_F(Catalogue, DisplayTextSplitsAtTheFirstParenthesis) {
    std::string prefix, name;
    SplitDisplay(std::string("(GMT-05:00) Eastern Time\0junk", 29), prefix, name);
    EXPECT_EQ(prefix, "(GMT-05:00) ");
    EXPECT_EQ(name, "Eastern Time");
    SplitDisplay("  No parenthesis  ", prefix, name);
    EXPECT_EQ(prefix, "");
    EXPECT_EQ(name, "No parenthesis");
    SplitDisplay("Ends)", prefix, name);
    EXPECT_EQ(prefix, "Ends)");
    EXPECT_EQ(name, "");
}

TEST_F(Catalogue, TziOffsetsAndTheAllNulQuirk) {
    AddZone(reg, "Cet", "(UTC+01:00) C", MakeTzi(-60, -60, testing::kEuStd, testing::kEuDlt));
    AddZone(reg, "NoDst", "(UTC+01:00) N", MakeTzi(-60, -60));
    ASSERT_TRUE(Load());
    const Instant summer = InstantOfLocal(FromCivil(2026, 7, 1), 0).value();
    EXPECT_EQ(Zone("Cet").standardOffset, 3600);
    EXPECT_EQ(ZoneOffsetAt(Zone("Cet"), summer), 7200);
    // all-zero dates: no daylight whatever the bias says
    EXPECT_EQ(ZoneOffsetAt(Zone("NoDst"), summer), 3600);
    // The changes of 2026: 02:00 standard time and 03:00 daylight time, both 01:00 UTC.
    const auto changes = Zone("Cet").rules->ChangesBetween(
        UnixMsOf(InstantOfLocal(FromCivil(2026, 1, 1), 0).value()) / 1000,
        UnixMsOf(InstantOfLocal(FromCivil(2027, 1, 1), 0).value()) / 1000);
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(InstantFromUnixMs(changes[0].at * 1000),
              InstantOfLocal(FromCivil(2026, 3, 29, 2), -60).value());
    EXPECT_EQ(InstantFromUnixMs(changes[1].at * 1000),
              InstantOfLocal(FromCivil(2026, 10, 25, 3), -120).value());
}

TEST_F(Catalogue, MalformedValuesNeverCrash) {
    AddZone(reg, "Short", "(UTC", std::string("\xC4\xFF", 2), "");
    AddZone(reg, "Empty", "", std::string(), "5");
    AddZone(reg, "Junk", std::string(1000, ')'), std::string(200, '\xFF'), "x,y");
    ASSERT_TRUE(Load());
    EXPECT_EQ(Zone("Short").standardOffset,
              -0xC4 * 60);  // the last byte is dropped: only the low byte is left
    EXPECT_EQ(Zone("Short").Name, "(UTC");
    EXPECT_EQ(Zone("Empty").MapId1, -1);
    EXPECT_EQ(Zone("Junk").MapId2, -1);
    EXPECT_NO_THROW(IsDaylightTime(Zone("Junk"), InstantOfLocal(FromCivil(2026, 5, 1), 0).value()));
}

TEST_F(Catalogue, MapIdsAndMapFlags) {
    std::int32_t a = 0, b = 0;
    EXPECT_TRUE(ParseMapId("5,6", a, b));
    EXPECT_EQ(a, 5);
    EXPECT_EQ(b, 6);
    for (const char* bad : {"5", "a,6", "5,6x", ",", "", "1.5,2"}) {
        EXPECT_FALSE(ParseMapId(bad, a, b)) << bad;
        EXPECT_EQ(a, -1);
        EXPECT_EQ(b, -1);
    }
    AddZone(reg, "A", "(UTC) A", MakeTzi(0), "5,6");
    AddZone(reg, "B", "(UTC) B", MakeTzi(0), "7,5");    // a later zone overrides area 5
    AddZone(reg, "C", "(UTC) C", MakeTzi(0), "300,9");  // beyond the table: no flag, no crash
    ASSERT_TRUE(Load());
    EXPECT_EQ(cat.mapIndexKind[6], 0);
    EXPECT_EQ(cat.mapIndexKind[5], 0);
    EXPECT_EQ(cat.mapIndexKind[7], 1);
    EXPECT_EQ(cat.mapIndexKind[9], 0);
    AddZone(reg, "D", "(UTC) D", MakeTzi(0), "8,8");  // within one zone the 1 wins
    ASSERT_TRUE(Load());
    EXPECT_EQ(cat.mapIndexKind[8], 1);
}

TEST_F(Catalogue, SortOrdersAreStableAndIgnorePrefixes) {
    AddZone(reg, "Z1", "(UTC+13:00) alpha", MakeTzi(-780));
    AddZone(reg, "Z2", "(UTC-12:00) Beta", MakeTzi(720));
    AddZone(reg, "Z3", "(UTC-12:00) Able", MakeTzi(720));
    ASSERT_TRUE(Load());
    auto names = [&] {
        std::vector<std::string> out;
        for (int i : cat.order) out.push_back(cat.zones[static_cast<std::size_t>(i)].Name);
        return out;
    };
    SortZoneOrder(cat, 0);
    const auto byName = names();
    const auto at = [&](const std::string& n) {
        return std::find(byName.begin(), byName.end(), n) - byName.begin();
    };
    EXPECT_LT(at("Able"), at("alpha"));
    EXPECT_LT(at("alpha"), at("Beta"));
    EXPECT_LT(at("Beta"), at("Coordinated Universal Time"));
    SortZoneOrder(cat, 2);
    const auto byOffset = names();
    // Large-valued pseudo-zones first: Swatch, population, Stardate, Julian, Mars...
    EXPECT_EQ(byOffset[0], "Swatch Internet Time");
    EXPECT_EQ(byOffset[5], "Mars Coordinated Time");
    // GMT-12 before GMT+13, and zones of one offset stay in name order.
    EXPECT_EQ(byOffset[6], "Able");
    EXPECT_EQ(byOffset[7], "Beta");
    EXPECT_EQ(byOffset.back(), "alpha");
    SortZoneOrder(cat, 3);
    EXPECT_EQ(names().front(), "alpha");
    EXPECT_EQ(names().back(), "Swatch Internet Time");
    const auto before = cat.order;
    SortZoneOrder(cat, 7);
    EXPECT_EQ(cat.order, before);
}

}  // namespace
}  // namespace horavia
