// A clock's working hours as the user enters them: a titled box whose check box turns them on,
// the start and end times and the days the shift starts on. The end may be at or before the
// start (an overnight shift); an end of 00:00 is the end of the day.
#pragma once

#include <QGroupBox>
#include <QString>
#include <array>
#include <optional>

#include "model/working_hours.h"

class QLabel;
class QTimeEdit;
class QToolButton;

namespace horavia {

class WorkingHoursBox : public QGroupBox {
    Q_OBJECT

  public:
    explicit WorkingHoursBox(const QString& title, QWidget* parent = nullptr);

    // Unticked: none. The fields show `hours` when given; otherwise they stay as they are.
    void setHours(const std::optional<WorkingHours>& hours);
    // None while unticked or while the fields hold no valid shift (see problem()).
    std::optional<WorkingHours> hours() const;
    // The fields whether or not the box is ticked; from == to or no day where the user left
    // them so.
    WorkingHours shownHours() const;
    void setShownHours(const WorkingHours& hours);

    // Why the fields hold no shift: a start equal to the end, or no day chosen; empty when
    // they hold one.
    QString problem() const;

  signals:
    // The box was ticked or unticked, or a field changed.
    void hoursEdited();

  private:
    void fieldsChanged();

    QTimeEdit* fromEdit_;
    QTimeEdit* toEdit_;
    QLabel* nextDayNote_;
    QLabel* problemNote_;
    // Indexed by ISO weekday - 1 (Monday first), whatever order the locale shows them in.
    std::array<QToolButton*, 7> dayButtons_{};
};

}  // namespace horavia
