// The clock window as screen readers see it: a window with one text per shown clock, read as
// "Tokyo, 23:30". The window is painted, so Qt knows nothing of its rows by itself.
// The texts are read when asked for: nothing is announced at each tick, which would have a
// screen reader speak every second. While the user plans, a last text holds the planning
// line; the window announces it at each planning step.
#pragma once

#include <QAccessibleWidget>
#include <QPointer>
#include <vector>

namespace horavia {

class ClockWindow;

class ClockWindowAccessible : public QAccessibleWidget {
  public:
    explicit ClockWindowAccessible(ClockWindow* window);
    ~ClockWindowAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    ClockWindow* clockWindow() const;

  private:
    // The rows' interfaces, made when first asked for and kept while the window lives.
    mutable std::vector<QAccessibleInterface*> rows_;
};

// One clock row: its label and time, where they are drawn.
class ClockRowAccessible : public QAccessibleInterface {
  public:
    ClockRowAccessible(ClockWindow* window, int row);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override;

  private:
    QPointer<ClockWindow> window_;
    int row_;
};

}  // namespace horavia
