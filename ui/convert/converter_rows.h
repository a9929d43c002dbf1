// The converter's two rows (zone list and time, source and target) arranged side by side as
// columns, or, where the screen is too narrow for that, each time below its zone list.
#pragma once

#include <QGridLayout>

class QWidget;

namespace horavia {

struct ConverterControls {
    QWidget* fromSearch;
    QWidget* fromCaption;
    QWidget* fromZone;
    QWidget* fromTime;
    QWidget* equals;
    QWidget* toSearch;
    QWidget* toCaption;
    QWidget* toZone;
    QWidget* toTime;
    QWidget* swap;
    QWidget* mapCheck;
    QWidget* mapStrip;
};

// The zone lists are wide enough for this many characters of a zone's name; stacked on a
// screen too narrow even for that, they give up characters down to the least (the whole name
// is in the tooltip and the open list).
constexpr int kZoneListChars = 44;
constexpr int kLeastZoneListChars = 20;
int StackedZoneListChars(int excessWidth, int charWidth);

// Whether the rows stack: when the window, laid out side by side and with its frame, is wider
// than the screen's work area.
bool ConverterRowsStack(int sideBySideWidth, int frameWidth, int availableWidth);

// The least width of the window's inside with the rows side by side, as `grid` (its margins
// and spacing) would lay them out.
int SideBySideWidth(const QGridLayout& grid, const ConverterControls& c);

// Puts the controls into `grid`, which must be empty: side by side, the source's zone list and
// time on one line and the target's on the next, each zone list with its place search above it
// and the swap picture beside all; stacked, each time below its zone list.
void ArrangeConverterRows(QGridLayout& grid, const ConverterControls& c, bool stacked);

}  // namespace horavia
