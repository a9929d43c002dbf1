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
    FixedLocalZone localZone{3600};
    FixedClock clock{FromCivil(2026, 7, 1, 12, 30, 15), -60};  // local, UTC+1
    AppState state{Services{store, reg, messages, localZone, clock}, EnglishUnitedStates()};
};

TEST_F(Model, StartUpLoadsDefaultsAndTheComputersZone) {
    Load();
    EXPECT_EQ(state.computerZone->OffsetAt(0), 3600);
    EXPECT_EQ(state.Clocks().size(), 2u);
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

// A file damaged by hand or by another program: any value of any key starts the program, the
// damage is told once (a value read twice is not told twice), and every other key is kept.
TEST_F(Model, EveryKeyWithAnyValueLoadsAndKeepsTheOtherKeys) {
    const std::vector<std::pair<std::string, std::string>> stored{
        {"AlwaysOnTop", "True"}, {"ShowWnd", "True"},    {"StartUp", "False"},
        {"SingleClick", "True"}, {"SortBy", "2"},        {"AMPM", "False"},
        {"FontName", "Sans"},    {"FontSize", "12"},     {"STStartUp", "True"},
        {"STInt", "True"},       {"STIntNum", "5"},      {"STIntType", "1"},
        {"STServer", "ntp:a.b"}, {"STLast", "46204.25"}, {"DefaultFormat", "hh:nn"},
        {"ShowOffset", "True"},  {"SVersion", "2"},      {"SZoneNum", "2"},
        {"S0Dis", "NY"},         {"S0Fmt", "hh"},        {"S0Zon", "Eastern Standard Time"},
        {"S0Ena", "True"},       {"S1Dis", "Tokyo"},     {"S1Fmt", ""},
        {"S1Zon", "8"},          {"S1Ena", "False"},     {"WndLeft", "300"},
        {"WndTop", "-40"},       {"WndWidth", "2000"},   {"WndHeight", "90"},
    };
    const std::string digits(64 * 1024, '7');
    for (const auto& [key, good] : stored) {
        for (const std::string& bad :
             {std::string("NaN"), std::string("inf"), std::string("-inf"), std::string("-0.5"),
              std::string("-5e-1"), std::string("1e300"), std::string(), digits}) {
            MemorySettingsStore file;
            for (const auto& [k, v] : stored) file.Save(k, k == key ? bad : v);
            testing::RecordingMessages told;
            AppState app(Services{file, reg, told, localZone, clock}, EnglishUnitedStates());
            app.LoadSettings();
            ASSERT_TRUE(app.LoadCatalogue()) << key << "=" << bad.substr(0, 9);
            LoadWindowPlace(app.readers, 15);
            LoadWindowPlace(app.readers, 15);  // the window made anew reads its place again
            ASSERT_LE(app.Clocks().size(), 2u) << key << "=" << bad.substr(0, 9);
            app.SaveSettings();
            app.SaveClockList();
            EXPECT_LE(told.shown.size(), 1u) << key << "=" << bad.substr(0, 9);
            for (const auto& shown : told.shown) {
                ASSERT_EQ(shown.message.size(), 1u);
                EXPECT_EQ(shown.message[0].id, MessageId::SettingUnreadable);
                // The stored text is quoted, up to a length a message box can show.
                EXPECT_LE(shown.message[0].args.at(5).size(), SettingReaders::kMaxQuotedBytes + 3);
            }
            // An empty label empties the clock's slot: the list is saved without it.
            if ((key == "S0Dis" || key == "S1Dis") && bad.empty()) continue;
            for (const auto& [k, v] : stored) {
                if (k != key) {
                    EXPECT_EQ(file.Get(k, "<absent>"), v)
                        << k << " with " << key << "=" << bad.substr(0, 9);
                }
            }
        }
    }
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

    state.book.Rename(0, std::string(115, 'x'));  // 115 + ": hh:nn" = 122 characters
    EXPECT_EQ(state.TipText(), " - ...");
    for (int slot : state.book.Order()) state.book.Enable(slot, false);
    EXPECT_EQ(state.TipText(), "Horavia");
}

TEST_F(Model, TipCountsCharactersNotBytes) {
    EXPECT_EQ(TextLength("Zürich"), 6u);
    EXPECT_EQ(TextLength("東京"), 2u);
}

}  // namespace
}  // namespace horavia
