#include "ui/editor/world_map_view.h"

#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>
#include <utility>

#include "ui/editor/minute_ticker.h"

// The resource initialiser must be called from outside any namespace.
static void InitMapResources() {
    Q_INIT_RESOURCE(resources);
}

namespace horavia {

QImage LoadWorldMapPicture() {
    InitMapResources();
    QFile file(QStringLiteral(":/worldmap.bmp"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QImage picture = QImage::fromData(file.readAll(), "BMP");
    return picture.format() == QImage::Format_Indexed8 ? picture : QImage();
}

std::optional<QPointF> MapPointOf(double latitude, double longitude, QSize size) {
    constexpr double kNorth = 84.0;
    constexpr double kSouth = -60.0;
    if (latitude > kNorth || latitude < kSouth || longitude < -180.0 || longitude > 180.0) {
        return std::nullopt;
    }
    return QPointF((longitude + 180.0) * size.width() / 360.0,
                   (kNorth - latitude) * size.height() / (kNorth - kSouth));
}

WorldMapView::WorldMapView(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    // Reached by Tab too: its arrow keys choose zones.
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("World map"));
}

void WorldMapView::setPicture(QImage picture) {
    // Recolouring works on the colour table, so only an indexed picture will do.
    if (picture.format() != QImage::Format_Indexed8) picture = QImage();
    picture_ = std::move(picture);
    scaled_ = QImage();
    updateGeometry();  // the view is as large as its picture
    update();
}

void WorldMapView::setColourTable(const QVector<QRgb>& table) {
    if (picture_.isNull()) return;
    picture_.setColorTable(table);
    scaled_ = QImage();
    update();
}

void WorldMapView::setMarker(std::optional<QPointF> at) {
    marker_ = at;
    update();
}

void WorldMapView::setNightClock(ClockSource* clock) {
    delete minuteTicker_;
    minuteTicker_ = nullptr;
    nightClock_ = clock;
    if (nightClock_ != nullptr) {
        minuteTicker_ = new MinuteTicker(*nightClock_, this);
        connect(minuteTicker_, &MinuteTicker::minuteBegan, this, &WorldMapView::shadeNow);
        if (isVisible()) minuteTicker_->start();
    }
    shadeNow();
}

bool WorldMapView::followsMinutes() const {
    return minuteTicker_ != nullptr && minuteTicker_->isActive();
}

void WorldMapView::shadeNow() {
    night_ = nightClock_ != nullptr ? std::optional<Instant>(nightClock_->NowUtc()) : std::nullopt;
    update();
}

void WorldMapView::showEvent(QShowEvent* event) {
    QFrame::showEvent(event);
    if (minuteTicker_ == nullptr) return;
    // The night side moved while nobody saw it.
    shadeNow();
    minuteTicker_->start();
}

void WorldMapView::hideEvent(QHideEvent* event) {
    QFrame::hideEvent(event);
    if (minuteTicker_ != nullptr) minuteTicker_->stop();
}

QSize WorldMapView::sizeHint() const {
    const int border = 2 * frameWidth();
    return picture_.size() + QSize(border, border);
}

QSize WorldMapView::minimumSizeHint() const {
    return sizeHint();
}

const QImage& WorldMapView::scaledPicture(qreal ratio) {
    const QSize size(static_cast<int>(std::ceil(picture_.width() * ratio)),
                     static_cast<int>(std::ceil(picture_.height() * ratio)));
    if (scaled_.size() != size) {
        // Filtered in colour: area numbers must never be blended, the colours may.
        scaled_ = picture_.convertToFormat(QImage::Format_RGB32)
                      .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        scaled_.setDevicePixelRatio(ratio);
    }
    return scaled_;
}

void WorldMapView::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    // With the keyboard's focus the border is drawn in the highlight colour, as wide as the
    // border itself: the style's dotted focus frame shows only after keyboard use the style
    // saw, and would hide the map's edge.
    if (hasFocus() && frameWidth() > 0) {
        const qreal width = frameWidth();
        painter.setPen(QPen(palette().color(QPalette::Highlight), width, Qt::SolidLine,
                            Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(width / 2, width / 2, -width / 2, -width / 2));
    }
    if (picture_.isNull()) return;
    painter.setClipRect(contentsRect());
    // One device pixel per picture pixel would shrink the map on high-resolution screens;
    // the picture is drawn at its size in logical pixels.
    const qreal ratio = painter.device()->devicePixelRatioF();
    if (ratio <= 1.0) {
        painter.drawImage(contentsRect().topLeft(), picture_);
    } else {
        painter.drawImage(QRectF(contentsRect().topLeft(), QSizeF(picture_.size())),
                          scaledPicture(ratio));
    }
    if (night_)
        shade_.draw(painter, QRectF(contentsRect().topLeft(), QSizeF(picture_.size())), *night_);
    if (marker_) {
        // A dark ring round a bright dot reads on land, sea and the chosen zone's colour alike.
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 1.5));
        painter.setBrush(QColor(255, 220, 0));
        painter.drawEllipse(QPointF(contentsRect().topLeft()) + *marker_, 3.5, 3.5);
    }
}

void WorldMapView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            emit stepRequested(-1);
            return;
        case Qt::Key_Right:
        case Qt::Key_Down:
            emit stepRequested(+1);
            return;
        default:
            QFrame::keyPressEvent(event);
    }
}

void WorldMapView::mousePressEvent(QMouseEvent* event) {
    // A pointer between pixels lies in the pixel to its left and above, never the next one.
    const QPointF at = event->position() - QPointF(contentsRect().topLeft());
    emit pixelPressed(
        QPoint(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y()))));
}

}  // namespace horavia
