#include "ui/main/work_area_follower.h"

#include <QWidget>
#include <algorithm>

#include "ui/main/frame_placement.h"
#include "ui/main/screen_watch.h"

namespace horavia {

namespace {

// The start along one axis that puts [start, start + length) inside [areaStart, areaEnd), the
// near edge winning.
int Inside(int start, int length, int areaStart, int areaEnd) {
    return std::max(areaStart, std::min(start, areaEnd - length));
}

}  // namespace

std::optional<QPoint> PlaceInNewWorkArea(const QRect& frame, const QRect& workArea,
                                         bool programPlace, bool leftStored, bool topStored) {
    if (!programPlace || workArea.isEmpty()) return std::nullopt;
    QPoint at = frame.topLeft();
    if (!leftStored) {
        at.setX(Inside(frame.x(), frame.width(), workArea.x(), workArea.x() + workArea.width()));
    }
    if (!topStored) {
        at.setY(Inside(frame.y(), frame.height(), workArea.y(), workArea.y() + workArea.height()));
    }
    if (at == frame.topLeft()) return std::nullopt;
    return at;
}

WorkAreaFollower::WorkAreaFollower(QWidget& window, FramePlacement& placement)
    : QObject(&window), window_(window), placement_(placement) {
    connect(new ScreenWatch(window_), &ScreenWatch::workAreaChanged, this,
            &WorkAreaFollower::followWorkArea);
}

void WorkAreaFollower::setStoredAxes(bool left, bool top) {
    leftStored_ = left;
    topStored_ = top;
}

void WorkAreaFollower::followWorkArea(const QRect& workArea) {
    const std::optional<QPoint> place = placement_.FramePosition();
    if (!place) return;  // positions are not known here
    const QRect frame(*place, window_.frameGeometry().size());
    if (const auto moved = PlaceInNewWorkArea(frame, workArea, placement_.StandsWhereProgramPut(),
                                              leftStored_, topStored_)) {
        placement_.PlaceFrameAt(*moved);
    }
}

}  // namespace horavia
