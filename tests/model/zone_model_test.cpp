#include "model/zone_model.h"

#include <gtest/gtest.h>

#include "fake_messages.h"
#include "model/format_zone_time.h"
#include "tzi_builder.h"

namespace horavia {
namespace {

using testing::AddZone;
using testing::MakeTzi;

class Model : public ::testing::Test {
  protected:
    void SetUp() override {
        AddZone(reg, "Eastern Standard Time", "(UTC-05:00) Eastern",
                MakeTzi(300, -60, testing::kUsStd, testing::kUsDlt));
        AddZone(reg, "Tokyo Standard Time", "(UTC+09:00) Tokyo", MakeTzi(-540));
    }
    void Load() {
        state.LoadSettings();
        ASSERT_TRUE(state.LoadCatalogue());
    }
    int Zone(const std::string& std) { return DecodeZoneRef(state.catalogue, std); }

    MemoryRegistry reg;
    MemorySettingsStore store;
    testing::RecordingMessages messages;
    FixedLocalZone localZone{{-60, false}};
    FixedClock clock{FromCivil(2026, 7, 1, 12, 30, 15), -60};  // local, UTC+1
    AppState state{Services{store, reg, messages, localZone, clock}, EnglishUnitedStates()};
};

TEST_F(Model, StartUpLoadsDefaultsAndTheComputersZone) {
    Load();
    EXPECT_EQ(state.LocalBias, -60);
    EXPECT_EQ(state.clocks.size(), 2u);
    const Instant now = clock.NowUtc();
    EXPECT_EQ(state.ZoneTimeText(0, true, now), "11:30:15");
    EXPECT_EQ(state.ZoneTimeText(0, false, now), "11:30");
    EXPECT_EQ(state.ZoneTimeText(1, true, now), "@521");
    EXPECT_EQ(state.TipText(), "Zulu: 11:30 - Swatch: @521");
}

TEST_F(Model, ClockFormatsDaylightAndTheDefaultFormat) {
    store.Save("AMPM", "True");
    store.Save("SVersion", "2");
    store.Save("SZoneNum", "3");
    store.Save("S0Dis", "NY");
    store.Save("S0Zon", "Eastern Standard Time");
    store.Save("S0Ena", "True");
    store.Save("S1Dis", "Tokyo");
    store.Save("S1Zon", "Tokyo Standard Time");
    store.Save("S1Fmt", "ddd hh:nn");
    store.Save("S1Ena", "True");
    store.Save("S2Dis", "Broken");
    store.Save("S2Zon", "0");
    store.Save("S2Fmt", "yyyy");
    store.Save("S2Ena", "True");
    Load();
    const Instant now = clock.NowUtc();
    EXPECT_EQ(state.ZoneTimeText(0, true, now), "07:30:15 AM");  // EDT in July
    EXPECT_EQ(state.ZoneTimeText(1, true, now), "Wed 20:30");
    // January: New York on standard time, five hours behind UTC.
    EXPECT_EQ(state.ZoneTimeText(0, true, *InstantOfLocal(FromCivil(2027, 1, 1, 11), 0)),
              "06:00:00 AM");
    EXPECT_EQ(state.ZoneTimeText(5, true, now), "");  // no such clock
    EXPECT_EQ(FormatZoneTimeAt(state.catalogue, 0, InstantFromUnixMs(std::int64_t{1} << 62), 1e9,
                               "hh", state.locale),
              "Invalid Format!!");
}

TEST_F(Model, TipKeepsUnderItsBudget) {
    store.Save("SVersion", "2");
    store.Save("SZoneNum", "3");
    for (int i = 0; i < 3; ++i) {
        const std::string n = std::to_string(i);
        store.Save("S" + n + "Dis",
                   std::string(43, static_cast<char>('a' + i)));  // 50 with ": hh:nn"
        store.Save("S" + n + "Ena", "True");
    }
    Load();
    const std::string tip = state.TipText();
    EXPECT_EQ(tip, std::string(43, 'a') + ": 11:30 - " + std::string(43, 'b') + ": 11:30 - ...");
    EXPECT_LT(tip.size(), 128u);

    state.clocks[0].Label = std::string(115, 'x');  // 115 + ": hh:nn" = 122 characters
    EXPECT_EQ(state.TipText(), " - ...");
    for (auto& c : state.clocks) c.Enabled = false;
    EXPECT_EQ(state.TipText(), "Horavia");
}

TEST_F(Model, TipCountsCharactersNotBytes) {
    EXPECT_EQ(TextLength("Zürich"), 6u);
    EXPECT_EQ(TextLength("東京"), 2u);
}

}  // namespace
}  // namespace horavia
