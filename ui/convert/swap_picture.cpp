#include "ui/convert/swap_picture.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace horavia {

namespace {

constexpr int kWidth = 20;
constexpr int kHeight = 28;

}  // namespace

SwapPicture::SwapPicture(QWidget* parent) : QAbstractButton(parent) {
    setCursor(Qt::PointingHandCursor);
    //: Exchanges the two zones.
    setToolTip(tr("Swap"));
    setAccessibleName(tr("Swap zones"));
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize SwapPicture::sizeHint() const {
    return {kWidth, kHeight};
}

void SwapPicture::paintEvent(QPaintEvent*) {
    // Drawn as lines at every showing rather than kept as a picture, so that the arrows are as
    // sharp as the screen's pixels allow at any scale.
    QPainter painter(this);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate((width() - kWidth) / 2.0, (height() - kHeight) / 2.0);
    painter.setPen(
        QPen(palette().color(QPalette::WindowText), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // Up arrow on the left, down arrow on the right.
    painter.drawLine(QPointF(6, 25), QPointF(6, 4));
    painter.drawPolyline(QPolygonF({QPointF(2, 9), QPointF(6, 4), QPointF(10, 9)}));
    painter.drawLine(QPointF(14, 3), QPointF(14, 24));
    painter.drawPolyline(QPolygonF({QPointF(10, 19), QPointF(14, 24), QPointF(18, 19)}));
}

}  // namespace horavia
