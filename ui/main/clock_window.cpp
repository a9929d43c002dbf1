#include "ui/main/clock_window.h"

#include <QAccessible>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QScreen>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "model/date_time_text.h"
#include "model/meeting_search.h"
#include "model/relative_offset.h"
#include "platform/qt_utf8.h"
#include "ui/main/accessibility.h"
#include "ui/main/message_text.h"
#include "ui/main/note_line_layout.h"
#include "ui/main/plan_texts.h"
#include "ui/main/plan_time_field.h"
#include "ui/main/program_icon.h"
#include "ui/main/relative_offset_text.h"
#include "ui/main/sun_texts.h"
#include "ui/main/tick_schedule.h"
#include "ui/main/twips.h"

namespace horavia {

namespace {

// The whole pixel nearest a place (halves away from zero).
int WholePixels(double pixels) {
    return static_cast<int>(std::lround(pixels));
}

QPoint WholePixels(const QPointF& at) {
    return QPoint(WholePixels(at.x()), WholePixels(at.y()));
}

QRect VirtualDesktop() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->virtualGeometry() : QRect(0, 0, 1024, 768);
}

// The desktop less its panels, on the screen the window would open on.
QRect WorkAreaAt(QPoint topLeft) {
    const QScreen* screen = QGuiApplication::screenAt(topLeft);
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : VirtualDesktop();
}

// Planning goes back to now by itself after this long without a planning input.
constexpr auto kPlanIdle = std::chrono::minutes(5);
constexpr int kWheelNotch = 120;  // angleDelta's eighths of a degree in one notch
// The change lines' font against the window's: smaller than the rows, still easily read.
constexpr double kChangeLineScale = 0.85;

}  // namespace

ClockWindow::ClockWindow(AppState& state, WindowLimits limits)
    : QWidget(nullptr,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      state_(state),
      limits_(limits) {
    setWindowTitle(QString::fromUtf8(kAppTitle));
    setWindowIcon(TitleBarIcon());  // not every size: all are sent before the window shows
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);
    InstallAccessibleInterfaces();
    // A clock added, changed, moved or removed shows at once, not at the next tick.
    // A field open for a time on a clock that changed is closed: it may be for another clock now.
    clockSubscription_ = state_.book.Subscribe([this](const ClockChange&) {
        if (field_) field_->close();
        refresh();
    });
    preferencesSubscription_ = state_.preferences.Subscribe(
        [this](const PreferenceChange& change) { followPreferences(change); });
}

ClockWindow::~ClockWindow() {
    state_.book.Unsubscribe(clockSubscription_);
    state_.preferences.Unsubscribe(preferencesSubscription_);
}

void ClockWindow::followPreferences(const PreferenceChange& change) {
    const Preferences& chosen = state_.preferences.Values();
    if (change.Touches(&Preferences::FontName) || change.Touches(&Preferences::FontSize)) {
        applyFont(chosen.FontName, chosen.FontSize);  // a new font lays the clocks out again
    }
    if (change.Touches(&Preferences::DefaultFormat) || change.Touches(&Preferences::ShowOffset) ||
        change.Touches(&Preferences::DayNight) || change.Touches(&Preferences::ChangeLines) ||
        change.Touches(&Preferences::ChangeDays)) {
        if (!chosen.DayNight) sun_.Clear();
        refresh();
    }
    if (change.Touches(&Preferences::AlwaysOnTop)) setAlwaysOnTop(chosen.AlwaysOnTop);
}

void ClockWindow::restorePlace() {
    const WindowPlace stored = LoadWindowPlace(state_.readers, TwipsPerPixel(this));
    QRectF g = KeepOnDesktop(QRectF(stored.left, stored.top, stored.width, stored.height),
                             VirtualDesktop());
    if (!stored.leftStored || !stored.topStored) {
        g = KeepFirstPlaceInWorkArea(g, WorkAreaAt(WholePixels(g.topLeft())), stored.leftStored,
                                     stored.topStored);
    }
    placement_.PlaceFrameAt(WholePixels(g.topLeft()));
    workAreaFollower_.setStoredAxes(stored.leftStored, stored.topStored);
    SetFixedOuterSize(*this, QSize(WholePixels(g.width()), WholePixels(g.height())));
    refresh();
    setAlwaysOnTop(state_.preferences.Values().AlwaysOnTop);
}

