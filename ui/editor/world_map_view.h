// The world map in the clock editor: an indexed picture inside a sunken border, one picture
// pixel to a logical pixel. On a screen with more device pixels than logical ones the colours
// are scaled up smoothly, so coasts are not staircased; presses are still reported in picture
// pixels, 0,0 at the inner top-left corner. The night side is laid over the colours; clicks
// still read the area from the picture. With the keyboard's focus (Tab or a click) the border is
// drawn in the palette's highlight colour.
#pragma once

#include <QFrame>
#include <QImage>
#include <QPoint>
#include <QPointF>
#include <optional>

#include "model/services.h"
#include "ui/editor/night_shade.h"

namespace horavia {

class MinuteTicker;

// The map compiled into the program: 356 x 184, 8 bits per pixel, pixel values are area
// numbers. A null picture when the resource cannot be read.
QImage LoadWorldMapPicture();

// Where a place lies on a map of `size` pixels spanning 180°W..180°E and 84°N..60°S (the
// compiled-in map's crop), in picture pixels; empty for a place outside the crop.
std::optional<QPointF> MapPointOf(double latitude, double longitude, QSize size);

class WorldMapView : public QFrame {
    Q_OBJECT

  public:
    explicit WorldMapView(QWidget* parent = nullptr);

    // A picture that is not 8-bit indexed is not shown.
    void setPicture(QImage picture);
    const QImage& picture() const { return picture_; }
    // Replaces the picture's whole colour table and redraws; the pixels are not touched.
    void setColourTable(const QVector<QRgb>& table);
    // A dot marking a place (picture pixels), or none.
    void setMarker(std::optional<QPointF> at);
    std::optional<QPointF> marker() const { return marker_; }
    // Shades the night side as it is now on `clock`, drawn again at each new minute while the
    // map is shown; no clock, no shading.
    void setNightClock(ClockSource* clock);
    // The instant the night side is shaded at; empty when it is not shaded.
    std::optional<Instant> nightInstant() const { return night_; }
    bool followsMinutes() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    // Any mouse button; the pixel may lie outside the picture (on the border or past it).
    void pixelPressed(QPoint pixel);
    // An arrow key: Left and Up the zone before in the zone list, Right and Down the next.
    void stepRequested(int step);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void shadeNow();

    // The coloured picture at `ratio` device pixels per logical pixel, made when first needed.
    const QImage& scaledPicture(qreal ratio);

    QImage picture_;
    QImage scaled_;
    std::optional<QPointF> marker_;
    ClockSource* nightClock_ = nullptr;
    MinuteTicker* minuteTicker_ = nullptr;
    std::optional<Instant> night_;
    NightShadeCache shade_;
};

}  // namespace horavia
