#include "ui/tray/tray_activation.h"

namespace horavia {

TrayCommand TrayCommandFor(QSystemTrayIcon::ActivationReason reason, bool singleClick) {
    switch (reason) {
        case QSystemTrayIcon::Trigger:
            return singleClick ? TrayCommand::ShowHide : TrayCommand::ForceForeground;
        case QSystemTrayIcon::DoubleClick:
            return singleClick ? TrayCommand::None : TrayCommand::ShowHide;
        case QSystemTrayIcon::Context:
            return TrayCommand::PopupMenu;
        case QSystemTrayIcon::MiddleClick:
        case QSystemTrayIcon::Unknown:
            break;
    }
    return TrayCommand::None;
}

QSystemTrayIcon::ActivationReason TrayClicks::Recognise(QSystemTrayIcon::ActivationReason reason,
                                                        qint64 nowMs, int intervalMs) {
    if (reason != QSystemTrayIcon::Trigger) {
        // A double click reported by the platform, or another button: no pair is pending.
        firstClickMs_.reset();
        return reason;
    }
    if (firstClickMs_ && nowMs - *firstClickMs_ < intervalMs) {
        firstClickMs_.reset();  // a third click starts a new pair
        return QSystemTrayIcon::DoubleClick;
    }
    firstClickMs_ = nowMs;
    return QSystemTrayIcon::Trigger;
}

}  // namespace horavia
