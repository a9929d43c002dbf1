// Finding a clock's zone by a place's name in the editor and the converter, as a user does it
// with the keyboard, over this computer's zone database.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "model/registry.h"
#include "model/zone_model.h"
#include "platform/linux/tz_zone_source.h"
#include "platform/place_finder.h"
#include "tests/model/fake_messages.h"
#include "ui/convert/converter_window.h"
#include "ui/editor/clock_editor.h"
#include "ui/editor/place_search_box.h"
#include "ui/editor/world_map_view.h"

namespace horavia {
namespace {

class PlaceSearchEditor : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(zones);
        editor = std::make_unique<ClockEditor>(state, nullptr, QImage(), &places);
        state.LoadSettings();
        ASSERT_TRUE(state.LoadCatalogue([this] { editor->sortZoneList(); }));
    }
    template <class Control>
    Control* Part(const QWidget& window, const char* name) const {
        auto* control = window.findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    // The zone the list shows chosen, by its key.
    std::string ChosenKey(const QComboBox* list) const {
        const int zone = list->currentData().toInt();
        return state.catalogue.IsValidIndex(zone)
                   ? state.catalogue.zones[static_cast<std::size_t>(zone)].StdName
                   : std::string();
    }

    MemoryRegistry registry;  // not read: the zones come from the zone source
    std::unique_ptr<TzZoneSource> zones = MakeSystemTzZoneSource();
    MemorySettingsStore store;
    testing::RecordingMessages messages;
    FixedLocalZone localZone;
    FixedClock clock{FromCivil(2026, 7, 1, 12)};
    AppState state{Services{store, registry, messages, localZone, clock, zones.get()},
                   EnglishUnitedStates()};
    PlaceFinder places;
    std::unique_ptr<ClockEditor> editor;
};

TEST_F(PlaceSearchEditor, TypeDownEnterOkMakesTheClock) {
    EXPECT_FALSE(places.IsLoaded()) << "nothing is read before a search";
    editor->prepareNewClock();
    editor->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    auto* search = Part<PlaceSearchBox>(*editor, "placeSearch");
    EXPECT_EQ(QApplication::focusWidget(), search) << "a new clock starts in the search";

    QTest::keyClicks(search, QStringLiteral("zurich"));
    ASSERT_FALSE(search->matches().empty());
    EXPECT_EQ(search->matches()[0].label, "Zürich");
    QWidget* list = search->resultList();
    ASSERT_TRUE(list->isVisible());
    // Down moves into the places found; Enter there takes the one chosen.
    QTest::keyClick(search, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(ChosenKey(Part<QComboBox>(*editor, "zoneCombo")), "W. Europe Standard Time");
    EXPECT_EQ(Part<QLineEdit>(*editor, "labelEdit")->text(), QStringLiteral("Zürich"))
        << "the empty label takes the city's name";
    auto* map = Part<WorldMapView>(*editor, "worldMap");
    ASSERT_TRUE(map->marker());
    // Zürich lies at 8.55°E, 47.37°N: just right of the middle, a quarter of the way down.
    EXPECT_NEAR(map->marker()->x(), (8.55 + 180) * 356 / 360, 1.0);
    EXPECT_NEAR(map->marker()->y(), (84 - 47.37) * 184 / 144, 1.0);

    QTest::mouseClick(Part<QPushButton>(*editor, "okButton"), Qt::LeftButton);
    ASSERT_EQ(state.Clocks().size(), 3u);  // two default clocks and the new one
    EXPECT_EQ(state.Clocks().back().Label, "Zürich");
    EXPECT_EQ(state.catalogue.zones[static_cast<std::size_t>(state.Clocks().back().Zone)].StdName,
              "W. Europe Standard Time");
}

TEST_F(PlaceSearchEditor, EnterTakesAPlaceOnlyAndTheNextEnterPressesOk) {
    const struct {
        const char* how;
        int downs;  // Down presses before Enter; none: Enter in the field takes the first
    } cases[] = {{"Enter in the field", 0}, {"Down, Down, Enter in the list", 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        editor->prepareNewClock();
        editor->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
        auto* search = Part<PlaceSearchBox>(*editor, "placeSearch");
        QTest::keyClicks(search, QStringLiteral("zurich"));
        ASSERT_GE(search->matches().size(), 2u);
        const PlaceMatch expected =
            search->matches()[c.downs == 0 ? 0 : static_cast<std::size_t>(c.downs - 1)];
        QWidget* keys = search;
        for (int i = 0; i < c.downs; ++i) {
            QTest::keyClick(keys, Qt::Key_Down);
            keys = search->resultList();  // the first Down moves into the list
        }
        QTest::keyClick(keys, Qt::Key_Return);
        EXPECT_TRUE(editor->isVisible()) << "the first Enter only takes the place";
        EXPECT_FALSE(search->resultList()->isVisible());
        EXPECT_EQ(Part<QComboBox>(*editor, "zoneCombo")->currentData().toInt(), expected.zoneIndex);

        QTest::keyClick(search, Qt::Key_Return);
        EXPECT_FALSE(editor->isVisible());
        EXPECT_EQ(editor->result(), QDialog::Accepted);
        EXPECT_EQ(state.Clocks().back().Zone, expected.zoneIndex);
        EXPECT_EQ(state.Clocks().back().Label, expected.label);
    }
}

TEST_F(PlaceSearchEditor, EnterTakesTheFirstPlaceAndKeepsATypedLabel) {
    ASSERT_TRUE(editor->prepareClock(0));
    auto* label = Part<QLineEdit>(*editor, "labelEdit");
    const QString kept = label->text();
    auto* search = Part<PlaceSearchBox>(*editor, "placeSearch");
    QTest::keyClicks(search, QStringLiteral("sao paulo"));
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_EQ(ChosenKey(Part<QComboBox>(*editor, "zoneCombo")), "E. South America Standard Time");
    EXPECT_EQ(label->text(), kept);
    EXPECT_TRUE(Part<WorldMapView>(*editor, "worldMap")->marker());
    // Another zone chosen in the list takes the dot away: it marks the place found only.
    auto* list = Part<QComboBox>(*editor, "zoneCombo");
    list->setCurrentIndex(list->currentIndex() == 0 ? 1 : 0);
    EXPECT_FALSE(Part<WorldMapView>(*editor, "worldMap")->marker());
}

TEST_F(PlaceSearchEditor, TheChosenPlaceIsStoredWithTheClockUntilAnotherZoneIsChosen) {
    auto* note = Part<QLabel>(*editor, "placeNote");
    auto* list = Part<QComboBox>(*editor, "zoneCombo");
    auto* ok = Part<QPushButton>(*editor, "okButton");
    ASSERT_TRUE(editor->prepareClock(0));
    EXPECT_TRUE(note->isHidden()) << "the default clock has no place";
    auto* search = Part<PlaceSearchBox>(*editor, "placeSearch");
    QTest::keyClicks(search, QStringLiteral("munich"));
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_EQ(note->text(), QStringLiteral("Place: Munich, Bavaria, Germany"));
    EXPECT_FALSE(note->isHidden());
    QTest::mouseClick(ok, Qt::LeftButton);
    const auto placeOf = [](const AppState& s) { return s.Clocks()[0].Place; };
    ASSERT_TRUE(placeOf(state));
    EXPECT_EQ(placeOf(state)->name, "Munich, Bavaria, Germany");
    EXPECT_NEAR(placeOf(state)->latitude, 48.14, 0.01);
    EXPECT_NEAR(placeOf(state)->longitude, 11.58, 0.01);

    // Written with the clock list and read back as it was.
    state.SaveClockList();
    const std::string stored = store.Get("S0Plc", "");
    EXPECT_TRUE(stored.ends_with(" Munich, Bavaria, Germany")) << stored;
    AppState reread{Services{store, registry, messages, localZone, clock, zones.get()},
                    EnglishUnitedStates()};
    reread.LoadSettings();
    ASSERT_TRUE(reread.LoadCatalogue());
    ASSERT_TRUE(placeOf(reread));
    EXPECT_EQ(placeOf(reread)->name, "Munich, Bavaria, Germany");

    // Opened again, the editor shows the place; another zone from the list clears it.
    ASSERT_TRUE(editor->prepareClock(0));
    EXPECT_EQ(note->text(), QStringLiteral("Place: Munich, Bavaria, Germany"));
    EXPECT_FALSE(note->isHidden());
    list->setCurrentIndex(list->currentIndex() == 0 ? 1 : 0);
    EXPECT_TRUE(note->isHidden());
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(placeOf(state));
    state.SaveClockList();
    EXPECT_EQ(store.Get("S0Plc", ""), "") << "a clock without a place leaves none";
}

TEST_F(PlaceSearchEditor, ConverterPickersFindPlacesToo) {
    ConverterWindow converter(state, messages, nullptr, &places);
    converter.show();
    auto* fromSearch = Part<PlaceSearchBox>(converter, "fromPlaceSearch");
    auto* toSearch = Part<PlaceSearchBox>(converter, "toPlaceSearch");
    QTest::keyClicks(fromSearch, QStringLiteral("Bombay"));
    QTest::keyClick(fromSearch, Qt::Key_Return);
    QTest::keyClicks(toSearch, QStringLiteral("america/denver"));
    QTest::keyClick(toSearch, Qt::Key_Return);
    EXPECT_EQ(ChosenKey(Part<QComboBox>(converter, "fromZoneCombo")), "India Standard Time");
    EXPECT_EQ(ChosenKey(Part<QComboBox>(converter, "toZoneCombo")), "Mountain Standard Time");
    auto* time = Part<QLineEdit>(converter, "fromTimeEdit");
    time->selectAll();
    QTest::keyClicks(time, QStringLiteral("2026-07-01 12:00"));
    EXPECT_EQ(Part<QLineEdit>(converter, "toTimeEdit")->text(), QStringLiteral("00:30"));
}

}  // namespace
}  // namespace horavia
