// The clock list's cells. In-place renaming: only the first column can be edited; the model
// judges the new text (it may refuse it, and the row keeps its old one).
// Showing: a text too long for its column ends in "..." and its tooltip shows it whole; the
// narrow on/off column clips its mark instead.
#pragma once

#include <QStyledItemDelegate>

namespace horavia {

class LabelEditDelegate : public QStyledItemDelegate {
  public:
    // `markColumn` holds the on/off mark.
    LabelEditDelegate(int markColumn, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

  private:
    int markColumn_;
};

}  // namespace horavia
