// The converter's map strip: the world map with its night side at the converter's moment and
// the two chosen zones highlighted. It keeps the map's shape, is never larger than the map's own
// size and shrinks with the window's width; nothing on it is picked.
#pragma once

#include <QImage>
#include <QVector>
#include <QWidget>
#include <optional>

#include "model/instant.h"
#include "ui/editor/night_shade.h"

namespace horavia {

struct ZoneCatalogue;

// The colour table of a map that highlights two zones as the editor highlights one: the first
// zone's areas, then the second's over them. A zone not in the catalogue adds nothing.
QVector<QRgb> MapColourTableForTwo(const ZoneCatalogue& catalogue, int first, int second);

class MapStrip : public QWidget {
    Q_OBJECT

  public:
    explicit MapStrip(QWidget* parent = nullptr);

    // A picture that is not 8-bit indexed is not shown.
    void setPicture(QImage picture);
    const QImage& picture() const { return picture_; }
    void setColourTable(const QVector<QRgb>& table);
    // The instant of the night side; empty: no shading.
    void setNight(std::optional<Instant> at);
    std::optional<Instant> night() const { return night_; }

    // Where the map is drawn inside the strip (logical pixels): the widest rectangle of the
    // map's shape that fits, no larger than the map itself, centred.
    QRectF mapRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage picture_;
    QImage scaled_;  // the coloured picture at the drawn size in device pixels
    std::optional<Instant> night_;
    NightShadeCache shade_;
};

}  // namespace horavia
