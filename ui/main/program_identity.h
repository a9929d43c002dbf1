// How the program names itself to the desktop, so task switchers, window rules and tray hosts
// show the right name and icon.
#pragma once

namespace horavia {

inline constexpr const char* kProgramName = "Horavia";      // window class, tray item
inline constexpr const char* kDesktopFileName = "horavia";  // horavia.desktop

// Sets the application name (which Qt also uses as the display name, the window class and the
// tray item's id and title), the desktop file name and the window icon. Call it after the
// application object exists and before the first window is created.
void IdentifyProgram();

}  // namespace horavia
