// The program's icon (a clock face), compiled in at the sizes desktops ask for.
#pragma once

#include <QIcon>

namespace horavia {

// Registers the compiled-in resources (icons, help page); safe to call more than once.
void EnsureProgramResources();

QIcon ProgramIcon();

}  // namespace horavia
