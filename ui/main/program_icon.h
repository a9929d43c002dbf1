// The program's icon (a clock face), compiled in at the sizes desktops ask for.
#pragma once

#include <QIcon>
#include <QString>

namespace horavia {

// Registers the compiled-in resources (help page, map, zone table); safe to call more than
// once.
void EnsureProgramResources();

// A compiled-in icon at every size it was drawn in (resources/icons/NAME-SIZE.png). Its pixels
// are compiled in as they are drawn: nothing is decoded.
QIcon CompiledIcon(const QString& name);

QIcon ProgramIcon();

}  // namespace horavia
