// The program's icon (a clock face), compiled in at the sizes desktops ask for.
#pragma once

#include <QIcon>
#include <QString>
#include <initializer_list>

namespace horavia {

// Registers the compiled-in resources (icons, help page); safe to call more than once.
void EnsureProgramResources();

// An icon from compiled-in PNG files ":/icons/NAME-SIZE.png", one per size. Read as PNG
// without asking the image plugins (QIcon::addFile would load every one of them to guess).
QIcon CompiledIcon(const QString& name, std::initializer_list<int> sizes);

QIcon ProgramIcon();

}  // namespace horavia
