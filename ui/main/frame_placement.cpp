#include "ui/main/frame_placement.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace horavia {

namespace {

// A window manager that keeps refusing the place has the last word.
constexpr int kMaxCorrections = 5;

}  // namespace

FramePlacement::FramePlacement(QWidget& window, bool positionsKnown, int frameWaitMs, int settleMs)
    : QObject(&window),
      window_(window),
      positionsKnown_(positionsKnown),
      frameWaitMs_(frameWaitMs),
      settleMs_(settleMs) {
    wait_.setSingleShot(true);
    connect(&wait_, &QTimer::timeout, this, [this] { EndPlacing(); });
    window_.installEventFilter(this);
}

void FramePlacement::PlaceFrameAt(QPoint frameTopLeft) {
    if (!positionsKnown_) return;
    place_ = frameTopLeft;
    userMoved_ = false;
    // Placing before the move: the move of a shown window is the program's, not the user's.
    if (window_.isVisible()) StartPlacing();
    // Before the native window exists Qt takes this as the frame's place; afterwards it moves
    // the inside by the frame it knows.
    window_.move(place_);
}

std::optional<QPoint> FramePlacement::FramePosition() const {
    if (!positionsKnown_) return std::nullopt;
    return place_;
}

bool FramePlacement::IsFramed() const {
    return window_.frameGeometry() != window_.geometry();
}

void FramePlacement::StartPlacing() {
    placing_ = true;
    seenInPlace_ = false;
    corrections_ = 0;
    wait_.start(frameWaitMs_);
}

void FramePlacement::CheckPlace() {
    if (!IsFramed()) return;  // not yet: the window manager has not framed the window
    if (window_.frameGeometry().topLeft() == place_) {
        // In place; a request Qt sent before the frame was known may still arrive and move
        // the window, so it is watched a little longer.
        if (!seenInPlace_) {
            seenInPlace_ = true;
            wait_.start(settleMs_);
        }
        return;
    }
    if (corrections_ >= kMaxCorrections) return;
    ++corrections_;
    window_.move(place_);
    if (seenInPlace_) wait_.start(settleMs_);
}

void FramePlacement::EndPlacing() {
    wait_.stop();
    placing_ = false;
    // Where a window manager refused the place (or placed a window it does not frame), its
    // own choice is the place from now on.
    if (window_.isVisible()) place_ = window_.frameGeometry().topLeft();
}

bool FramePlacement::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_ || !positionsKnown_) return false;
    switch (event->type()) {
        case QEvent::Show:
            // Shown again after a hide: the frame goes back where it was. Asked before the
            // window is mapped, as a frame position, so that the window manager frames it there
            // (Qt would otherwise ask for the inside to stay where the withdrawn window was, and
            // no move may ever tell that the new frame went up around it).
            if (QWindow* handle = window_.windowHandle()) handle->setFramePosition(place_);
            StartPlacing();
            CheckPlace();
            break;
        case QEvent::Move:
        case QEvent::Resize:
            if (!window_.isVisible()) break;
            if (placing_) {
                CheckPlace();
            } else if (event->type() == QEvent::Move) {
                place_ = window_.frameGeometry().topLeft();  // the user dragged the window
                userMoved_ = true;
            }
            break;
        case QEvent::Hide:
            wait_.stop();
            placing_ = false;
            break;
        default:
            break;
    }
    return false;
}

void SetFixedOuterSize(QWidget& window, QSize outerPixels) {
    const QSize frame = window.frameGeometry().size() - window.geometry().size();
    const QSize client(std::max(1, outerPixels.width() - std::max(0, frame.width())),
                       std::max(1, outerPixels.height() - std::max(0, frame.height())));
    if (window.minimumSize() != client || window.maximumSize() != client) {
        window.setFixedSize(client);
    }
}

}  // namespace horavia