ClockPaintLayout ClockWindow::computeLayout() {
    // Labels are gathered first and the time read once for all rows, as the rows are drawn.
    // Only what can show on the desktop is measured and drawn, so that a label or format of
    // megabytes costs no more than one as wide as the desktop.
    const int desktopWidth = VirtualDesktop().width();
    const std::vector<int> clocks = state_.EnabledClocksInOrder();
    shaped_.Prepare(font(), isRightToLeft());
    const double lineHeight = shaped_.LineHeight();
    const auto widthOf = [&](const std::string& text) { return shaped_.Width(text); };
    std::vector<ClockRowText> rows;
    rows.reserve(clocks.size() + 2);
    for (int index : clocks) {
        rows.push_back(
            {ShownText(state_.Clocks()[static_cast<std::size_t>(index)].Label, desktopWidth), {}});
    }
    const Instant now = state_.services.clock.NowUtc();
    const Instant t = shownInstant(now);
    const std::optional<WorkingHours> defaults = DefaultWorkingHours(state_.preferences.Values());
    const std::vector<std::optional<SunState>> noSun;
    const std::vector<std::optional<SunState>>& sun =
        state_.preferences.Values().DayNight
            ? sun_.StatesAt(state_.Clocks(), clocks, state_.catalogue, t)
            : noSun;
    shown_.clear();
    shown_.reserve(clocks.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ClockEntry& clock = state_.Clocks()[static_cast<std::size_t>(clocks[i])];
        std::string time = state_.ZoneTimeText(clocks[i], true, t, kShownFormatBytes);
        if (state_.preferences.Values().ShowOffset) {
            if (const std::optional<RelativeOffset> offset =
                    RelativeOffsetAt(state_.catalogue, clock.Zone, t, *state_.computerZone)) {
                time += "  " + RelativeOffsetText(*offset).toStdString();
            }
        }
        time = ShownText(time, desktopWidth);
        ShownRow row{clocks[i], time, {}, {}};
        if (planned_) {
            if (const std::optional<WorkingHours> hours = ClockWorkingHours(clock, defaults)) {
                const WorkState work = WorkStateAt(*hours, state_.catalogue.RulesOf(clock.Zone), t);
                row.mark = WorkStateWord(work);
                time += "  " + WorkStateMark(work).toStdString();
            }
        }
        if (i < sun.size() && sun[i]) {
            row.sun = SunStateWord(*sun[i]);
            time += (row.mark.isEmpty() ? "  " : " \u00B7 ") + SunStateMark(*sun[i]).toStdString();
        }
        rows[i].time = time;
        shown_.push_back(std::move(row));
    }
    if (planned_) {
        rows.push_back(
            {PlanningLineLabel().toStdString(),
             ShownText(PlanningLineText(*planned_, now, state_.computerZone.get()).toStdString(),
                       desktopWidth)});
    }
    if (!note_.isEmpty()) rows.push_back({{}, ShownText(note_.toStdString(), desktopWidth)});
    if (shown_.empty()) {
        currentRow_ = 0;
    } else {
        currentRow_ = std::clamp(currentRow_, 0, static_cast<int>(shown_.size()) - 1);
    }
    ClockPaintLayout layout = LayOutClockRows(rows, lineHeight, widthOf);
    addChangeLines(layout, t, desktopWidth);
    return layout;
}

