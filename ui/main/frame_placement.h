// Puts a top-level window's frame (title bar and border included) exactly where it was asked to
// go, and remembers where the frame really is, so that a place saved at exit and restored at
// the next start is the same place on any window manager and without one.
//
// On X11 the frame is only known once the window manager has framed the shown window; a resize
// before that (the window fits itself to its clocks) makes Qt place the inside, not the frame,
// at the asked position. So after every show the frame is checked as soon as it is known and
// the window moved once more if it is off.
#pragma once

#include <QObject>
#include <QPoint>
#include <QSize>
#include <QTimer>
#include <optional>

class QWidget;

namespace horavia {

class FramePlacement : public QObject {
    Q_OBJECT

  public:
    // A window manager frames a new window within milliseconds; without one the frame never
    // comes and the window's inside is its frame. Waiting long does no harm: without a frame
    // there is nothing to correct.
    static constexpr int kFrameWaitMs = 5000;
    // How long a frame seen in place is still watched.
    static constexpr int kSettleMs = 1000;

    // positionsKnown: see WindowLimits; when false nothing is placed or reported (every
    // position Qt reports is made up).
    // frameWaitMs: how long after a show the frame is waited for; settleMs: see kSettleMs.
    FramePlacement(QWidget& window, bool positionsKnown, int frameWaitMs = kFrameWaitMs,
                   int settleMs = kSettleMs);

    // Where the frame's top-left corner goes: at once, and again whenever the window is shown.
    void PlaceFrameAt(QPoint frameTopLeft);
    // Where the frame is: as last seen while shown, else where it was put. Nothing where
    // positions are not known.
    std::optional<QPoint> FramePosition() const;
    // True from a show until the frame has stayed at its place for a while (or the wait for
    // a frame has ended).
    bool IsPlacing() const { return placing_; }
    // True while the frame stands where the program last put it (or where the window manager
    // put it instead): false once the user has moved the window.
    bool StandsWhereProgramPut() const { return positionsKnown_ && !userMoved_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool IsFramed() const;
    void StartPlacing();
    void CheckPlace();
    void EndPlacing();

    QWidget& window_;
    const bool positionsKnown_;
    const int frameWaitMs_;
    const int settleMs_;
    QPoint place_;
    bool placing_ = false;
    bool seenInPlace_ = false;
    bool userMoved_ = false;
    int corrections_ = 0;
    QTimer wait_;  // ends the wait for a frame that never comes (no window manager)
};

// Gives a top-level window a fixed outer size (frame included), as far as the frame is known:
// before the window manager has framed the window the frame counts as nothing.
void SetFixedOuterSize(QWidget& window, QSize outerPixels);

}  // namespace horavia
