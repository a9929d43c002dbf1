// The program's icon (a clock face), compiled in at the sizes desktops ask for.
#pragma once

#include <QIcon>
#include <QString>

namespace horavia {

// Registers the compiled-in resources (help page, map, zone table); safe to call more than
// once.
void EnsureProgramResources();

// A compiled-in icon at every size it was drawn in (resources/icons/NAME-SIZE.png) up to
// `largest` pixels. Its pixels are compiled in as they are drawn: nothing is decoded.
QIcon CompiledIcon(const QString& name, int largest = 1 << 16);

QIcon ProgramIcon();
// The program's icon at the sizes a title bar shows (up to 48 pixels, a title bar at twice the
// usual scale): for the clock window, a tool window that no task bar or window switcher lists,
// whose every size the window system is sent when the window is made.
QIcon TitleBarIcon();

}  // namespace horavia
