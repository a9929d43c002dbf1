#include "ui/main/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace horavia {

double TwipsPerPixel(const QWidget* widget) {
    const QScreen* screen = widget != nullptr ? widget->screen() : nullptr;
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    const double dpi = screen != nullptr ? screen->logicalDotsPerInchX() : 96.0;
    return dpi > 0 ? kTwipsPerInch / dpi : 15.0;
}

}  // namespace horavia
