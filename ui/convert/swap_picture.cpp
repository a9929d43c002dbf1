#include "ui/convert/swap_picture.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace horavia {

namespace {

// Two arrows, one up and one down, drawn in the palette's text colour.
QPixmap SwapArrows(const QColor& colour) {
    constexpr int kWidth = 20;
    constexpr int kHeight = 28;
    QPixmap pixmap(kWidth, kHeight);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // Up arrow on the left, down arrow on the right.
    painter.drawLine(QPointF(6, 25), QPointF(6, 4));
    painter.drawPolyline(QPolygonF({QPointF(2, 9), QPointF(6, 4), QPointF(10, 9)}));
    painter.drawLine(QPointF(14, 3), QPointF(14, 24));
    painter.drawPolyline(QPolygonF({QPointF(10, 19), QPointF(14, 24), QPointF(18, 19)}));
    return pixmap;
}

}  // namespace

SwapPicture::SwapPicture(QWidget* parent) : QLabel(parent) {
    setPixmap(SwapArrows(palette().color(QPalette::WindowText)));
    setCursor(Qt::PointingHandCursor);
    setToolTip(QStringLiteral("Swap"));
}

void SwapPicture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

}  // namespace horavia
