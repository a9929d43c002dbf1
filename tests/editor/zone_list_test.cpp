// The editor's zone list: one entry per element of the zone order, sorted by SortBy.
#include "tests/editor/editor_fixture.h"

namespace horavia::testing {
namespace {

using Names = std::vector<std::string>;

class ZoneList : public EditorTest {
  protected:
    Names SortedBy(int order) {
        state.preferences.Set(&Preferences::SortBy, order);
        editor->sortZoneList();
        Names names;
        const QComboBox* list = ZoneCombo();
        for (int i = 0; i < list->count(); ++i) {
            const int zone = list->itemData(i).toInt();
            EXPECT_EQ(list->itemText(i).toStdString(), ZoneDisplayText(state.catalogue, zone));
            names.push_back(state.catalogue.zones[static_cast<std::size_t>(zone)].Name);
        }
        return names;
    }
};

TEST_F(ZoneList, NameOrdersIgnorePrefixesAndCase) {
    const Names byName = {"??? Unknown ???",
                          "Coordinated Universal Time",
                          "dateline west",
                          "Greenwich",
                          "Julian Date (Long)",
                          "Julian Date (Short)",
                          "Mars Coordinated Time",
                          "Middle Europe",
                          "Number of people on earth",
                          "Stardate",
                          "Swatch Internet Time",
                          "Unix Timestamp",
                          "Zulu Islands"};
    EXPECT_EQ(SortedBy(0), byName);
    EXPECT_EQ(SortedBy(1), Names(byName.rbegin(), byName.rend()));
    EXPECT_EQ(SortedBy(7), Names(byName.rbegin(), byName.rend()));  // unknown: left as it was
}

TEST_F(ZoneList, OffsetOrdersKeepEqualOffsetsInTheirPreviousOrder) {
    SortedBy(0);
    EXPECT_EQ(SortedBy(2),
              (Names{"Swatch Internet Time", "Number of people on earth", "Stardate",
                     "Julian Date (Short)", "Julian Date (Long)", "Mars Coordinated Time",
                     "dateline west", "??? Unknown ???", "Coordinated Universal Time", "Greenwich",
                     "Unix Timestamp", "Middle Europe", "Zulu Islands"}));
    EXPECT_EQ(SortedBy(3),
              (Names{"Zulu Islands", "Middle Europe", "??? Unknown ???",
                     "Coordinated Universal Time", "Greenwich", "Unix Timestamp", "dateline west",
                     "Mars Coordinated Time", "Julian Date (Long)", "Julian Date (Short)",
                     "Stardate", "Number of people on earth", "Swatch Internet Time"}));
}

TEST_F(ZoneList, SortingLeavesNoSelectionAndTheMapAsItWas) {
    ChooseZone(kAlpha);
    ChooseZone(kZoneEmpty);  // not offered: the choice stays
    ASSERT_EQ(SelectedZone(), kAlpha);
    const QVector<QRgb> colours = MapView()->picture().colorTable();
    SortedBy(2);
    EXPECT_EQ(ZoneCombo()->currentIndex(), -1);
    EXPECT_FALSE(OkButton()->isEnabled());
    EXPECT_EQ(editor->mapZone(), kAlpha);
    EXPECT_EQ(MapView()->picture().colorTable(), colours);
}

}  // namespace
}  // namespace horavia::testing
