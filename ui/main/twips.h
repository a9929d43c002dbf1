// Twips (1/1440 inch) and the screen's pixels: 15 twips per pixel at 96 dots per inch. The
// settings store the window's place in twips (converted where they are read and written), and
// the clock rows' and setup dialog's measures are written in them.
#pragma once

#include <QSize>

class QWidget;

namespace horavia {

inline constexpr double kTwipsPerInch = 1440.0;

// Twips per pixel for the screen the widget is on (the primary screen before it is shown).
double TwipsPerPixel(const QWidget* widget);
double TwipsPerPixelAt(double logicalDpi);

int PixelsFromTwips(double twips, double twipsPerPixel);
double TwipsFromPixels(double pixels, double twipsPerPixel);

// Gives a top-level window a fixed outer size (frame included), as far as the frame is known:
// before the window manager has framed the window the frame counts as nothing.
void SetFixedOuterSize(QWidget& window, QSize outerPixels);

}  // namespace horavia
