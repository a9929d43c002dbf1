// A page of controls that scrolls up and down where the screen is too low to show it whole:
// its least height is its controls' as long as the screen has room for them (see
// FitInsideWorkArea), and it is never narrower than they need, so nothing is clipped sideways.
#pragma once

#include <QScrollArea>

namespace horavia {

class ScrollingPage : public QScrollArea {
    Q_OBJECT

  public:
    // Takes `content`, whose layout sizes it.
    explicit ScrollingPage(QWidget* content, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The page may be this much lower than its controls need, and scrolls.
    void setShortfall(int pixels);
    int shortfall() const { return shortfall_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    int shortfall_ = 0;
};

// Makes a top-level window no larger than the work area (the screen less its panels) of its
// screen, frame included, its scrolling pages giving up as much height as it must, and moves
// it inside that area where it pokes out.
void FitInsideWorkArea(QWidget& window, const QRect& workArea);
// The same on the screen the window is on.
void FitInsideItsWorkArea(QWidget& window);

// Keeps `window` inside its work area whenever it is shown and whenever the work area
// changes (another screen, a panel, a resolution).
class WorkAreaFit : public QObject {
    Q_OBJECT

  public:
    explicit WorkAreaFit(QWidget& window);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget& window_;
};

}  // namespace horavia
