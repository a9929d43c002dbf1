// The window's place is stored in twips (1/1440 inch) and used in pixels: the settings are
// converted where they are read and written, with the screen's logical resolution (15 twips per
// pixel at 96 dots per inch).
#pragma once

class QWidget;

namespace horavia {

inline constexpr double kTwipsPerInch = 1440.0;

// Twips per pixel for the screen the widget is on (the primary screen before it is shown).
double TwipsPerPixel(const QWidget* widget);

}  // namespace horavia