void ClockWindow::addChangeLines(ClockPaintLayout& layout, Instant shown, int desktopWidth) {
    changeLines_.clear();
    computerChange_.clear();
    const Preferences& chosen = state_.preferences.Values();
    if (!chosen.ChangeLines || chosen.ChangeDays <= 0) return;
    const ChangeLines& lines = changes_.At(state_, shown, chosen.ChangeDays);
    std::vector<std::string> under;
    under.reserve(shown_.size());
    for (const ShownRow& row : shown_) {
        const auto clock = static_cast<std::size_t>(row.clock);
        changeLines_.push_back(clock < lines.clocks.size() ? lines.clocks[clock] : QString());
        under.push_back(ShownText(changeLines_.back().toStdString(), desktopWidth));
    }
    computerChange_ = lines.computer;
    QFont small = font();
    if (small.pointSizeF() > 0) {
        small.setPointSizeF(small.pointSizeF() * kChangeLineScale);
    } else {
        small.setPixelSize(std::max(1, WholePixels(small.pixelSize() * kChangeLineScale)));
    }
    smallShaped_.Prepare(small, isRightToLeft());
    AddNoteLines(layout, ShownText(computerChange_.toStdString(), desktopWidth), under,
                 smallShaped_.LineHeight(),
                 [this](const std::string& text) { return smallShaped_.Width(text); });
}

void ClockWindow::applyLayoutSize() {
    // The width rule is for the whole window, the height rule for the drawing area; neither
    // grows the window beyond the desktop (what does not fit is cut off).
    const QRect desktop = VirtualDesktop();
    const int frameWidth = std::max(0, frameGeometry().width() - geometry().width());
    const int frameHeight = std::max(0, frameGeometry().height() - geometry().height());
    const int width = std::clamp(WholePixels(layout_.outerWidth) - frameWidth, 1,
                                 std::max(1, desktop.width() - frameWidth));
    const int height = std::clamp(WholePixels(layout_.clientHeight), 1,
                                  std::max(1, desktop.height() - frameHeight));
    if (minimumSize() != QSize(width, height) || maximumSize() != QSize(width, height)) {
        setFixedSize(width, height);
    }
}

void ClockWindow::refresh() {
    // Planning left alone goes back to now, and so does a note nobody acted on (as does a
    // clock set back before the last input).
    const Instant now = state_.services.clock.NowUtc();
    if ((planned_ || !note_.isEmpty()) &&
        (now - lastPlanInput_ >= kPlanIdle || now < lastPlanInput_)) {
        planned_.reset();
        note_.clear();
    }
    const int rowsBefore = layout_.rows;
    const int childrenBefore = rowCount();
    ClockPaintLayout next = computeLayout();
    // Most ticks change only the times: their boxes are repainted, and the labels are left.
    const std::optional<std::vector<ChangedText>> changed = ChangedTexts(layout_, next);
    layout_ = std::move(next);
    applyLayoutSize();
    if (changed) {
        for (const ChangedText& c : *changed) update(changedBox(c));
    } else {
        update();
    }
    // Screen readers hear of rows coming and going; a time that moves on is read when asked.
    if ((layout_.rows != rowsBefore || rowCount() != childrenBefore) && QAccessible::isActive()) {
        QAccessibleEvent reorder(this, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&reorder);
    }
}

int ClockWindow::rowCount() const {
    return computerLineRow() + (computerChange_.isEmpty() ? 0 : 1);
}

int ClockWindow::computerLineRow() const {
    // After the planning line, so that the rows keep their numbers as the line comes and goes.
    return static_cast<int>(shown_.size()) + (planned_ || !note_.isEmpty() ? 1 : 0);
}

QString ClockWindow::rowText(int row) const {
    if (row < 0 || row >= rowCount()) return {};
    if (row == computerLineRow()) return computerChange_;
    const auto at = static_cast<std::size_t>(row);
    if (at == shown_.size()) return planningText();
    const QString label = Utf8(layout_.texts[at].text);
    QString text;
    if (!shown_[at].mark.isEmpty()) {
        //: A clock row while planning: %1 the clock's label, %2 its time, %3 whether people
        //: there are at work ("Tokyo, 23:10, night").
        text = tr("%1, %2, %3").arg(label, Utf8(shown_[at].time), shown_[at].mark);
    } else {
        //: A clock row as a screen reader reads it: %1 is the clock's label, %2 its time.
        text = tr("%1, %2").arg(label, Utf8(shown_[at].time));
    }
    if (!shown_[at].sun.isEmpty()) {
        //: A clock row as a screen reader reads it, then the sun at the clock: %1 the row
        //: ("Tokyo, 23:10"), %2 the word for day, twilight or night there.
        text = tr("%1, %2", "row and sun").arg(text, shown_[at].sun);
    }
    if (at < changeLines_.size() && !changeLines_[at].isEmpty()) {
        text = JoinedChangeText(text, changeLines_[at]);
    }
    return text;
}

