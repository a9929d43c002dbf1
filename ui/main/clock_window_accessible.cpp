#include "ui/main/clock_window_accessible.h"

#include <QWindow>
#include <algorithm>

#include "ui/main/clock_window.h"

namespace horavia {

ClockWindowAccessible::ClockWindowAccessible(ClockWindow* window)
    : QAccessibleWidget(window, QAccessible::Window) {}

ClockWindowAccessible::~ClockWindowAccessible() {
    for (QAccessibleInterface* row : rows_) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(row));
    }
}

ClockWindow* ClockWindowAccessible::clockWindow() const {
    return static_cast<ClockWindow*>(widget());
}

int ClockWindowAccessible::childCount() const {
    return clockWindow()->rowCount();
}

QAccessibleInterface* ClockWindowAccessible::child(int index) const {
    if (index < 0 || index >= childCount()) return nullptr;
    while (static_cast<int>(rows_.size()) <= index) {
        auto* row = new ClockRowAccessible(clockWindow(), static_cast<int>(rows_.size()));
        QAccessible::registerAccessibleInterface(row);  // the cache owns it from here
        rows_.push_back(row);
    }
    return rows_[static_cast<std::size_t>(index)];
}

int ClockWindowAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto found = std::find(rows_.begin(), rows_.end(), child);
    if (found == rows_.end()) return -1;
    const int index = static_cast<int>(found - rows_.begin());
    return index < childCount() ? index : -1;
}

QAccessibleInterface* ClockWindowAccessible::childAt(int x, int y) const {
    for (int i = 0; i < childCount(); ++i) {
        QAccessibleInterface* row = child(i);
        if (row->rect().contains(x, y)) return row;
    }
    return nullptr;
}

ClockRowAccessible::ClockRowAccessible(ClockWindow* window, int row) : window_(window), row_(row) {}

bool ClockRowAccessible::isValid() const {
    return window_ != nullptr && row_ < window_->rowCount();
}

QWindow* ClockRowAccessible::window() const {
    return window_ != nullptr ? window_->windowHandle() : nullptr;
}

QAccessibleInterface* ClockRowAccessible::parent() const {
    return window_ != nullptr ? QAccessible::queryAccessibleInterface(window_.data()) : nullptr;
}

QString ClockRowAccessible::text(QAccessible::Text t) const {
    if (!isValid() || t != QAccessible::Name) return {};
    return window_->rowText(row_);
}

QRect ClockRowAccessible::rect() const {
    if (!isValid()) return {};
    const QRect local = window_->rowRect(row_);
    return QRect(window_->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State ClockRowAccessible::state() const {
    QAccessible::State s;
    s.readOnly = true;
    if (!isValid() || !window_->isVisible()) s.invisible = true;
    return s;
}

}  // namespace horavia
