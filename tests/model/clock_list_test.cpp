#include "model/clock_list.h"

#include <gtest/gtest.h>

#include "fake_messages.h"
#include "model/zone_catalogue_loader.h"
#include "tzi_builder.h"

namespace horavia {
namespace {

using testing::RecordingMessages;

class Clocks : public ::testing::Test {
  protected:
    void SetUp() override {
        MemoryRegistry reg;
        for (int i = 0; i < 50; ++i) {
            testing::AddZone(reg, "Zone " + std::to_string(100 + i) + " Standard Time",
                             "(UTC) Z" + std::to_string(i), testing::MakeTzi(0));
        }
        ASSERT_TRUE(LoadZoneCatalogue(cat, reg, 2026, messages));
    }
    void Load() { LoadClockList(clocks, cat, readers); }
    std::string Get(const std::string& key) { return store.Get(key, "<absent>"); }

    ZoneCatalogue cat;
    MemorySettingsStore store;
    RecordingMessages messages;
    SettingReaders readers{store, messages};
    ClockList clocks;
};

TEST_F(Clocks, FirstStartWritesTheDefaultsAndMigrates) {
    Load();
    EXPECT_EQ(Get("SZoneNum"), "2");
    EXPECT_EQ(Get("S0Dis"), "Zulu");
    EXPECT_EQ(Get("S0Zon"), "0");
    EXPECT_EQ(Get("S0Ena"), "True");
    EXPECT_EQ(Get("S0Fmt"), "");
    EXPECT_EQ(Get("S1Dis"), "Swatch");
    EXPECT_EQ(Get("S1Zon"), "8");
    EXPECT_EQ(Get("S1Fmt"), "");
    EXPECT_EQ(Get("SVersion"), "2");
    EXPECT_EQ(store.Size(), 10u);
    // The defaults in their order, then the migration; all in one write of the file.
    EXPECT_EQ(store.SavedKeys(),
              (std::vector<std::string>{"SZoneNum", "S0Dis", "S0Zon", "S0Ena", "S1Dis", "S1Zon",
                                        "S1Ena", "SZoneNum", "S0Dis", "S0Fmt", "S0Zon", "S0Ena",
                                        "S1Dis", "S1Fmt", "S1Zon", "S1Ena", "SVersion"}));
    EXPECT_EQ(store.Commits(), 1u);
    ASSERT_EQ(clocks.size(), 2u);
    EXPECT_EQ(clocks[1].Zone, kZoneSwatch);
    EXPECT_EQ(SlotOrderKeys(clocks), (std::vector<std::string>{"K0000", "K0001"}));
}

TEST_F(Clocks, VersionOneNumericZonesAreRewrittenByName) {
    store.Save("SZoneNum", "4");
    store.Save("S3Dis", "Somewhere");
    store.Save("S3Zon", "57");
    store.Save("S3Ena", "True");
    const std::size_t writes = store.Commits();
    Load();
    EXPECT_EQ(store.Commits(), writes + 1) << "the migration is one write";
    ASSERT_EQ(clocks.size(), 4u);
    EXPECT_EQ(clocks[3].Zone, 57);
    EXPECT_TRUE(clocks[1].Label.empty());
    // Empty slots have no row, so the migration renumbers the one clock to slot 0.
    EXPECT_EQ(Get("SZoneNum"), "1");
    EXPECT_EQ(Get("S0Zon"), cat.zones[57].StdName);
    EXPECT_EQ(Get("SVersion"), "2");
}

TEST_F(Clocks, ZoneReferences) {
    EXPECT_EQ(DecodeZoneRef(cat, "8"), kZoneSwatch);
    EXPECT_EQ(DecodeZoneRef(cat, cat.zones[20].StdName), 20);
    EXPECT_EQ(DecodeZoneRef(cat, "zone 110 standard time"), kZoneUnknown);  // case matters
    EXPECT_EQ(DecodeZoneRef(cat, "Gone Standard Time"), kZoneUnknown);
    EXPECT_EQ(DecodeZoneRef(cat, "60"), kZoneUnknown);  // past the catalogue
    EXPECT_EQ(DecodeZoneRef(cat, "-3"), kZoneUnknown);
    EXPECT_EQ(DecodeZoneRef(cat, "1e99"), kZoneUnknown);
    EXPECT_EQ(EncodeZoneRef(cat, 20), cat.zones[20].StdName);
    EXPECT_EQ(EncodeZoneRef(cat, 9), "9");
    EXPECT_EQ(EncodeZoneRef(cat, 0), "0");
}

TEST_F(Clocks, EmptySlotsAndMissingKeys) {
    store.Save("SVersion", "2");
    store.Save("SZoneNum", "3");
    store.Save("S0Dis", "A");
    store.Save("S0Ena", "banana");
    store.Save("S2Dis", "C");
    store.Save("S2Zon", "Zone 110 Standard Time");
    store.Save("S2Ena", "True");
    const std::size_t writes = store.Commits();
    Load();
    EXPECT_EQ(store.Commits(), writes) << "a current layout loads without writing";
    ASSERT_EQ(clocks.size(), 3u);
    EXPECT_EQ(clocks[0].Zone, 0);     // no "Zon": UTC
    EXPECT_FALSE(clocks[0].Enabled);  // bad "Ena": reported, false
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(clocks[1].Label.empty());
    EXPECT_EQ(clocks[2].Zone, 20);
    EXPECT_EQ(SlotOrderKeys(clocks), (std::vector<std::string>{"K0000", "K0002"}));
    EXPECT_EQ(Get("SZoneNum"), "3");  // current layout: nothing rewritten
}

TEST_F(Clocks, DamagedCountNeverLetsTheDefaultsOverwriteStoredClocks) {
    for (const char* damaged : {"-1", "abc", "99999999999", "1e9", ""}) {
        MemorySettingsStore s;
        SettingReaders r{s, messages};
        s.Save("SVersion", "2");
        s.Save("SZoneNum", damaged);
        s.Save("S0Dis", "Home");
        s.Save("S0Zon", "Zone 101 Standard Time");
        s.Save("S1Dis", "Away");
        ClockList list;
        LoadClockList(list, cat, r);
        ASSERT_EQ(list.size(), 2u) << damaged;
        EXPECT_EQ(s.Get("S0Dis", ""), "Home");
        EXPECT_EQ(list[0].Zone, 11);
    }
    MemorySettingsStore s;  // damaged and nothing stored: the defaults
    SettingReaders r{s, messages};
    s.Save("SZoneNum", "garbage");
    ClockList list;
    LoadClockList(list, cat, r);
    EXPECT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].Label, "Zulu");
}

