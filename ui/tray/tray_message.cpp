#include "ui/tray/tray_message.h"

namespace horavia {

int TrayMessageOf(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
        case QSystemTrayIcon::Trigger:
            return kTrayLeftButtonUp;
        case QSystemTrayIcon::DoubleClick:
            return kTrayLeftDoubleClick;
        case QSystemTrayIcon::Context:
            return kTrayRightButtonUp;
        case QSystemTrayIcon::MiddleClick:
        case QSystemTrayIcon::Unknown:
            break;
    }
    return 0;
}

TrayCommand DecodeTrayMessage(int message, bool singleClick) {
    switch (message) {
        case kTrayLeftButtonUp:
            return singleClick ? TrayCommand::ShowHide : TrayCommand::ForceForeground;
        case kTrayLeftDoubleClick:
            return singleClick ? TrayCommand::None : TrayCommand::ShowHide;
        case kTrayRightButtonUp:
            return TrayCommand::PopupMenu;
        default:
            return TrayCommand::None;
    }
}

}  // namespace horavia

namespace horavia {

int TrayClicks::MessageFor(QSystemTrayIcon::ActivationReason reason, qint64 nowMs, int intervalMs) {
    const int message = TrayMessageOf(reason);
    if (message != kTrayLeftButtonUp) {
        // A double click reported by the platform, or another button: no pair is pending.
        firstClickMs_.reset();
        return message;
    }
    if (firstClickMs_ && nowMs - *firstClickMs_ < intervalMs) {
        firstClickMs_.reset();  // a third click starts a new pair
        return kTrayLeftDoubleClick;
    }
    firstClickMs_ = nowMs;
    return kTrayLeftButtonUp;
}

}  // namespace horavia
