#include "ui/main/context_menu.h"

#include <QAction>
#include <QMenu>

namespace horavia {

QAction* FirstEnabledAction(const QMenu& menu) {
    for (QAction* action : menu.actions()) {
        if (action->isVisible() && action->isEnabled() && !action->isSeparator()) return action;
    }
    return nullptr;
}

void PopUpContextMenu(QMenu& menu, const QPoint& globalPos, QContextMenuEvent::Reason reason) {
    menu.popup(globalPos);
    // After popup(): showing a menu clears its highlighted item.
    if (reason == QContextMenuEvent::Keyboard) menu.setActiveAction(FirstEnabledAction(menu));
}

}  // namespace horavia