QString ClockWindow::rowToolTip(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= shown_.size()) return {};
    const int index = shown_[static_cast<std::size_t>(row)].clock;
    const std::optional<ClockPlace>* place = sun_.PlaceOf(index);
    if (shown_[static_cast<std::size_t>(row)].sun.isEmpty() || place == nullptr || !*place) {
        return {};
    }
    const ClockEntry& clock = state_.Clocks()[static_cast<std::size_t>(index)];
    const ZoneRules* rules = state_.catalogue.RulesOf(clock.Zone);
    if (rules == nullptr) return {};
    const Instant t = shownInstant(state_.services.clock.NowUtc());
    const SunDay day = SunDayAt(t, (*place)->latitude, (*place)->longitude, *rules);
    return SunDayText(Utf8((*place)->name), day,
                      [&](Instant at) { return Utf8(state_.ZoneTimeText(index, false, at)); });
}

QRect ClockWindow::rowRect(int row) const {
    if (row < 0 || row >= rowCount()) return {};
    if (row == computerLineRow()) {
        return QRect(0, WholePixels(kClockMargin), width(),
                     std::max(1, WholePixels(layout_.noteHeight)));
    }
    const int top = WholePixels(RowTop(layout_, row));
    // The planning line takes in the note below it; a clock's row its change line.
    const double height = row == static_cast<int>(shown_.size())
                              ? (layout_.rows - row) * layout_.lineHeight
                              : RowHeight(layout_, row);
    return QRect(0, top, width(), std::max(1, WholePixels(height)));
}

QString ClockWindow::planningText() const {
    if (!planned_) return note_;
    const QString line =
        PlanningLineLabel() + QLatin1Char(' ') +
        PlanningLineText(*planned_, state_.services.clock.NowUtc(), state_.computerZone.get());
    return note_.isEmpty() ? line : line + QLatin1Char('\n') + note_;
}

Instant ClockWindow::shownInstant(Instant now) const {
    return planned_.value_or(now);
}

void ClockWindow::planAt(std::optional<Instant> at, QString note) {
    planned_ = at;
    note_ = std::move(note);
    lastPlanInput_ = state_.services.clock.NowUtc();
    refresh();
    update();  // the marks and the current row's frame come and go with planning
    announcePlanning();
}

void ClockWindow::stepPlan(PlanStep step) {
    const Instant from = shownInstant(state_.services.clock.NowUtc());
    planAt(StepPlanTime(from, step, state_.computerZone.get()));
}

void ClockWindow::backToNow() {
    if (!planned_ && note_.isEmpty()) return;
    planAt(std::nullopt);
}

void ClockWindow::announcePlanning() {
    if (!QAccessible::isActive() || (!planned_ && note_.isEmpty())) return;
    QAccessibleInterface* self = QAccessible::queryAccessibleInterface(this);
    QAccessibleInterface* line =
        self != nullptr ? self->child(static_cast<int>(shown_.size())) : nullptr;
    if (line == nullptr) return;
    QAccessibleValueChangeEvent value(line, planningText());
    QAccessible::updateAccessibility(&value);
    QAccessibleEvent name(line, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name);
}

