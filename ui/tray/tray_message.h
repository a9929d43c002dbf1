// What a mouse action on the tray icon does, by the message number it arrives as.
#pragma once

#include <QSystemTrayIcon>
#include <QtGlobal>
#include <optional>

namespace horavia {

inline constexpr int kTrayLeftButtonUp = 0x202;
inline constexpr int kTrayLeftDoubleClick = 0x203;
inline constexpr int kTrayRightButtonUp = 0x205;

enum class TrayCommand { None, ForceForeground, ShowHide, PopupMenu };

// The icon's activations stand for the left click, the double click and the right click.
int TrayMessageOf(QSystemTrayIcon::ActivationReason reason);

// A left click brings the program forward (or, with SingleClick, shows or hides the main
// window); a double click shows or hides it unless SingleClick already did; a right click
// opens the menu.
TrayCommand DecodeTrayMessage(int message, bool singleClick);

// Notification areas that speak D-Bus report every left click as one activation and never a
// double click. Of two activations within the desktop's double-click interval the first is
// the left button's release and the second the double click, as they arrive where the
// platform reports double clicks itself (where it does, its report passes unchanged).
class TrayClicks {
  public:
    // nowMs: a steady clock; intervalMs: the desktop's double-click interval.
    int MessageFor(QSystemTrayIcon::ActivationReason reason, qint64 nowMs, int intervalMs);

  private:
    std::optional<qint64> firstClickMs_;  // a click that a second one may make a double click
};

}  // namespace horavia