TEST_F(Clocks, SaveFollowsRowOrderAndLeavesOldKeys) {
    Load();
    clocks.push_back({"Third", "hh", 20, false});
    const std::size_t writes = store.Commits();
    SaveClockList(store, clocks, cat, {"K0002", "K0000"});
    EXPECT_EQ(store.Commits(), writes + 1);
    EXPECT_EQ(Get("SZoneNum"), "2");
    EXPECT_EQ(Get("S0Dis"), "Third");
    EXPECT_EQ(Get("S0Fmt"), "hh");
    EXPECT_EQ(Get("S0Zon"), cat.zones[20].StdName);
    EXPECT_EQ(Get("S0Ena"), "False");
    EXPECT_EQ(Get("S1Dis"), "Zulu");
    EXPECT_EQ(Get("S1Zon"), "0");
    Load();
    EXPECT_EQ(clocks.size(), 2u);  // the stale clock 2 keys are not read
}

TEST_F(Clocks, WorkingHoursAreStoredOnlyWhenSetAndDamagedOnesAreToldAndIgnored) {
    struct Case {
        const char* hours;  // S0Wrk as stored; nullptr: absent
        const char* days;   // S0Days as stored; nullptr: absent
        std::optional<WorkingHours> read;
        bool told;
    };
    const WorkingHours night{22 * 60, 6 * 60, 0x30};  // Friday and Saturday nights
    const std::vector<Case> cases{
        {nullptr, nullptr, std::nullopt, false},
        {"", "", std::nullopt, false},
        {"09:00-17:00", nullptr, WorkingHours{}, false},
        {"22:00-06:00", "56", night, false},
        {"9-17", "12345", std::nullopt, true},
        {"09:00-09:00", nullptr, std::nullopt, true},
        {"09:00-17:00", "1238", WorkingHours{}, true},  // the hours kept, the days as default
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hours ? c.hours : "absent");
        MemorySettingsStore fresh;
        RecordingMessages told;
        SettingReaders freshReaders{fresh, told};
        fresh.Save("SZoneNum", "1");
        fresh.Save("S0Dis", "Lima");
        fresh.Save("S0Zon", "Zone 100 Standard Time");
        fresh.Save("SVersion", "2");
        if (c.hours) fresh.Save("S0Wrk", c.hours);
        if (c.days) fresh.Save("S0Days", c.days);
        ClockList read;
        LoadClockList(read, cat, freshReaders);
        ASSERT_EQ(read.size(), 1u);  // never dropped
        EXPECT_EQ(read[0].Hours, c.read);
        EXPECT_EQ(told.shown.size(), c.told ? 1u : 0u);
    }

    // Written for a clock that has them; cleared under a number whose clock has none.
    clocks = {ClockEntry{"Lima", "", 10, true}, ClockEntry{"Oslo", "", 11, true}};
    clocks[0].Hours = night;
    SaveClockList(store, clocks, cat, {ClockKey(0), ClockKey(1)});
    EXPECT_EQ(Get("S0Wrk"), "22:00-06:00");
    EXPECT_EQ(Get("S0Days"), "56");
    EXPECT_EQ(Get("S1Wrk"), "<absent>");
    SaveClockList(store, clocks, cat,
                  {ClockKey(1), ClockKey(0)});  // moved: the hours go with their clock
    EXPECT_EQ(Get("S0Wrk"), "");
    EXPECT_EQ(Get("S1Wrk"), "22:00-06:00");
}

