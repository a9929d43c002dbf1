#include "ui/main/accessibility.h"

#include <QAccessible>
#include <QComboBox>

#include "ui/main/clock_window.h"
#include "ui/main/clock_window_accessible.h"
#include "ui/main/named_combo_accessible.h"

namespace horavia {

namespace {

// Asked with each class name of an object, the most derived first, before Qt's own interfaces.
QAccessibleInterface* ProgramInterfaceFor(const QString& className, QObject* object) {
    if (className == QLatin1String(ClockWindow::staticMetaObject.className())) {
        return new ClockWindowAccessible(static_cast<ClockWindow*>(object));
    }
    // Only a box that was given a name: any other keeps Qt's own interface.
    if (className == QLatin1String("QComboBox")) {
        auto* combo = static_cast<QComboBox*>(object);
        if (!combo->accessibleName().isEmpty()) return new NamedComboAccessible(combo);
    }
    return nullptr;
}

}  // namespace

void InstallAccessibleInterfaces() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(&ProgramInterfaceFor);
}

}  // namespace horavia
