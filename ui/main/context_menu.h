// Opening a context menu the way its opening asked for: from the keyboard (the Menu key or
// Shift+F10) the first enabled item is highlighted, so Return triggers it and the arrow keys
// start from it; from the mouse nothing is highlighted until the pointer moves over an item.
#pragma once

#include <QContextMenuEvent>

class QAction;
class QMenu;
class QPoint;

namespace horavia {

// The first item that can be triggered: visible, enabled, not a separator; null when none.
QAction* FirstEnabledAction(const QMenu& menu);

// Shows `menu` at `globalPos` without waiting for it.
void PopUpContextMenu(QMenu& menu, const QPoint& globalPos, QContextMenuEvent::Reason reason);

}  // namespace horavia
