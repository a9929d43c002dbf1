// The night side of the map, checked pixel by pixel on the shade of the whole map at 1x.
#include "ui/editor/night_shade.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ui/editor/map_colours.h"

namespace horavia {
namespace {

const QSize kMap(356, 184);

Instant At(std::int64_t unixSeconds) {
    return InstantFromUnixMs(unixSeconds * 1000);
}
const Instant kMarchEquinox = At(1'774'017'960);      // 2026-03-20 14:46 UTC
const Instant kJuneSolstice = At(1'782'030'240);      // 2026-06-21 08:24 UTC
const Instant kDecemberSolstice = At(1'797'886'200);  // 2026-12-21 20:50 UTC

// The shade's opacity at the pixel holding a place, `fromNoon` degrees east of the sub-solar
// longitude.
int AlphaAt(const QImage& shade, const SunPosition& sun, double latitude, double fromNoon) {
    double longitude = std::remainder(sun.subsolarLongitude + fromNoon, 360.0);
    const int x =
        std::min(shade.width() - 1,
                 static_cast<int>(std::floor((longitude + 180.0) * shade.width() / 360.0)));
    const int y = static_cast<int>(
        std::floor((kMapNorth - latitude) * shade.height() / (kMapNorth - kMapSouth)));
    return qAlpha(shade.pixel(x, y));
}

TEST(NightShade, EquinoxLightsTheHalfAroundTheSubsolarLongitude) {
    const SunPosition sun = SunAt(kMarchEquinox);
    ASSERT_NEAR(sun.declination, 0.0, 0.05);
    const QImage shade = NightShade(kMap, sun);
    ASSERT_EQ(shade.format(), QImage::Format_ARGB32_Premultiplied);
    const int edge = NightShadeAlpha(kSunriseElevation - 1.0);
    struct Case {
        double fromNoon;
        int lowest;
        int highest;
    };
    for (const Case& c : {Case{0, 0, 0}, Case{60, 0, 0}, Case{-60, 0, 0}, Case{90, 0, edge},
                          Case{-90, 0, edge}, Case{100, edge, kNightShadeAlpha - 1},
                          Case{-100, edge, kNightShadeAlpha - 1}, Case{120, kNightShadeAlpha, 255},
                          Case{-120, kNightShadeAlpha, 255}, Case{180, kNightShadeAlpha, 255}}) {
        const int alpha = AlphaAt(shade, sun, 0.0, c.fromNoon);
        EXPECT_GE(alpha, c.lowest) << c.fromNoon;
        EXPECT_LE(alpha, c.highest) << c.fromNoon;
    }
    // Through the twilight band the darkness only grows, on the evening side and the morning side.
    for (const double side : {1.0, -1.0}) {
        int before = 0;
        for (double away = 0; away <= 180; away += 1.0) {
            const int alpha = AlphaAt(shade, sun, 0.0, side * away);
            EXPECT_GE(alpha, before) << side * away;
            before = alpha;
        }
    }
}

TEST(NightShade, SolsticesLightOnePoleAndDarkenTheOther) {
    struct Case {
        const char* name;
        Instant t;
        bool northernSummer;
    };
    for (const Case& c :
         {Case{"June", kJuneSolstice, true}, Case{"December", kDecemberSolstice, false}}) {
        const SunPosition sun = SunAt(c.t);
        const QImage shade = NightShade(kMap, sun);
        // Rows north of 70°: lit at every longitude in June, dark at every one in December.
        const int polarRows =
            static_cast<int>((kMapNorth - 70.0) * kMap.height() / (kMapNorth - kMapSouth));
        for (int y = 0; y < polarRows; ++y) {
            for (int x = 0; x < kMap.width(); ++x) {
                const int alpha = qAlpha(shade.pixel(x, y));
                if (c.northernSummer) {
                    ASSERT_EQ(alpha, 0) << c.name << " " << x << "," << y;
                } else {
                    ASSERT_GT(alpha, 0) << c.name << " " << x << "," << y;
                }
            }
        }
        // The bottom row (near 60°S) is lit at noon and darker at midnight: full night in
        // southern winter, still twilight in its summer.
        const double bottom = kMapSouth + 0.5;
        EXPECT_EQ(AlphaAt(shade, sun, bottom, 0.0), 0) << c.name;
        const int midnight = AlphaAt(shade, sun, bottom, 180.0);
        if (c.northernSummer) {
            EXPECT_EQ(midnight, kNightShadeAlpha) << c.name;
        } else {
            EXPECT_GT(midnight, 0) << c.name;
            EXPECT_LT(midnight, kNightShadeAlpha) << c.name;
        }
    }
}

TEST(NightShade, TwilightDarkensStepByStepAndNightKeepsTheColoursApart) {
    struct Case {
        double elevation;
        int lowest;
        int highest;
    };
    int before = 0;
    for (const Case& c : {Case{10, 0, 0}, Case{-0.8, 0, 0}, Case{-0.9, 1, kNightShadeAlpha / 2},
                          Case{-6.5, kNightShadeAlpha / 2, kNightShadeAlpha - 1},
                          Case{-12.5, kNightShadeAlpha / 2, kNightShadeAlpha - 1},
                          Case{-18.5, kNightShadeAlpha, kNightShadeAlpha},
                          Case{-90, kNightShadeAlpha, kNightShadeAlpha}}) {
        const int alpha = NightShadeAlpha(c.elevation);
        EXPECT_GE(alpha, c.lowest) << c.elevation;
        EXPECT_LE(alpha, c.highest) << c.elevation;
        EXPECT_GE(alpha, before) << c.elevation;
        before = alpha;
    }
    // In full night the chosen zone's colours still stand out from the other areas'.
    const auto darkened = [](QRgb colour) {
        const int keep = 255 - kNightShadeAlpha;
        return qRgb(qRed(colour) * keep / 255, qGreen(colour) * keep / 255,
                    qBlue(colour) * keep / 255);
    };
    const auto distance = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
               std::abs(qBlue(a) - qBlue(b));
    };
    for (const auto& [chosen, other] :
         {std::pair{kSelectedMainArea, kOtherMainArea}, std::pair{kSelectedSeaArea, kOtherArea},
          std::pair{kOtherMainArea, kOtherArea}}) {
        EXPECT_GE(distance(darkened(chosen), darkened(other)), 40) << std::hex << chosen;
    }
}

}  // namespace
}  // namespace horavia
