#include "ui/main/screen_watch.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace horavia {

ScreenWatch::ScreenWatch(QWidget& window) : QObject(&window), window_(window) {
    for (QScreen* screen : QGuiApplication::screens()) watchScreen(screen);
    connect(qGuiApp, &QGuiApplication::screenAdded, this, &ScreenWatch::watchScreen);
    window_.installEventFilter(this);
}

void ScreenWatch::watchScreen(QScreen* screen) {
    // Every screen is watched: the window may go to any of them. Only its own counts.
    connect(screen, &QScreen::availableGeometryChanged, this, [this, screen](const QRect& area) {
        if (window_.screen() == screen) emit workAreaChanged(area);
    });
}

bool ScreenWatch::eventFilter(QObject* watched, QEvent* event) {
    // The native window, which knows its screen, exists from the first show on.
    if (watched == &window_ && event->type() == QEvent::Show && !handleWatched_) {
        if (QWindow* handle = window_.windowHandle()) {
            handleWatched_ = true;
            connect(handle, &QWindow::screenChanged, this, [this](QScreen* screen) {
                if (screen != nullptr) emit workAreaChanged(screen->availableGeometry());
            });
        }
    }
    return false;
}

}  // namespace horavia
