// The map in the editor: colours by colour table for the chosen zone, and zone choice by click.
#include <QTest>

#include "tests/editor/editor_fixture.h"
#include "ui/editor/map_colours.h"

namespace horavia::testing {
namespace {

using WorldMap = EditorTest;

TEST_F(WorldMap, WithoutAZoneMainAreasAreDarkBlueAndTheRestDarkGreen) {
    EXPECT_FALSE(editor->MapZone().has_value());
    editor->PrepareNew();
    EXPECT_EQ(editor->MapZone(), kZoneUtc);
    ASSERT_EQ(editor->picZones->Picture().colorCount(), 256);
    for (int k = 0; k < 256; ++k) {
        const bool mainArea = k == 7 || k == 3;  // the MapId1 of Alpha, Beta and Delta
        EXPECT_EQ(AreaColour(k), mainArea ? qRgb(0, 0, 160) : qRgb(0, 160, 0)) << k;
    }
    EXPECT_EQ(editor->picZones->Picture().pixelIndex(0, 0), 7);  // pixels untouched
}

TEST_F(WorldMap, TheChosenZoneLightsUpItsTwoAreas) {
    editor->cmbZone_Set(kAlpha);  // map ids 7,19
    EXPECT_EQ(AreaColour(7), qRgb(0, 0, 255));
    EXPECT_EQ(AreaColour(19), qRgb(0, 255, 0));
    EXPECT_EQ(AreaColour(3), qRgb(0, 0, 160));
    EXPECT_EQ(AreaColour(20), qRgb(0, 160, 0));
    editor->cmbZone_Set(kGamma);  // no map ids: nothing lit
    EXPECT_EQ(AreaColour(7), qRgb(0, 0, 160));
    EXPECT_EQ(AreaColour(19), qRgb(0, 160, 0));
    std::array<std::int32_t, kMapIndexCount> kind{};
    EXPECT_EQ(MapAreaColour(4, kind, 4, 4), kSelectedMainArea);  // equal ids: bright blue
}

TEST_F(WorldMap, UtcFirstStillColoursAndAnUnchangedZoneIsNotColouredAgain) {
    const QVector<QRgb> original = editor->picZones->Picture().colorTable();
    editor->cmbZone_Set(kZoneUtc);
    EXPECT_NE(editor->picZones->Picture().colorTable(), original);

    editor->cmbZone_Set(kAlpha);
    state.catalogue.zones[kAlpha].MapId1 = 20;  // would show if the map were recoloured
    editor->UpdateMap();
    EXPECT_EQ(AreaColour(20), qRgb(0, 160, 0));
    editor->cmbZone_Set(kBeta);
    editor->cmbZone_Set(kAlpha);
    EXPECT_EQ(AreaColour(20), qRgb(0, 0, 255));
}

TEST_F(WorldMap, ClicksReadTheTopAndBottomRowsAndPreferTheEarlierZone) {
    state.prefs.SortBy = 3;  // Delta is listed before Beta; the catalogue order still wins
    editor->SortList();
    editor->show();
    const QPoint origin = editor->picZones->contentsRect().topLeft();
    const auto click = [&](Qt::MouseButton button, int x, int y) {
        QTest::mouseClick(editor->picZones, button, {}, origin + QPoint(x, y));
        return SelectedZone();
    };
    EXPECT_EQ(click(Qt::LeftButton, 0, 0), kAlpha);   // area 7
    EXPECT_EQ(click(Qt::RightButton, 0, 3), kDelta);  // area 21, Delta's second area
    EXPECT_EQ(click(Qt::LeftButton, 1, 3), kBeta);    // area 3, shared by Beta and Delta
    EXPECT_EQ(editor->MapZone(), kBeta);
}

TEST_F(WorldMap, ClicksOutsideThePictureOrOnUnownedAreasChangeNothing) {
    editor->cmbZone_Set(kGamma);
    const QVector<QRgb> colours = editor->picZones->Picture().colorTable();
    for (const QPoint at : {QPoint(-1, 0), QPoint(0, -1), QPoint(6, 0), QPoint(0, 4), QPoint(5, 1),
                            QPoint(0, 2)}) {  // the last two: areas 99 and 0
        editor->picZones_MouseDown(Qt::LeftButton, {}, at.x(), at.y());
        EXPECT_EQ(SelectedZone(), kGamma) << at.x() << "," << at.y();
    }
    editor->show();  // inside the frame but past the small picture
    QTest::mouseClick(editor->picZones, Qt::LeftButton, {},
                      editor->picZones->contentsRect().topLeft() + QPoint(20, 2));
    EXPECT_EQ(SelectedZone(), kGamma);
    EXPECT_EQ(editor->picZones->Picture().colorTable(), colours);

    state.catalogue.zones[kZoneUtc].MapId1 = 99;  // pseudo-zones are never chosen
    EXPECT_EQ(FirstZoneOwningArea(state.catalogue, 99), -1);
    EXPECT_EQ(FirstZoneOwningArea(state.catalogue, -1), -1);  // Gamma's "no area"
}

TEST_F(WorldMap, TheCompiledMapIsUsedAndAnUnusablePictureIsIgnored) {
    frmEdit compiled(state);
    EXPECT_EQ(compiled.picZones->Picture().size(), QSize(356, 184));
    EXPECT_EQ(compiled.picZones->Picture().format(), QImage::Format_Indexed8);

    frmEdit unusable(state, nullptr, QImage(4, 4, QImage::Format_RGB32));
    EXPECT_TRUE(unusable.picZones->Picture().isNull());
    unusable.SortList();
    unusable.picZones_MouseDown(Qt::LeftButton, {}, 0, 0);
    EXPECT_EQ(unusable.cmbZone->currentIndex(), -1);
    unusable.cmbZone_Set(kAlpha);
    EXPECT_EQ(unusable.MapZone(), kAlpha);
}

}  // namespace
}  // namespace horavia::testing