void ClockWindow::findMeetingTime() {
    const AppState::ClocksAtWork atWork = state_.EnabledClocksAtWork();
    const std::vector<MeetingClock>& clocks = atWork.clocks;
    const std::vector<int>& indices = atWork.indices;
    if (clocks.empty()) {
        planAt(planned_, NoWorkingHoursText());
        return;
    }
    const Instant now = state_.services.clock.NowUtc();
    // The search starts on the first quarter hour from now, or after the slot shown.
    const Instant from = planned_ ? *planned_ + kMeetingGrid : now;
    const std::optional<MeetingSlot> slot = FindMeetingSlot(
        clocks, from, std::chrono::minutes(std::max(1, state_.preferences.Values().MeetLength)),
        kMeetingHorizon);
    if (!slot) return;
    QStringList misfits;
    for (const MeetingShortfall& s : slot->outside) {
        if (s.by.count() == 0 || s.clock >= indices.size()) continue;
        const int index = indices[s.clock];
        misfits << ShortfallText(Utf8(state_.Clocks()[static_cast<std::size_t>(index)].Label),
                                 Utf8(state_.ZoneTimeText(index, false, slot->start)), s);
    }
    planAt(slot->start,
           misfits.isEmpty() ? EveryoneAtWorkText() : misfits.join(QStringLiteral("; ")));
}

QString ClockWindow::shownTimesText() const {
    QStringList lines;
    for (std::size_t i = 0; i < shown_.size(); ++i) {
        lines << Utf8(layout_.texts[i].text) + QStringLiteral(": ") + Utf8(shown_[i].time);
    }
    lines << Utf8(IsoUtcText(shownInstant(state_.services.clock.NowUtc())));
    return lines.join(QLatin1Char('\n'));
}

void ClockWindow::moveCurrentRow(int by) {
    if (shown_.empty()) return;
    if (currentRowShown_ || planned_) {
        currentRow_ = std::clamp(currentRow_ + by, 0, static_cast<int>(shown_.size()) - 1);
    }
    currentRowShown_ = true;  // a first press shows where the current row is
    update();
}

void ClockWindow::openPlanField(const QString& start) {
    if (shown_.empty()) return;
    const ShownRow& row = shown_[static_cast<std::size_t>(currentRow_)];
    const ClockEntry& clock = state_.Clocks()[static_cast<std::size_t>(row.clock)];
    // The scales that keep no time of day of their own have nothing to type a time into.
    if (!state_.catalogue.ShowsTimeOfDay(clock.Zone)) return;
    if (field_) field_->close();
    fieldClock_ = row.clock;
    field_ = new PlanTimeField(this, Utf8(clock.Label), start);
    connect(field_, &PlanTimeField::submitted, this, &ClockWindow::takePlanText);
    field_->open();
}

void ClockWindow::takePlanText(const QString& text) {
    // The clock the field was opened for, unless it has gone from the list since.
    if (!field_ || fieldClock_ < 0 ||
        static_cast<std::size_t>(fieldClock_) >= state_.Clocks().size()) {
        return;
    }
    const ClockEntry& clock = state_.Clocks()[static_cast<std::size_t>(fieldClock_)];
    const ZoneRules* rules = state_.catalogue.RulesOf(clock.Zone);
    const std::optional<CivilTime> today =
        CivilTimeOn(rules, shownInstant(state_.services.clock.NowUtc()));
    const std::optional<CivilTime> reading =
        today ? ParseDateTimeText(text.toStdString(), state_.locale, *today) : std::nullopt;
    if (!reading) {
        field_->refuse(UnreadablePlanText());
        return;
    }
    const PlacedReading placed = PlaceReading(rules, *reading);
    const std::optional<Message> said =
        PlacedReadingText(placed, *reading, clock.Label, state_.locale);
    switch (placed.kind) {
        case PlacedReading::Kind::Unique:
        case PlacedReading::Kind::Repeated:
            field_->close();
            planAt(placed.at, said ? MessageText(*said) : QString());
            return;
        case PlacedReading::Kind::Skipped:
            field_->refuse(said ? MessageText(*said) : UnreadablePlanText());
            return;
        case PlacedReading::Kind::OutOfRange:
            field_->refuse(UnreadablePlanText());
            return;
    }
}

QRect ClockWindow::inkBox(const PlacedText& t) const {
    // Glyphs may reach a little past their advance on either side; a quarter of a line is
    // more than an upright font's overhang, and keeps a label's box clear of its time's.
    const double slack = layout_.lineHeight / 4;
    const double left = t.x - slack;
    const double right = t.x + t.width + slack;
    const QRectF box(isRightToLeft() ? width() - right : left, t.y, right - left,
                     layout_.lineHeight + 2);
    return box.toAlignedRect();
}

