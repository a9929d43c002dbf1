// What a mouse action on the tray icon does, by the message number it arrives as.
#pragma once

#include <QSystemTrayIcon>

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

}  // namespace horavia
