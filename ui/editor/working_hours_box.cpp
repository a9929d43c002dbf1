#include "ui/editor/working_hours_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QTime>
#include <QTimeEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace horavia {

namespace {

constexpr int kMinutesPerDay = 24 * 60;

int MinutesOf(const QTime& time) {
    return time.hour() * 60 + time.minute();
}

QTime TimeOf(int minutes) {
    return QTime((minutes % kMinutesPerDay) / 60, minutes % 60);
}

QTimeEdit* MakeTimeEdit(const char* name, QWidget* parent) {
    auto* edit = new QTimeEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    // The locale's own way of writing a time of day (12 or 24 hours), to the minute: some
    // locales (C among them) write their short times with seconds.
    QString format = QLocale().timeFormat(QLocale::ShortFormat);
    format.remove(QRegularExpression(QStringLiteral("[^hHmaAp ]*s+")));
    edit->setDisplayFormat(format);
    // 23:59 steps on to 00:00, the end of the day.
    edit->setWrapping(true);
    return edit;
}

}  // namespace

WorkingHoursBox::WorkingHoursBox(const QString& title, QWidget* parent)
    : QGroupBox(title, parent),
      fromEdit_(MakeTimeEdit("workFromEdit", this)),
      toEdit_(MakeTimeEdit("workToEdit", this)),
      nextDayNote_(new QLabel(this)),
      problemNote_(new QLabel(this)) {
    setCheckable(true);
    setChecked(false);
    //: Working hours: the time the working day starts.
    auto* fromCaption = new QLabel(tr("from"), this);
    fromCaption->setBuddy(fromEdit_);
    //: Working hours: the time the working day ends.
    auto* toCaption = new QLabel(tr("to"), this);
    toCaption->setBuddy(toEdit_);
    // Screen readers name the fields by what they hold, not by the short captions alone.
    fromEdit_->setAccessibleName(tr("Working hours start"));
    toEdit_->setAccessibleName(tr("Working hours end"));
    nextDayNote_->setObjectName(QStringLiteral("workNextDayNote"));
    //: After the end of working hours that lies at or before their start.
    nextDayNote_->setText(tr("(next day)"));
    // The room stays when the note goes, so the fields do not move as the times change.
    QSizePolicy keepRoom = nextDayNote_->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    nextDayNote_->setSizePolicy(keepRoom);
    problemNote_->setObjectName(QStringLiteral("workProblemNote"));
    problemNote_->setWordWrap(true);

    auto* times = new QHBoxLayout;
    times->addWidget(fromCaption);
    times->addWidget(fromEdit_);
    times->addSpacing(4);
    times->addWidget(toCaption);
    times->addWidget(toEdit_);
    times->addWidget(nextDayNote_);
    times->addStretch(1);

    // The days in the locale's week, from its first day; created in that order, so that Tab
    // visits them as they are shown. Toggle buttons: Enter in a dialog stays with its default
    // button, and seven captions need no keys of their own.
    auto* days = new QHBoxLayout;
    days->setSpacing(2);
    const QLocale locale;
    const int first = locale.firstDayOfWeek();
    for (int i = 0; i < 7; ++i) {
        const int day = (first - 1 + i) % 7 + 1;  // 1 Monday … 7 Sunday
        auto* toggle = new QToolButton(this);
        toggle->setText(locale.dayName(day, QLocale::ShortFormat));
        toggle->setCheckable(true);
        toggle->setObjectName(QStringLiteral("workDay%1").arg(day));
        toggle->setAccessibleName(locale.dayName(day, QLocale::LongFormat));
        dayButtons_[static_cast<std::size_t>(day - 1)] = toggle;
        days->addWidget(toggle);
        connect(toggle, &QToolButton::toggled, this, &WorkingHoursBox::fieldsChanged);
    }
    days->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(times);
    layout->addLayout(days);
    layout->addWidget(problemNote_);

    connect(fromEdit_, &QTimeEdit::timeChanged, this, &WorkingHoursBox::fieldsChanged);
    connect(toEdit_, &QTimeEdit::timeChanged, this, &WorkingHoursBox::fieldsChanged);
    connect(this, &QGroupBox::toggled, this, &WorkingHoursBox::fieldsChanged);
    setShownHours(WorkingHours{});
}

void WorkingHoursBox::setHours(const std::optional<WorkingHours>& hours) {
    if (hours) setShownHours(*hours);
    setChecked(hours.has_value());
    fieldsChanged();
}

std::optional<WorkingHours> WorkingHoursBox::hours() const {
    if (!isChecked() || !problem().isEmpty()) return std::nullopt;
    return shownHours();
}

WorkingHours WorkingHoursBox::shownHours() const {
    WorkingHours hours;
    hours.from = MinutesOf(fromEdit_->time());
    hours.to = MinutesOf(toEdit_->time());
    // No field can show 24:00: an end of 00:00 is the end of the day (from 00:00, the whole
    // day).
    if (hours.to == 0) hours.to = kMinutesPerDay;
    hours.days = 0;
    for (std::size_t i = 0; i < dayButtons_.size(); ++i) {
        if (dayButtons_[i]->isChecked()) hours.days = static_cast<WeekdaySet>(hours.days | 1u << i);
    }
    return hours;
}

void WorkingHoursBox::setShownHours(const WorkingHours& hours) {
    {
        const QSignalBlocker blockFrom(fromEdit_);
        const QSignalBlocker blockTo(toEdit_);
        fromEdit_->setTime(TimeOf(hours.from));
        toEdit_->setTime(TimeOf(hours.to));
        for (std::size_t i = 0; i < dayButtons_.size(); ++i) {
            const QSignalBlocker blockDay(dayButtons_[i]);
            dayButtons_[i]->setChecked((hours.days >> i & 1u) != 0);
        }
    }
    fieldsChanged();
}

QString WorkingHoursBox::problem() const {
    const WorkingHours shown = shownHours();
    if (shown.from == shown.to)
        return tr("Working hours must end at another time than they start.");
    if (shown.days == 0) return tr("Choose at least one working day.");
    return {};
}

void WorkingHoursBox::fieldsChanged() {
    const WorkingHours shown = shownHours();
    nextDayNote_->setVisible(shown.to < shown.from);
    const QString text = isChecked() ? problem() : QString();
    problemNote_->setText(text);
    problemNote_->setVisible(!text.isEmpty());
    emit hoursEdited();
}

}  // namespace horavia
