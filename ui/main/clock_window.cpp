#include "ui/main/clock_window.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "model/relative_offset.h"
#include "platform/qt_utf8.h"
#include "ui/main/accessibility.h"
#include "ui/main/program_icon.h"
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
    clockSubscription_ = state_.book.Subscribe([this](const ClockChange&) { refresh(); });
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
    if (change.Touches(&Preferences::DefaultFormat) || change.Touches(&Preferences::ShowOffset)) {
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
    SetFixedOuterSize(*this, QSize(WholePixels(g.width()), WholePixels(g.height())));
    refresh();
    setAlwaysOnTop(state_.preferences.Values().AlwaysOnTop);
}

ClockPaintLayout ClockWindow::computeLayout() const {
    // Labels are gathered first and the time read once for all rows, as the rows are drawn.
    // Only what can show on the desktop is measured and drawn, so that a label or format of
    // megabytes costs no more than one as wide as the desktop.
    const int desktopWidth = VirtualDesktop().width();
    const std::vector<int> clocks = state_.EnabledClocksInOrder();
    shaped_.Prepare(font(), isRightToLeft());
    const double lineHeight = shaped_.LineHeight();
    const auto widthOf = [&](const std::string& text) { return shaped_.Width(text); };
    std::vector<ClockRowText> rows;
    rows.reserve(clocks.size());
    for (int index : clocks) {
        rows.push_back(
            {ShownText(state_.Clocks()[static_cast<std::size_t>(index)].Label, desktopWidth), {}});
    }
    const Instant now = state_.services.clock.NowUtc();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::string time = state_.ZoneTimeText(clocks[i], true, now, kShownFormatBytes);
        if (state_.preferences.Values().ShowOffset) {
            const int zone = state_.Clocks()[static_cast<std::size_t>(clocks[i])].Zone;
            const std::string offset =
                RelativeOffsetText(state_.catalogue, zone, now, *state_.computerZone);
            if (!offset.empty()) time += "  " + offset;
        }
        rows[i].time = ShownText(time, desktopWidth);
    }
    return LayOutClockRows(rows, lineHeight, widthOf);
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
    const int rowsBefore = layout_.rows;
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
    if (layout_.rows != rowsBefore && QAccessible::isActive()) {
        QAccessibleEvent reorder(this, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&reorder);
    }
}

QString ClockWindow::rowText(int row) const {
    if (row < 0 || row >= layout_.rows) return {};
    const auto at = static_cast<std::size_t>(row);
    //: A clock row as a screen reader reads it: %1 is the clock's label, %2 its time.
    return tr("%1, %2").arg(Utf8(layout_.texts[at].text),
                            Utf8(layout_.texts[at + static_cast<std::size_t>(layout_.rows)].text));
}

QRect ClockWindow::rowRect(int row) const {
    if (row < 0 || row >= layout_.rows) return {};
    const int top = WholePixels(layout_.texts[static_cast<std::size_t>(row)].y);
    return QRect(0, top, width(), std::max(1, WholePixels(layout_.lineHeight)));
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
    if (!painted_) {
        painted_ = true;
        LogFirstPaint();
        emit firstPainted();
    }
}

void ClockWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) emit menuRequested(event->globalPosition().toPoint());
}

void ClockWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit setupRequested();
}

void ClockWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && !event->isAutoRepeat()) escapePressedHere_ = true;
    // The keyboard's right click opens the menu at the window's first row.
    const bool shiftF10 = event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier;
    if ((event->key() == Qt::Key_Menu && event->modifiers() == Qt::NoModifier) || shiftF10) {
        const int margin = WholePixels(kClockMargin);
        emit menuRequested(mapToGlobal(QPoint(margin, margin)));
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
