#include "ui/main/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace horavia {

double TwipsPerPixelAt(double logicalDpi) {
    return logicalDpi > 0 ? kTwipsPerInch / logicalDpi : 15.0;
}

double TwipsPerPixel(const QWidget* widget) {
    const QScreen* screen = widget != nullptr ? widget->screen() : nullptr;
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    return TwipsPerPixelAt(screen != nullptr ? screen->logicalDotsPerInchX() : 96.0);
}

int PixelsFromTwips(double twips, double twipsPerPixel) {
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

double TwipsFromPixels(double pixels, double twipsPerPixel) {
    return pixels * twipsPerPixel;
}

void SetFixedOuterSize(QWidget& window, QSize outerPixels) {
    const QSize frame = window.frameGeometry().size() - window.geometry().size();
    const QSize client(std::max(1, outerPixels.width() - std::max(0, frame.width())),
                       std::max(1, outerPixels.height() - std::max(0, frame.height())));
    if (window.minimumSize() != client || window.maximumSize() != client) {
        window.setFixedSize(client);
    }
}

}  // namespace horavia
