// A combo box as screen readers see it, named by its accessible name. On Linux Qt's own combo
// box interface gives its current text as its name, so "Sort timezones by" would be read as
// "Name" and a list with nothing chosen would have no name at all.
#pragma once

#include <QAccessibleWidget>

class QComboBox;

namespace horavia {

class NamedComboAccessible : public QAccessibleWidget {
  public:
    explicit NamedComboAccessible(QComboBox* combo);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* focusChild() const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

  private:
    QComboBox* combo() const;
};

}  // namespace horavia
