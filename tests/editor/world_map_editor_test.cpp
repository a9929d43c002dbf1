// The map in the editor: colours by colour table for the chosen zone, and zone choice by click.
#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSet>
#include <QTest>

#include "tests/editor/editor_fixture.h"
#include "ui/editor/map_colours.h"
#include "ui/editor/night_shade.h"

namespace horavia::testing {
namespace {

using WorldMap = EditorTest;

TEST_F(WorldMap, WithoutAZoneMainAreasAreDarkBlueAndTheRestDarkGreen) {
    EXPECT_FALSE(editor->mapZone().has_value());
    editor->prepareNewClock();
    EXPECT_EQ(editor->mapZone(), kZoneUtc);
    ASSERT_EQ(MapView()->picture().colorCount(), 256);
    for (int k = 0; k < 256; ++k) {
        const bool mainArea = k == 7 || k == 3;  // the MapId1 of Alpha, Beta and Delta
        EXPECT_EQ(AreaColour(k), mainArea ? qRgb(0, 0, 160) : qRgb(0, 160, 0)) << k;
    }
    EXPECT_EQ(MapView()->picture().pixelIndex(0, 0), 7);  // pixels untouched
}

TEST_F(WorldMap, TheChosenZoneLightsUpItsTwoAreas) {
    ChooseZone(kAlpha);  // map ids 7,19
    EXPECT_EQ(AreaColour(7), qRgb(0, 0, 255));
    EXPECT_EQ(AreaColour(19), qRgb(0, 255, 0));
    EXPECT_EQ(AreaColour(3), qRgb(0, 0, 160));
    EXPECT_EQ(AreaColour(20), qRgb(0, 160, 0));
    ChooseZone(kGamma);  // no map ids: nothing lit
    EXPECT_EQ(AreaColour(7), qRgb(0, 0, 160));
    EXPECT_EQ(AreaColour(19), qRgb(0, 160, 0));
    std::array<std::int32_t, kMapIndexCount> kind{};
    EXPECT_EQ(MapAreaColour(4, kind, 4, 4), kSelectedMainArea);  // equal ids: bright blue
}

TEST_F(WorldMap, UtcFirstStillColoursAndAnUnchangedZoneIsNotColouredAgain) {
    const QVector<QRgb> original = MapView()->picture().colorTable();
    ChooseZone(kZoneUtc);
    EXPECT_NE(MapView()->picture().colorTable(), original);

    ChooseZone(kAlpha);
    state.catalogue.zones[kAlpha].MapId1 = 20;    // would show if the map were recoloured
    QTest::keyClick(ZoneCombo(), Qt::Key_Shift);  // a key in the list updates the map
    ASSERT_TRUE(editor->prepareClock(0));         // and so does a clock of the same zone
    EXPECT_EQ(AreaColour(20), qRgb(0, 160, 0));
    ChooseZone(kBeta);
    ChooseZone(kAlpha);
    EXPECT_EQ(AreaColour(20), qRgb(0, 0, 255));
}

TEST_F(WorldMap, ArrowKeysStepThroughTheZoneListAndTheNameSaysTheZone) {
    editor->prepareNewClock();
    WorldMapView* map = MapView();
    EXPECT_NE(map->focusPolicy() & Qt::TabFocus, 0) << "reached by Tab";
    EXPECT_EQ(map->accessibleName(), QStringLiteral("World map"));
    QTest::keyClick(map, Qt::Key_Left);
    EXPECT_EQ(ZoneCombo()->currentIndex(), 0) << "from no zone, the first";
    QTest::keyClick(map, Qt::Key_Right);
    EXPECT_EQ(ZoneCombo()->currentIndex(), 1);
    QTest::keyClick(map, Qt::Key_Down);
    EXPECT_EQ(ZoneCombo()->currentIndex(), 2);
    QTest::keyClick(map, Qt::Key_Up);
    EXPECT_EQ(ZoneCombo()->currentIndex(), 1);
    EXPECT_EQ(editor->mapZone(), SelectedZone()) << "the map shows the zone the keys chose";
    EXPECT_EQ(map->accessibleName(), QStringLiteral("World map: ") + ZoneCombo()->currentText());
    const int last = ZoneCombo()->count() - 1;
    ZoneCombo()->setCurrentIndex(last);
    QTest::keyClick(map, Qt::Key_Right);
    EXPECT_EQ(ZoneCombo()->currentIndex(), last) << "the list's end stops the keys";
    ZoneCombo()->setCurrentIndex(0);
    QTest::keyClick(map, Qt::Key_Up);
    EXPECT_EQ(ZoneCombo()->currentIndex(), 0);
}

TEST_F(WorldMap, ClicksReadTheTopAndBottomRowsAndPreferTheEarlierZone) {
    state.preferences.Set(&Preferences::SortBy,
                          3);  // Delta is listed before Beta; the catalogue order still wins
    editor->sortZoneList();
    editor->show();
    const auto click = [&](Qt::MouseButton button, int x, int y) {
        ClickMap(*editor, QPoint(x, y), button);
        return SelectedZone();
    };
    EXPECT_EQ(click(Qt::LeftButton, 0, 0), kAlpha);   // area 7
    EXPECT_EQ(click(Qt::RightButton, 0, 3), kDelta);  // area 21, Delta's second area
    EXPECT_EQ(click(Qt::LeftButton, 1, 3), kBeta);    // area 3, shared by Beta and Delta
    EXPECT_EQ(editor->mapZone(), kBeta);
}

TEST_F(WorldMap, ClicksOutsideThePictureOrOnUnownedAreasChangeNothing) {
    ChooseZone(kGamma);
    const QVector<QRgb> colours = MapView()->picture().colorTable();
    editor->show();
    for (const QPoint at : {QPoint(-1, 0), QPoint(0, -1), QPoint(6, 0), QPoint(0, 4), QPoint(5, 1),
                            QPoint(0, 2),    // areas 99 and 0
                            QPoint(20, 2)})  // inside the frame but past the small picture
    {
        ClickMap(*editor, at);
        EXPECT_EQ(SelectedZone(), kGamma) << at.x() << "," << at.y();
    }
    EXPECT_EQ(MapView()->picture().colorTable(), colours);

    state.catalogue.zones[kZoneUtc].MapId1 = 99;  // pseudo-zones are never chosen
    EXPECT_EQ(FirstZoneOwningArea(state.catalogue, 99), -1);
    EXPECT_EQ(FirstZoneOwningArea(state.catalogue, -1), -1);  // Gamma's "no area"
}

TEST_F(WorldMap, TheCompiledMapIsUsedAndAnUnusablePictureIsIgnored) {
    ClockEditor compiled(state);
    const WorldMapView* compiledMap = Part<WorldMapView>(compiled, "worldMap");
    EXPECT_EQ(compiledMap->picture().size(), QSize(356, 184));
    EXPECT_EQ(compiledMap->picture().format(), QImage::Format_Indexed8);
    EXPECT_GT(Part<QComboBox>(compiled, "zoneCombo")->count(), 0) << "filled at construction";

    ClockEditor unusable(state, nullptr, QImage(4, 4, QImage::Format_RGB32));
    EXPECT_TRUE(Part<WorldMapView>(unusable, "worldMap")->picture().isNull());
    unusable.sortZoneList();
    ClickMap(unusable, QPoint(0, 0));
    EXPECT_EQ(Part<QComboBox>(unusable, "zoneCombo")->currentIndex(), -1);
    ChooseZone(unusable, kAlpha);
    EXPECT_EQ(unusable.mapZone(), kAlpha);
}

// Run at 1x and again at 2x (QT_SCALE_FACTOR; see CMakeLists.txt), where the clicks above must
// pick the same zones.
TEST_F(WorldMap, DrawnPixelForPixelAt1xAndSmoothlyOnDenserScreens) {
    ClockEditor compiled(state);
    ChooseZone(compiled, kAlpha);
    compiled.show();
    auto* map = Part<WorldMapView>(compiled, "worldMap");
    map->setNightClock(nullptr);  // the area colours alone; the night side is checked below
    const QImage& picture = map->picture();
    ASSERT_EQ(map->contentsRect().size(), picture.size()) << "one picture pixel a logical pixel";
    const QImage shot =
        map->grab(map->contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
    const qreal ratio = map->devicePixelRatioF();
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        EXPECT_DOUBLE_EQ(ratio, qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
    }
    ASSERT_EQ(shot.size(), (QSizeF(picture.size()) * ratio).toSize());

    const auto colours = [](const QImage& image) {
        QSet<QRgb> seen;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) seen.insert(image.pixel(x, y) & 0xFFFFFFu);
        }
        return seen.size();
    };
    if (ratio == 1.0) {
        for (int y = 0; y < picture.height(); y += 7) {
            for (int x = 0; x < picture.width(); x += 5) {
                ASSERT_EQ(shot.pixel(x, y) & 0xFFFFFFu, picture.pixel(x, y) & 0xFFFFFFu)
                    << x << "," << y;
            }
        }
        return;
    }
    // The area picture has a few colours; drawn smooth, its coasts and borders blend them.
    const auto pictureColours = colours(picture.convertToFormat(QImage::Format_RGB32));
    EXPECT_LE(pictureColours, 4);
    EXPECT_GE(colours(shot), 4 * pictureColours) << pictureColours;
}

// Also run at 2x: the ring is as wide as the border on the denser screen too.
TEST_F(WorldMap, TabGivesTheMapFocusAndItsBorderTheHighlightColour) {
    ASSERT_TRUE(editor->editClock(2));
    QApplication::setActiveWindow(editor.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    WorldMapView* map = MapView();
    const QRgb highlight = map->palette().color(QPalette::Highlight).rgb();
    // The middle of each side of the border, in the grab's device pixels.
    const auto borderInHighlight = [&] {
        const QImage shot = map->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const int edge = static_cast<int>(map->devicePixelRatioF());  // inside a 2-pixel border
        const QPoint sides[] = {{shot.width() / 2, edge},
                                {shot.width() / 2, shot.height() - 1 - edge},
                                {edge, shot.height() / 2},
                                {shot.width() - 1 - edge, shot.height() / 2}};
        int lit = 0;
        for (const QPoint& at : sides) lit += shot.pixel(at) == highlight ? 1 : 0;
        return lit;
    };
    ZoneCombo()->setCurrentIndex(0);
    ZoneCombo()->setFocus();
    EXPECT_EQ(borderInHighlight(), 0) << "no ring without focus";
    QTest::keyClick(ZoneCombo(), Qt::Key_Tab);
    ASSERT_TRUE(map->hasFocus()) << "reached by Tab";
    EXPECT_EQ(borderInHighlight(), 4);
    // Its arrow keys still choose zones.
    QTest::keyClick(map, Qt::Key_Right);
    EXPECT_EQ(ZoneCombo()->currentIndex(), 1);
    editor->reject();
}

// Also run at 2x: the shade covers the same places on the denser screen.
TEST_F(WorldMap, TheNightSideIsShadedAtNowAndMovesWithEachMinuteWhileShown) {
    ClockEditor compiled(state);
    auto* map = Part<WorldMapView>(compiled, "worldMap");
    EXPECT_EQ(map->nightInstant(), clock.NowUtc());
    EXPECT_FALSE(map->followsMinutes()) << "no timer while hidden";

    // 50 ms before a new minute: the map follows the clock into it.
    clock.SetUtc(clock.NowUtc() + std::chrono::minutes(5) - std::chrono::milliseconds(50));
    const Instant early = clock.NowUtc();
    compiled.show();
    EXPECT_TRUE(map->followsMinutes());
    EXPECT_EQ(map->nightInstant(), early) << "shaded afresh on showing";
    clock.SetUtc(early + std::chrono::milliseconds(70));
    const Instant next = clock.NowUtc();
    QDeadlineTimer deadline(5000);
    while (map->nightInstant() != next && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
    EXPECT_EQ(map->nightInstant(), next);

    // At 11:05 UTC in July the sun stands over about 16°W: the antipode is dark, the sun's own
    // longitude untouched.
    const QImage shot =
        map->grab(map->contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
    const qreal ratio = map->devicePixelRatioF();
    const SunPosition sun = SunAt(next);
    const auto shotAt = [&](double longitude) {
        const QPointF at = *MapPointOf(0.0, longitude, map->picture().size());
        return QColor(shot.pixel((at * ratio).toPoint()));
    };
    const auto pictureAt = [&](double longitude) {
        return QColor(
            map->picture().pixel(MapPointOf(0.0, longitude, map->picture().size())->toPoint()));
    };
    const double midnight = sun.subsolarLongitude + (sun.subsolarLongitude < 0 ? 180.0 : -180.0);
    EXPECT_LT(shotAt(midnight).value(), pictureAt(midnight).value() * 3 / 4);
    EXPECT_GT(shotAt(midnight).value(), pictureAt(midnight).value() / 4) << "still readable";
    if (ratio == 1.0) {
        EXPECT_EQ(shotAt(sun.subsolarLongitude), pictureAt(sun.subsolarLongitude));
    }

    compiled.hide();
    EXPECT_FALSE(map->followsMinutes());
}

}  // namespace
}  // namespace horavia::testing
