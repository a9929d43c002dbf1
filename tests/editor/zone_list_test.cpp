// The editor's zone list: one entry per element of the zone order, sorted by SortBy.
#include "tests/editor/editor_fixture.h"

namespace horavia::testing {
namespace {

using Names = std::vector<std::string>;

class ZoneList : public EditorTest {
  protected:
    Names SortedBy(int order) {
        state.prefs.SortBy = order;
        editor->SortList();
        Names names;
        for (int i = 0; i < editor->cmbZone->count(); ++i) {
            const int zone = editor->cmbZone->itemData(i).toInt();
            EXPECT_EQ(editor->cmbZone->itemText(i).toStdString(),
                      ZoneDisplayText(state.catalogue, zone));
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
    editor->cmbZone_Set(kAlpha);
    editor->cmbZone_Set(kZoneEmpty);  // not offered: the choice stays
    ASSERT_EQ(SelectedZone(), kAlpha);
    const QVector<QRgb> colours = editor->picZones->Picture().colorTable();
    SortedBy(2);
    EXPECT_EQ(editor->cmbZone->currentIndex(), -1);
    EXPECT_FALSE(editor->cmdOK->isEnabled());
    EXPECT_EQ(editor->MapZone(), kAlpha);
    EXPECT_EQ(editor->picZones->Picture().colorTable(), colours);
}

}  // namespace
}  // namespace horavia::testing