TEST_F(Clocks, PlaceIsStoredOnlyWhenSetAndDamagedOnesAreToldAndIgnored) {
    struct Case {
        const char* stored;  // S0Plc; nullptr: absent
        std::optional<ClockPlace> read;
    };
    const std::vector<Case> cases{
        {nullptr, std::nullopt},
        {"", std::nullopt},
        {"48.1374 11.5755 Munich, Bavaria, Germany",
         ClockPlace{"Munich, Bavaria, Germany", 48.1374, 11.5755}},
        {"-77.85 166.6667 McMurdo  Station", ClockPlace{"McMurdo  Station", -77.85, 166.6667}},
        {"90 -180 x", ClockPlace{"x", 90, -180}},
        {"48,1374 11.5755 Munich", std::nullopt},  // a comma
        {"91 0 North", std::nullopt},
        {"0 180.5 Date line", std::nullopt},
        {"1e1 0 Exponent", std::nullopt},
        {"nan 0 Not a number", std::nullopt},
        {"48.1 11.5", std::nullopt},   // no name
        {"48.1 11.5 ", std::nullopt},  // an empty name
        {"Munich", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "absent");
        MemorySettingsStore fresh;
        RecordingMessages told;
        SettingReaders freshReaders{fresh, told};
        fresh.Save("SZoneNum", "1");
        fresh.Save("S0Dis", "Lima");
        fresh.Save("S0Zon", "Zone 100 Standard Time");
        fresh.Save("SVersion", "2");
        if (c.stored) fresh.Save("S0Plc", c.stored);
        ClockList read;
        LoadClockList(read, cat, freshReaders);
        ASSERT_EQ(read.size(), 1u);  // never dropped
        EXPECT_EQ(read[0].Place, c.read);
        const bool damaged = c.stored && *c.stored && !c.read;
        EXPECT_EQ(told.shown.size(), damaged ? 1u : 0u);
    }

    // Four decimals and a point whatever the locale; written for a clock that has one and
    // cleared under a number whose clock has none.
    clocks = {ClockEntry{"Quito", "", 10, true}, ClockEntry{"Oslo", "", 11, true}};
    clocks[0].Place = ClockPlace{"Quito, Ecuador", -0.1806532, -78.4678};
    SaveClockList(store, clocks, cat, {ClockKey(0), ClockKey(1)});
    EXPECT_EQ(Get("S0Plc"), "-0.1807 -78.4678 Quito, Ecuador");
    EXPECT_EQ(Get("S1Plc"), "<absent>");
    SaveClockList(store, clocks, cat, {ClockKey(1), ClockKey(0)});
    EXPECT_EQ(Get("S0Plc"), "");
    EXPECT_EQ(Get("S1Plc"), "-0.1807 -78.4678 Quito, Ecuador");
    ClockList back;
    LoadClockList(back, cat, readers);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_FALSE(back[0].Place);
    EXPECT_EQ(back[1].Place, (ClockPlace{"Quito, Ecuador", -0.1807, -78.4678}));
}

}  // namespace
}  // namespace horavia