QRect ClockWindow::changedBox(const ChangedText& c) const {
    // What both texts draw alike at their start stays on the screen: most ticks change the
    // last digit or two of each time.
    const double same = shaped_.SamePrefixWidth(c.before, c.after.text);
    PlacedText changed = c.after;
    changed.x += same;
    changed.width = std::max(0.0, changed.width - same);
    return inkBox(changed);
}

bool ClockWindow::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    // Each row has its own tooltip: the sun's day at the clock under the mouse.
    const auto* help = static_cast<QHelpEvent*>(event);
    for (int row = 0; row < static_cast<int>(shown_.size()); ++row) {
        if (!rowRect(row).contains(help->pos())) continue;
        if (const QString text = rowToolTip(row); !text.isEmpty()) {
            QToolTip::showText(help->globalPos(), text, this, rowRect(row));
            return true;
        }
    }
    QToolTip::hideText();
    event->ignore();
    return true;
}

void ClockWindow::paintEvent(QPaintEvent* event) {
    // Only draws: the layout and the size follow the texts (tick, font, clocks, showing).
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QRegion& exposed = event->region();
    // Right to left (an Arabic translation) mirrors the rows: each text ends where it would
    // start, counted from the right edge. A text keeps its own direction ("@708" stays so).
    const bool mirrored = isRightToLeft();
    for (const PlacedText& t : layout_.texts) {
        if (!exposed.intersects(inkBox(t))) continue;
        const double left = mirrored ? width() - t.x - shaped_.Width(t.text) : t.x;
        shaped_.Draw(painter, t.text, QPointF(left, t.y));
    }
    for (const PlacedText& t : layout_.notes) {
        const double left = mirrored ? width() - t.x - t.width : t.x;
        const QRectF box(left - layout_.noteHeight / 4, t.y, t.width + layout_.noteHeight / 2,
                         layout_.noteHeight + 2);
        if (!exposed.intersects(box.toAlignedRect())) continue;
        smallShaped_.Draw(painter, t.text, QPointF(left, t.y));
    }
    // The row a typed time is for, once the user chose one or while planning.
    if ((currentRowShown_ || planned_) && currentRow_ < static_cast<int>(shown_.size())) {
        // Drawn here, not by the style: styles draw a focus frame only after keyboard use
        // they saw themselves, and this frame marks a row, not the focused widget.
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rowRect(currentRow_).adjusted(1, 0, -2, -1));
    }
    if (!painted_) {
        painted_ = true;
        LogFirstPaint();
        emit firstPainted();
    }
}

void ClockWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        emit menuRequested(event->globalPosition().toPoint(), QContextMenuEvent::Mouse);
    }
}

void ClockWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit setupRequested();
}

void ClockWindow::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool plain = modifiers == Qt::NoModifier;
    const bool shift = modifiers == Qt::ShiftModifier;
    // Escape while planning goes back to now; its release then hides nothing.
    if (event->key() == Qt::Key_Escape && planned_) {
        escapePressedHere_ = false;
        backToNow();
        return;
    }
    if (event->key() == Qt::Key_Escape && !event->isAutoRepeat()) escapePressedHere_ = true;
    if (plain || shift) {
        switch (event->key()) {
            case Qt::Key_Right:
                stepPlan(shift ? PlanStep::HourLater : PlanStep::QuarterLater);
                return;
            case Qt::Key_Left:
                stepPlan(shift ? PlanStep::HourEarlier : PlanStep::QuarterEarlier);
                return;
            default:
                break;
        }
    }
    if (plain) {
        switch (event->key()) {
            case Qt::Key_PageDown:
                stepPlan(PlanStep::DayLater);
                return;
            case Qt::Key_PageUp:
                stepPlan(PlanStep::DayEarlier);
                return;
            case Qt::Key_Home:
                backToNow();
                return;
            case Qt::Key_Up:
                moveCurrentRow(-1);
                return;
            case Qt::Key_Down:
                moveCurrentRow(1);
                return;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                openPlanField({});
                return;
            default:
                break;
        }
    }
    if (event->matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setText(shownTimesText());
        return;
    }
    if (event->key() == Qt::Key_N && modifiers == Qt::ControlModifier) {
        findMeetingTime();
        return;
    }
    const QString typed = event->text();
    if ((plain || shift) && typed.size() == 1 && typed.at(0).isDigit()) {
        openPlanField(typed);
        return;
    }
    // The keyboard's right click opens the menu at the window's first row.
    const bool shiftF10 = event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier;
    if ((event->key() == Qt::Key_Menu && event->modifiers() == Qt::NoModifier) || shiftF10) {
        const int margin = WholePixels(kClockMargin);
        emit menuRequested(mapToGlobal(QPoint(margin, margin)), QContextMenuEvent::Keyboard);
        return;
    }
    QWidget::keyPressEvent(event);
}

