#include "ui/convert/map_strip.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

#include "ui/editor/map_colours.h"

namespace horavia {

namespace {

constexpr int kSmallestWidth = 178;  // half the map: its areas still tell apart

bool IsHighlight(QRgb colour) {
    return colour == kSelectedMainArea || colour == kSelectedSeaArea;
}

}  // namespace

QVector<QRgb> MapColourTableForTwo(const ZoneCatalogue& catalogue, int first, int second) {
    QVector<QRgb> table = MapColourTable(catalogue, first);
    const QVector<QRgb> over = MapColourTable(catalogue, second);
    for (qsizetype k = 0; k < table.size() && k < over.size(); ++k) {
        if (IsHighlight(over[k])) table[k] = over[k];
    }
    return table;
}

MapStrip::MapStrip(QWidget* parent) : QWidget(parent) {
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setAccessibleName(tr("World map"));
}

void MapStrip::setPicture(QImage picture) {
    if (picture.format() != QImage::Format_Indexed8) picture = QImage();
    picture_ = std::move(picture);
    scaled_ = QImage();
    updateGeometry();
    update();
}

void MapStrip::setColourTable(const QVector<QRgb>& table) {
    if (picture_.isNull() || picture_.colorTable() == table) return;
    picture_.setColorTable(table);
    scaled_ = QImage();
    update();
}

void MapStrip::setNight(std::optional<Instant> at) {
    if (night_ == at) return;
    night_ = at;
    update();
}

int MapStrip::heightForWidth(int width) const {
    if (picture_.isNull()) return 0;
    const int shown = std::min(width, picture_.width());
    return static_cast<int>(
        std::ceil(static_cast<double>(shown) * picture_.height() / picture_.width()));
}

QSize MapStrip::sizeHint() const {
    return picture_.isNull() ? QSize(0, 0) : picture_.size();
}

QSize MapStrip::minimumSizeHint() const {
    if (picture_.isNull()) return {0, 0};
    const int width = std::min(kSmallestWidth, picture_.width());
    return {width, heightForWidth(width)};
}

QRectF MapStrip::mapRect() const {
    if (picture_.isNull() || width() <= 0 || height() <= 0) return {};
    const double scale = std::min({1.0, static_cast<double>(width()) / picture_.width(),
                                   static_cast<double>(height()) / picture_.height()});
    const QSizeF size(picture_.width() * scale, picture_.height() * scale);
    return {QPointF((width() - size.width()) / 2.0, (height() - size.height()) / 2.0), size};
}

void MapStrip::paintEvent(QPaintEvent*) {
    const QRectF target = mapRect();
    if (target.isEmpty()) return;
    QPainter painter(this);
    const qreal ratio = painter.device()->devicePixelRatioF();
    const QSize devicePixels(static_cast<int>(std::ceil(target.width() * ratio)),
                             static_cast<int>(std::ceil(target.height() * ratio)));
    if (scaled_.size() != devicePixels) {
        // Filtered in colour: area numbers must never be blended, the colours may.
        scaled_ = picture_.convertToFormat(QImage::Format_RGB32)
                      .scaled(devicePixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    painter.drawImage(target, scaled_);
    if (night_) shade_.draw(painter, target, *night_);
}

}  // namespace horavia
