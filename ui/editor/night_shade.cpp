#include "ui/editor/night_shade.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace horavia {

namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

// The darkness at each limit, as a share of full night: the sunset line itself is a visible
// edge, and each twilight darkens by the same step.
struct TwilightStep {
    double upper;  // elevation where the band begins (degrees)
    double lower;  // and where it ends
    double darknessAtUpper;
    double darknessAtLower;
};
constexpr std::array<TwilightStep, 3> kTwilightSteps{{
    {kSunriseElevation, kCivilTwilightElevation, 0.25, 0.5},
    {kCivilTwilightElevation, kNauticalTwilightElevation, 0.5, 0.75},
    {kNauticalTwilightElevation, kAstronomicalTwilightElevation, 0.75, 1.0},
}};

// Elevations are tabulated by their sine over the twilight band, so that a pixel costs one
// multiply-add and a table look-up: 1024 steps are finer than a pixel of a map 4000 wide.
constexpr int kTableSteps = 1024;

QRgb ShadePixel(int alpha) {
    return qRgba(0, 0, 0, alpha);  // black premultiplied is its alpha alone
}

}  // namespace

int NightShadeAlpha(double elevation) {
    if (!(elevation < kSunriseElevation)) return 0;
    double darkness = 1.0;
    for (const TwilightStep& step : kTwilightSteps) {
        if (elevation >= step.lower) {
            const double through = (step.upper - elevation) / (step.upper - step.lower);
            darkness =
                step.darknessAtUpper + through * (step.darknessAtLower - step.darknessAtUpper);
            break;
        }
    }
    return static_cast<int>(std::lround(darkness * kNightShadeAlpha));
}

QImage NightShade(QSize devicePixels, const SunPosition& sun) {
    if (devicePixels.isEmpty()) return {};
    const int width = devicePixels.width();
    const int height = devicePixels.height();
    QImage shade(devicePixels, QImage::Format_ARGB32_Premultiplied);

    // sin(elevation) = sin φ·sin δ + cos φ·cos δ·cos(λ − λs): a factor per column, two per row.
    std::vector<float> cosHourAngle(static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x) {
        const double longitude = -180.0 + (x + 0.5) * 360.0 / width;
        cosHourAngle[static_cast<std::size_t>(x)] =
            static_cast<float>(std::cos((longitude - sun.subsolarLongitude) * kRadiansPerDegree));
    }

    const double top = std::sin(kSunriseElevation * kRadiansPerDegree);
    const double bottom = std::sin(kAstronomicalTwilightElevation * kRadiansPerDegree);
    const float scale = static_cast<float>(kTableSteps / (top - bottom));
    std::array<QRgb, kTableSteps> twilight{};
    for (int i = 0; i < kTableSteps; ++i) {
        const double sine = bottom + (i + 0.5) / kTableSteps * (top - bottom);
        twilight[static_cast<std::size_t>(i)] =
            ShadePixel(NightShadeAlpha(std::asin(sine) / kRadiansPerDegree));
    }
    const QRgb lit = ShadePixel(0);
    const QRgb night = ShadePixel(kNightShadeAlpha);

    const double sinDeclination = std::sin(sun.declination * kRadiansPerDegree);
    const double cosDeclination = std::cos(sun.declination * kRadiansPerDegree);
    for (int y = 0; y < height; ++y) {
        const double latitude = kMapNorth - (y + 0.5) * (kMapNorth - kMapSouth) / height;
        const double a = std::sin(latitude * kRadiansPerDegree) * sinDeclination;
        const double b = std::cos(latitude * kRadiansPerDegree) * cosDeclination;
        auto* row = reinterpret_cast<QRgb*>(shade.scanLine(y));
        // A row wholly in day or wholly in night (polar day and night) needs no pixel's sum.
        if (a - std::fabs(b) >= top) {
            std::fill(row, row + width, lit);
            continue;
        }
        if (a + std::fabs(b) < bottom) {
            std::fill(row, row + width, night);
            continue;
        }
        // Measured from the band's lower edge, in table steps.
        const float offset = static_cast<float>((a - bottom)) * scale;
        const float slope = static_cast<float>(b) * scale;
        for (int x = 0; x < width; ++x) {
            const float step = offset + slope * cosHourAngle[static_cast<std::size_t>(x)];
            if (step >= static_cast<float>(kTableSteps)) {
                row[x] = lit;
            } else if (step < 0.0f) {
                row[x] = night;
            } else {
                row[x] = twilight[static_cast<std::size_t>(step)];
            }
        }
    }
    return shade;
}

const QImage& NightShadeCache::shadeAt(QSize devicePixels, Instant t) {
    if (shade_.size() != devicePixels || at_ != t) {
        shade_ = NightShade(devicePixels, SunAt(t));
        at_ = t;
    }
    return shade_;
}

void NightShadeCache::draw(QPainter& painter, const QRectF& target, Instant t) {
    const qreal ratio = painter.device()->devicePixelRatioF();
    const QSize devicePixels(static_cast<int>(std::ceil(target.width() * ratio)),
                             static_cast<int>(std::ceil(target.height() * ratio)));
    const QImage& shade = shadeAt(devicePixels, t);
    if (shade.isNull()) return;
    painter.drawImage(target, shade);
}

}  // namespace horavia
