#include "ui/main/tab_order.h"

#include <QWidget>

namespace horavia {

void ChainTabOrder(std::initializer_list<QWidget*> controls) {
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (control == nullptr) continue;
        if (previous != nullptr) QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

}  // namespace horavia
