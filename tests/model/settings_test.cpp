#include <gtest/gtest.h>

#include "fake_messages.h"
#include "model/preference_book.h"
#include "model/setting_readers.h"

namespace horavia {
namespace {

using testing::RecordingMessages;

class Settings : public ::testing::Test {
  protected:
    MemorySettingsStore store;
    RecordingMessages messages;
    SettingReaders readers{store, messages};
};

TEST_F(Settings, BoolReaderAcceptsWordsInAnyCaseAndNumbers) {
    for (auto [text, want] : std::vector<std::pair<std::string, bool>>{{"True", true},
                                                                       {"FALSE", false},
                                                                       {"tRuE", true},
                                                                       {"0", false},
                                                                       {"-1", true},
                                                                       {"2.5", true},
                                                                       {" True ", true}}) {
        store.Save("K", text);
        EXPECT_EQ(readers.GetSettingBool(kSettingsApp, kSettingsSection, "K", "False"), want)
            << text;
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Settings, FailedConversionShowsTheExactMessageAndReadsAsEmpty) {
    store.Save("AlwaysOnTop", "Maybe");
    EXPECT_FALSE(readers.GetSettingBool("Horavia 2.0", "Settings", "AlwaysOnTop", "False"));
    ASSERT_EQ(messages.shown.size(), 1u);
    const auto unreadable = [](std::vector<std::string> args) {
        return MessageLines{{MessageId::SettingUnreadable, std::move(args)}};
    };
    EXPECT_EQ(messages.shown[0].message, unreadable({"GetSettingBool", "Horavia 2.0", "Settings",
                                                     "AlwaysOnTop", "False", "Maybe"}));
    EXPECT_EQ(messages.shown[0].buttons, MsgButtons::Ok);
    store.Save("FontSize", "big");
    EXPECT_FALSE(readers.GetSettingLng("Horavia 2.0", "Settings", "FontSize", "10"));
    EXPECT_EQ(messages.shown[1].message,
              unreadable({"GetSettingLng", "Horavia 2.0", "Settings", "FontSize", "10", "big"}));
    store.Save("STLast", "");
    EXPECT_FALSE(readers.GetSettingDbl("Horavia 2.0", "Settings", "STLast", "0"));
    EXPECT_EQ(messages.shown[2].message,
              unreadable({"GetSettingDbl", "Horavia 2.0", "Settings", "STLast", "0", ""}));
}

// A bad number reads as the default; each key is told once, a damaged file by its first keys,
// and a long stored text is quoted only in part.
TEST_F(Settings, ABadNumberReadsAsItsDefaultAndIsToldOnce) {
    const struct {
        const char* stored;
        std::int32_t read;
    } cases[] = {{"5", 5},   {"0.4", 0},   {"9", 9}, {"12", 7},   {"-0.5", 7}, {"-5e-1", 7},
                 {"NaN", 7}, {"1e300", 7}, {"", 7},  {"-inf", 7}, {"4.5", 4},  {"2147483648", 7}};
    for (const auto& c : cases) {
        MemorySettingsStore file;
        testing::RecordingMessages told;
        SettingReaders r(file, told);
        file.Save("N", c.stored);
        EXPECT_EQ(r.Whole("N", "7", 0, 9), c.read) << c.stored;
        EXPECT_EQ(r.Whole("N", "7", 0, 9), c.read) << c.stored;
        EXPECT_EQ(told.shown.size(), c.read == 7 ? 1u : 0u) << c.stored;
    }
    store.Save("Long", std::string(64 * 1024, '9'));
    EXPECT_EQ(readers.Whole("Long", "1"), 1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].message[0].args[5], std::string(80, '9') + "\u2026");
    for (const char* key : {"A", "B", "C", "D"}) {
        store.Save(key, "x");
        readers.Whole(key, "0");
    }
    EXPECT_EQ(messages.shown.size(), SettingReaders::kMaxToldProblems);
}

TEST_F(Settings, WholeNumbersRoundHalvesToEvenWithinThirtyTwoBits) {
    const std::vector<std::pair<std::string, int>> cases{
        {"10.5", 10}, {"11.5", 12}, {"-2.5", -2}, {"2147483647", 2147483647}, {"1e3", 1000}};
    for (const auto& [text, want] : cases) {
        store.Save("N", text);
        EXPECT_EQ(readers.Whole("N", "0"), want) << text;
    }
    store.Save("N", "2147483648");
    EXPECT_EQ(readers.Whole("N", "0"), 0);
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(Settings, DayCountsReadBackExactlyWithPointOrLocaleComma) {
    const double when = 46364.604166666664;  // a date with a time of day
    store.Save("STLast", DayCountSettingText(when));
    EXPECT_EQ(store.Get("STLast", ""), "46364.604166666664");
    EXPECT_EQ(readers.StoredDayCount("STLast", "0"), when);
    SettingReaders german(store, messages, ',', '.');
    EXPECT_EQ(german.StoredDayCount("STLast", "0"),
              when);  // a point still reads as a decimal point
    store.Save("STLast", "46364,5");
    EXPECT_EQ(german.StoredDayCount("STLast", "0"), 46364.5);
}

TEST_F(Settings, EmptyStoreGivesTheDefaults) {
    Preferences p;
    p.ShowWnd = false;
    p.FontName = "x";
    LoadPreferences(p, readers);
    EXPECT_FALSE(p.AlwaysOnTop);
    EXPECT_TRUE(p.ShowWnd);
    EXPECT_EQ(p.SortBy, 0);
    EXPECT_EQ(p.FontName, "MS Sans Serif");
    EXPECT_EQ(p.FontSize, 10);
    EXPECT_EQ(p.STIntNum, 1);
    EXPECT_EQ(p.STIntType, 2);
    EXPECT_EQ(p.STServer, "time.nist.gov");
    EXPECT_EQ(p.STLast, 0.0);
    EXPECT_EQ(p.DefaultFormat, "hh:nn:ss");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(store.Size(), 0u);  // loading writes nothing
}

TEST_F(Settings, DefaultFormatFollowsAmPmAndBadValuesAreMended) {
    store.Save("AMPM", "True");
    store.Save("SortBy", "9");
    store.Save("FontSize", "11.5");
    store.Save("STIntNum", "0");
    store.Save("STIntType", "0");
    Preferences p;
    LoadPreferences(p, readers);
    EXPECT_EQ(p.DefaultFormat, "hh:nn:ss AM/PM");
    EXPECT_EQ(p.SortBy, 0);
    EXPECT_EQ(p.FontSize, 12);
    EXPECT_EQ(p.STIntNum, 30);  // seconds: never below 30
    store.Save("STIntType", "1");
    store.Save("STIntNum", "-5");
    LoadPreferences(p, readers);
    EXPECT_EQ(p.STIntNum, 1);
    store.Save("STIntNum", "70000");
    LoadPreferences(p, readers);
    EXPECT_EQ(p.STIntNum, 255);

    // The font size stays within what the font dialog offers (1 to 512 points).
    for (const auto& [stored, points] : std::vector<std::pair<std::string, std::int32_t>>{
             {"2147483647", 512}, {"513", 512}, {"512", 512}, {"1", 1}, {"0", 1}, {"-40", 1}}) {
        store.Save("FontSize", stored);
        LoadPreferences(p, readers);
        EXPECT_EQ(p.FontSize, points) << stored;
    }
}

TEST_F(Settings, SaveWritesEveryPreferenceButSTLastAndRoundTrips) {
    Preferences p;
    p.AlwaysOnTop = true;
    p.FontName = " Odd, \"name\"; #=\\ é ";
    p.STLast = 123.5;
    p.WorkDefault = true;
    p.WorkHours = "22:00-06:00";
    p.WorkDays = "56";
    SavePreferences(p, store);
    EXPECT_EQ(store.Size(), 24u);
    EXPECT_EQ(store.Commits(), 1u) << "one write of the file";
    EXPECT_EQ(store.SavedKeys().front(), "AlwaysOnTop");
    EXPECT_EQ(store.SavedKeys().back(), "ConvMap");
    EXPECT_FALSE(store.Has("STLast"));
    EXPECT_EQ(store.Get("AlwaysOnTop", ""), "True");
    Preferences q;
    LoadPreferences(q, readers);
    EXPECT_TRUE(q.AlwaysOnTop);
    EXPECT_EQ(q.FontName, p.FontName);
    EXPECT_EQ(DefaultWorkingHours(q), (WorkingHours{22 * 60, 6 * 60, 0x30}));
}

TEST_F(Settings, OnePreferenceAndTheWindowPlaceAreWrittenAsTheTableWritesThem) {
    PreferenceBook prefs(store);
    prefs.Set(&Preferences::ShowWnd, false);
    EXPECT_EQ(store.SavedKeys(), (std::vector<std::string>{"ShowWnd"}));
    EXPECT_EQ(store.Get("ShowWnd", ""), "False");

    // Pixels inside the program, twips in the file: 15 a pixel at 96 dpi, 12 at 120 dpi.
    WindowPlace place = LoadWindowPlace(readers, 15);
    EXPECT_EQ((std::vector<double>{place.left, place.top, place.width, place.height}),
              (std::vector<double>(4, 100 / 15.0)))
        << "100 twips each where nothing is stored";
    EXPECT_FALSE(place.leftStored || place.topStored);

    // Where the platform cannot tell the position, the stored one is kept.
    SaveWindowPlace(store, 15, 100, 150, 200, 60);
    EXPECT_EQ((std::vector<std::string>{store.Get("WndLeft", ""), store.Get("WndTop", ""),
                                        store.Get("WndWidth", ""), store.Get("WndHeight", "")}),
              (std::vector<std::string>{"1500", "2250", "3000", "900"}));
    SaveWindowPlace(store, 15, std::nullopt, std::nullopt, 213, 64);
    place = LoadWindowPlace(readers, 15);
    EXPECT_EQ((std::vector<double>{place.left, place.top, place.width, place.height}),
              (std::vector<double>{100, 150, 213, 64}));
    EXPECT_TRUE(place.leftStored && place.topStored);
    place = LoadWindowPlace(readers, 12);
    EXPECT_EQ((std::vector<double>{place.left, place.top, place.width, place.height}),
              (std::vector<double>{125, 187.5, 266.25, 80}));
    // A pixel count at a resolution whose twips per pixel are no whole number is stored as
    // the nearest whole number of twips, halves away from zero.
    SaveWindowPlace(store, 1440.0 / 192, -3, 7, 1, 3);
    EXPECT_EQ((std::vector<std::string>{store.Get("WndLeft", ""), store.Get("WndTop", ""),
                                        store.Get("WndWidth", ""), store.Get("WndHeight", "")}),
              (std::vector<std::string>{"-23", "53", "8", "23"}));
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace horavia
