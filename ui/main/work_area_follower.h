// Keeps a window that the program placed inside the work area when the work area changes: a
// panel that starts after the program reserves its edge, and a window put at the top of the
// screen before would have its title bar under the panel. A window the user has moved stays
// where the user put it.
#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <optional>

class QWidget;

namespace horavia {

class FramePlacement;

// Where the frame goes when the work area becomes `workArea`: inside it along each axis whose
// place the program chose (not a stored one), the near edge first where the frame is larger
// than the area. Nothing where it stays (already inside, or the user's place).
std::optional<QPoint> PlaceInNewWorkArea(const QRect& frame, const QRect& workArea,
                                         bool programPlace, bool leftStored, bool topStored);

class WorkAreaFollower : public QObject {
    Q_OBJECT

  public:
    WorkAreaFollower(QWidget& window, FramePlacement& placement);

    // Which of the place's coordinates came from the settings (the user's, left alone).
    void setStoredAxes(bool left, bool top);

  private:
    void followWorkArea(const QRect& workArea);

    QWidget& window_;
    FramePlacement& placement_;
    bool leftStored_ = true;
    bool topStored_ = true;
};

}  // namespace horavia