void ClockWindow::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat() || event->key() != Qt::Key_Escape) return;
    // An Escape that closed the popup menu was pressed there: its release is not ours.
    if (!escapePressedHere_) return;
    escapePressedHere_ = false;
    emit hideRequested();
}

void ClockWindow::wheelEvent(QWheelEvent* event) {
    // Shift turns a wheel sideways on some systems: either direction counts.
    const QPoint angle = event->angleDelta();
    wheelRemainder_ += angle.y() != 0 ? angle.y() : angle.x();
    const int notches = wheelRemainder_ / kWheelNotch;
    wheelRemainder_ -= notches * kWheelNotch;
    const bool hours = (event->modifiers() & Qt::ShiftModifier) != 0;
    // Up (away from the user) is later, as a spin box counts up.
    for (int i = 0; i < std::abs(notches); ++i) {
        if (notches > 0) {
            stepPlan(hours ? PlanStep::HourLater : PlanStep::QuarterLater);
        } else {
            stepPlan(hours ? PlanStep::HourEarlier : PlanStep::QuarterEarlier);
        }
    }
    event->accept();
}

void ClockWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // A hidden window shows now when it comes back.
    if (field_) field_->close();
    wheelRemainder_ = 0;
    if (planned_ || !note_.isEmpty()) {
        planned_.reset();
        note_.clear();
        refresh();
    }
}

void ClockWindow::writeGeometry() {
    const QSize outer = frameGeometry().size();
    // Where the platform cannot tell the position, the stored place is kept as it is.
    const std::optional<QPoint> place = placement_.FramePosition();
    SaveWindowPlace(state_.services.settings, TwipsPerPixel(this),
                    place ? std::optional(place->x()) : std::nullopt,
                    place ? std::optional(place->y()) : std::nullopt, outer.width(),
                    outer.height());
}

void ClockWindow::closeEvent(QCloseEvent* event) {
    writeGeometry();
    if (field_) field_->close();
    // The close box: the window goes (it is deleted) and the choice is recorded as hidden.
    if (!closingForShutDown_) emit hideRequested();
    event->accept();
}

void ClockWindow::closeForShutDown() {
    closingForShutDown_ = true;
    close();
}

void ClockWindow::setVisible(bool visible) {
    // A hidden window is not laid out by the tick; its texts may have changed width since.
    if (visible && !isVisible()) refresh();
    QWidget::setVisible(visible);
}

void ClockWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The frame may be known only now: the size rule counts it.
    refresh();
}

void ClockWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) refresh();
    if (event->type() == QEvent::LayoutDirectionChange) update();  // the rows turn around
}

void ClockWindow::applyFont(const std::string& name, std::int32_t points) {
    QFont f(Utf8(name));
    if (points > 0) f.setPointSize(points);
    f.setBold(false);
    f.setItalic(false);
    setFont(f);
}

void ClockWindow::setAlwaysOnTop(bool onTop) {
    if (!limits_.keepsOnTop) return;
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop) return;
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);  // hides the window
    if (wasVisible) show();
}

}  // namespace horavia
