// The night side of the world map: a picture laid over the map that darkens where the sun is
// down, with a crisp edge at sunrise elevation and darkness that grows through the civil,
// nautical and astronomical twilights to full night. The lit side is left untouched.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSize>

#include "model/instant.h"
#include "model/solar.h"

namespace horavia {

// The map's crop: equirectangular, 180°W..180°E across, 84°N (top edge) to 60°S (bottom edge).
inline constexpr double kMapNorth = 84.0;
inline constexpr double kMapSouth = -60.0;

// The shade's opacity (0..255) where the sun stands `elevation` degrees above the horizon: 0 on
// the lit side, kNightShadeAlpha in full night. Full night stays half transparent so that the
// area colours, and the chosen zone's highlight, still read on the night side.
inline constexpr int kNightShadeAlpha = 128;
int NightShadeAlpha(double elevation);

// The shade of a map covering `devicePixels` while the sun stands at `sun`: black in
// ARGB32_Premultiplied, one value per device pixel (each pixel's centre), so it stays crisp on
// screens with more device pixels than logical ones. Null for an empty size.
QImage NightShade(QSize devicePixels, const SunPosition& sun);

// Made again only when the size or the instant changed: the map repaints far more often than
// the sun moves.
class NightShadeCache {
  public:
    const QImage& shadeAt(QSize devicePixels, Instant t);
    // Lays the shade at `t` over a map drawn into `target` (logical pixels) on `painter`.
    void draw(QPainter& painter, const QRectF& target, Instant t);

  private:
    QImage shade_;
    Instant at_{};
};

}  // namespace horavia
