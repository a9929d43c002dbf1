// Window positions are given in twips (1/1440 inch) and converted with the screen's logical
// resolution: 15 twips are one pixel at 96 dots per inch.
#pragma once

#include <QRect>
#include <cmath>

namespace horavia {

inline int TwipsToPixels(int twips, int logicalDpi) {
    return static_cast<int>(std::lround(static_cast<double>(twips) * logicalDpi / 1440.0));
}

inline QRect TwipsRect(int left, int top, int width, int height, int dpiX, int dpiY) {
    return {TwipsToPixels(left, dpiX), TwipsToPixels(top, dpiY), TwipsToPixels(width, dpiX),
            TwipsToPixels(height, dpiY)};
}

}  // namespace horavia
