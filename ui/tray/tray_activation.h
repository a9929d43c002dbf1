// What an activation of the tray icon does, in Qt's activation reasons.
#pragma once

#include <QSystemTrayIcon>
#include <QtGlobal>
#include <optional>

namespace horavia {

enum class TrayCommand { None, ForceForeground, ShowHide, PopupMenu };

// A click (Trigger) brings the program forward, or with SingleClick shows or hides the main
// window; a double click shows or hides it unless SingleClick already did; the context click
// opens the menu. The middle button does nothing.
TrayCommand TrayCommandFor(QSystemTrayIcon::ActivationReason reason, bool singleClick);

// Notification areas that speak D-Bus report every click as one Trigger and never a
// DoubleClick. Of two Triggers within the desktop's double-click interval the first stays a
// click and the second becomes the double click, as they arrive where the platform reports
// double clicks itself (where it does, its report passes unchanged).
class TrayClicks {
  public:
    // nowMs: a steady clock; intervalMs: the desktop's double-click interval.
    QSystemTrayIcon::ActivationReason Recognise(QSystemTrayIcon::ActivationReason reason,
                                                qint64 nowMs, int intervalMs);

  private:
    std::optional<qint64> firstClickMs_;  // a click that a second one may make a double click
};

}  // namespace horavia
