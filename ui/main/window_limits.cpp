#include "ui/main/window_limits.h"

#include <QGuiApplication>

namespace horavia {

WindowLimits WindowLimitsOf(const QString& platformName) {
    // "wayland", "wayland-egl", "wayland-brcm", ...
    const bool wayland = platformName.startsWith(QLatin1String("wayland"));
    return {!wayland, !wayland};
}

WindowLimits CurrentWindowLimits() {
    return WindowLimitsOf(QGuiApplication::platformName());
}

}  // namespace horavia
