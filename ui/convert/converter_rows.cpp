#include "ui/convert/converter_rows.h"

#include <QWidget>
#include <QWidgetItem>
#include <algorithm>
#include <initializer_list>

namespace horavia {

namespace {

// The least width a layout gives this widget (its minimum size, or its hint's, as its size
// policy says).
int LeastWidth(QWidget* widget) {
    return QWidgetItem(widget).minimumSize().width();
}

int WidestOf(std::initializer_list<QWidget*> column) {
    int widest = 0;
    for (QWidget* w : column) {
        if (!w->isHidden()) widest = std::max(widest, LeastWidth(w));
    }
    return widest;
}

}  // namespace

int StackedZoneListChars(int excessWidth, int charWidth) {
    if (excessWidth <= 0 || charWidth <= 0) return kZoneListChars;
    const int fewer = (excessWidth + charWidth - 1) / charWidth;
    return std::max(kLeastZoneListChars, kZoneListChars - fewer);
}

bool ConverterRowsStack(int sideBySideWidth, int frameWidth, int availableWidth) {
    return sideBySideWidth + frameWidth > availableWidth;
}

int SideBySideWidth(const QGridLayout& grid, const ConverterControls& c) {
    const QMargins margins = grid.contentsMargins();
    const int columns = WidestOf({c.fromCaption, c.toCaption}) +
                        WidestOf({c.fromSearch, c.fromZone, c.toSearch, c.toZone, c.mapCheck}) +
                        WidestOf({c.fromTime, c.equals, c.toTime}) + WidestOf({c.swap}) +
                        3 * std::max(0, grid.horizontalSpacing());
    return margins.left() + margins.right() + std::max(columns, WidestOf({c.mapStrip}));
}

void ArrangeConverterRows(QGridLayout& grid, const ConverterControls& c, bool stacked) {
    grid.addWidget(c.fromSearch, 0, 1);
    grid.addWidget(c.fromCaption, 1, 0);
    grid.addWidget(c.fromZone, 1, 1);
    if (stacked) {
        grid.addWidget(c.fromTime, 2, 1, Qt::AlignLeft);
        grid.addWidget(c.equals, 3, 1, Qt::AlignLeft);
        grid.addWidget(c.toSearch, 4, 1);
        grid.addWidget(c.toCaption, 5, 0);
        grid.addWidget(c.toZone, 5, 1);
        grid.addWidget(c.toTime, 6, 1, Qt::AlignLeft);
        grid.addWidget(c.swap, 0, 2, 7, 1, Qt::AlignCenter);
        grid.addWidget(c.mapCheck, 7, 1);
        grid.addWidget(c.mapStrip, 8, 0, 1, 3, Qt::AlignHCenter);
        grid.setRowStretch(9, 1);
    } else {
        grid.addWidget(c.fromTime, 1, 2);
        grid.addWidget(c.equals, 2, 2);
        grid.addWidget(c.toSearch, 3, 1);
        grid.addWidget(c.toCaption, 4, 0);
        grid.addWidget(c.toZone, 4, 1);
        grid.addWidget(c.toTime, 4, 2);
        grid.addWidget(c.swap, 0, 3, 5, 1, Qt::AlignCenter);
        grid.addWidget(c.mapCheck, 5, 1);
        grid.addWidget(c.mapStrip, 6, 0, 1, 4, Qt::AlignHCenter);
        grid.setRowStretch(7, 1);
    }
    grid.setColumnStretch(1, 1);
    // At least as large as the font needs; wider shows longer zone names.
    grid.setSizeConstraint(QLayout::SetMinimumSize);
}

}  // namespace horavia
