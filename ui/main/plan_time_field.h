// The small field in which the user types a time for one clock, to plan for it. It stays open
// (non-modal) until the window takes the time or the user cancels; what cannot be planned is
// said in the field itself.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace horavia {

class PlanTimeField : public QDialog {
    Q_OBJECT

  public:
    // label: the clock's; start: what the user typed to open the field (a digit), if anything.
    PlanTimeField(QWidget* parent, const QString& label, const QString& start);

    QString text() const;
    void setText(const QString& text);
    // Says why the text was not taken; the field stays open for another try.
    void refuse(const QString& why);
    QString refusal() const;

    // Enter or OK asks the window to take the text instead of closing the field.
    void accept() override;
    // A dialog shown focuses its field as if tabbed into, which selects the typed digit: the
    // next one would replace it.
    void setVisible(bool visible) override;

  signals:
    void submitted(const QString& text);

  private:
    QLineEdit* edit_ = nullptr;
    QLabel* refusal_ = nullptr;
};

}  // namespace horavia
