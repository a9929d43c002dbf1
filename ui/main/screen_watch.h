// Follows the work area (the screen less its panels) of the screen a top-level window is on:
// announces it when that screen's work area changes (a panel reserving its edge late, a new
// resolution) and when the window goes to another screen.
#pragma once

#include <QObject>
#include <QRect>

class QScreen;
class QWidget;

namespace horavia {

class ScreenWatch : public QObject {
    Q_OBJECT

  public:
    explicit ScreenWatch(QWidget& window);

  signals:
    void workAreaChanged(const QRect& workArea);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void watchScreen(QScreen* screen);

    QWidget& window_;
    bool handleWatched_ = false;
};

}  // namespace horavia
