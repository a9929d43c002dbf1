#include "ui/main/named_combo_accessible.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

namespace horavia {

NamedComboAccessible::NamedComboAccessible(QComboBox* combo)
    : QAccessibleWidget(combo, QAccessible::ComboBox) {
    addControllingSignal(QStringLiteral("activated(int)"));
}

QComboBox* NamedComboAccessible::combo() const {
    return static_cast<QComboBox*>(object());
}

QString NamedComboAccessible::text(QAccessible::Text t) const {
    switch (t) {
        case QAccessible::Name:
            return combo()->accessibleName();
        case QAccessible::Value:
            return combo()->isEditable() ? combo()->lineEdit()->text() : combo()->currentText();
        default:
            return QAccessibleWidget::text(t);
    }
}

QAccessible::State NamedComboAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.expandable = true;
    s.expanded = combo()->view() != nullptr && combo()->view()->isVisible();
    s.collapsed = !s.expanded;
    s.editable = combo()->isEditable();
    return s;
}

// The open list first, then the typing field of an editable box, as Qt's own interface has it.
int NamedComboAccessible::childCount() const {
    return combo()->isEditable() ? 2 : 1;
}

QAccessibleInterface* NamedComboAccessible::child(int index) const {
    if (index == 0) return QAccessible::queryAccessibleInterface(combo()->view());
    if (index == 1 && combo()->isEditable()) {
        return QAccessible::queryAccessibleInterface(combo()->lineEdit());
    }
    return nullptr;
}

int NamedComboAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (child == nullptr) return -1;
    if (child->object() == combo()->view()) return 0;
    if (combo()->isEditable() && child->object() == combo()->lineEdit()) return 1;
    return -1;
}

QAccessibleInterface* NamedComboAccessible::focusChild() const {
    // An editable box passes its focus on to its typing field.
    return combo()->isEditable() ? child(1) : nullptr;
}

QStringList NamedComboAccessible::actionNames() const {
    return {showMenuAction(), pressAction()};
}

void NamedComboAccessible::doAction(const QString& actionName) {
    if (actionName != showMenuAction() && actionName != pressAction()) return;
    if (combo()->view() != nullptr && combo()->view()->isVisible()) {
        combo()->hidePopup();
    } else {
        combo()->showPopup();
    }
}

}  // namespace horavia
