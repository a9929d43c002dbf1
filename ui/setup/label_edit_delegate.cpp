#include "ui/setup/label_edit_delegate.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QToolTip>

namespace horavia {

LabelEditDelegate::LabelEditDelegate(int markColumn, QObject* parent)
    : QStyledItemDelegate(parent), markColumn_(markColumn) {}

void LabelEditDelegate::initStyleOption(QStyleOptionViewItem* option,
                                        const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    option->textElideMode = index.column() == markColumn_ ? Qt::ElideNone : Qt::ElideRight;
}

bool LabelEditDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                  const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event == nullptr || view == nullptr || event->type() != QEvent::ToolTip) {
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    }
    const QString text = index.data(Qt::DisplayRole).toString();
    // Only a text the column cuts short has a tooltip: the cell already shows the others.
    if (index.column() != markColumn_ && sizeHint(option, index).width() > option.rect.width()) {
        QToolTip::showText(event->globalPos(), text, view->viewport(), option.rect);
    } else {
        QToolTip::hideText();
    }
    return true;
}

QWidget* LabelEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const {
    if (index.column() != 0) return nullptr;
    return QStyledItemDelegate::createEditor(parent, option, index);
}

}  // namespace horavia
