// The clock window: one row per enabled clock, label then time, laid out and resized to fit
// whenever the texts change (the program's tick, the font, the clock list). It tells the
// program what the user asks for; the program decides.
#pragma once

#include <QContextMenuEvent>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/plan_time.h"
#include "model/zone_model.h"
#include "ui/main/change_lines.h"
#include "ui/main/frame_placement.h"
#include "ui/main/main_window_layout.h"
#include "ui/main/plan_time_field.h"
#include "ui/main/shaped_text_cache.h"
#include "ui/main/sun_marks.h"
#include "ui/main/window_limits.h"
#include "ui/main/work_area_follower.h"

namespace horavia {

class ClockWindow : public QWidget {
    Q_OBJECT

  public:
    // limits: what the windowing system lets the window do (its place, staying on top).
    explicit ClockWindow(AppState& state, WindowLimits limits = CurrentWindowLimits());
    ~ClockWindow() override;

    // Puts the window where it was last (kept on the desktop) and applies always-on-top;
    // showing it is the program's decision.
    void restorePlace();
    // Lays the clocks out at this moment, resizes the window to fit and repaints it.
    void refresh();
    // Where windows cannot be kept on top the window is left as it is: changing the hint
    // re-creates it, and the compositor would put it somewhere new.
    void setAlwaysOnTop(bool onTop);
    void applyFont(const std::string& name, std::int32_t points);
    // The program closing the window at shut-down: geometry written, ShowWnd kept.
    void closeForShutDown();

    const ClockPaintLayout& paintLayout() const { return layout_; }
    // The rows as screen readers read them: "Tokyo, 23:30" (while planning "Tokyo, 23:30,
    // night"; with its change line after it), then while planning the planning line, then
    // this computer's change line where it shows; and where each is drawn.
    int rowCount() const;
    // The accessible row of this computer's change line (when it shows).
    int computerLineRow() const;
    QString rowText(int row) const;
    QRect rowRect(int row) const;
    // While day and night are shown: the row's sunrise and sunset at the clock's place on the
    // day shown; else empty.
    QString rowToolTip(int row) const;

    // Planning: every clock shows another instant than now until the user goes back to it.
    const std::optional<Instant>& plannedInstant() const { return planned_; }
    void stepPlan(PlanStep step);
    void backToNow();
    // The next time that suits every clock with working hours, after the planned one.
    void findMeetingTime();
    // The clocks' times as shown, one "label: time" a line, then the instant in UTC.
    QString shownTimesText() const;
    // The text of the planning line (and what it adds below), empty while not planning.
    QString planningText() const;
    // The field in which a time is typed for the current clock, while it is open.
    PlanTimeField* planField() const { return field_.data(); }

    // Showing lays the clocks out first: a window that fits itself to its texts while the
    // window manager maps it would be placed by its inside, not its frame.
    void setVisible(bool visible) override;

  signals:
    // Escape or the close box: the user wants the window out of sight.
    void hideRequested();
    // A double click: the setup dialog.
    void setupRequested();
    // A right click, Shift+F10 or the Menu key: the program's menu at this screen position,
    // "&Setup" its default item; `reason` says whether the keyboard asked for it.
    void menuRequested(const QPoint& globalPos, QContextMenuEvent::Reason reason);
    // The window's first paint is done (once per window).
    void firstPainted();

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    // The font, the texts and staying on top follow the preferences wherever they change.
    void followPreferences(const PreferenceChange& change);
    ClockPaintLayout computeLayout();
    // The clocks' next changes under their rows, and the computer's above them, while chosen.
    void addChangeLines(ClockPaintLayout& layout, Instant shown, int desktopWidth);
    void applyLayoutSize();
    // Where a placed text may draw, in pixels.
    QRect inkBox(const PlacedText& t) const;
    // Where a text drawn in place of another may look different, in pixels.
    QRect changedBox(const ChangedText& c) const;
    void writeGeometry();
    // The instant the rows show: the planned one, or now.
    Instant shownInstant(Instant now) const;
    // A planning input moves to `at` (or back to now), lays out and tells screen readers.
    void planAt(std::optional<Instant> at, QString note = {});
    void announcePlanning();
    void moveCurrentRow(int by);
    void openPlanField(const QString& start);
    void takePlanText(const QString& text);

    struct ShownRow {
        int clock = 0;
        std::string time;  // as drawn, without the working-hours mark
        QString mark;      // the working-hours word while planning, else empty
        QString sun;       // the sun's state while day and night are shown, else empty
    };

    AppState& state_;
    const WindowLimits limits_;
    FramePlacement placement_{*this, limits_.positionsKnown};
    WorkAreaFollower workAreaFollower_{*this, placement_};
    ClockPaintLayout layout_;
    mutable ShapedTextCache shaped_;
    mutable ShapedTextCache smallShaped_;  // the change lines' smaller font
    ChangeLineCache changes_;
    std::vector<QString> changeLines_;  // by shown row; empty where none shows
    QString computerChange_;            // the top line, empty where none shows
    bool painted_ = false;
    bool closingForShutDown_ = false;
    bool escapePressedHere_ = false;
    std::vector<ShownRow> shown_;
    std::optional<Instant> planned_;
    Instant lastPlanInput_{};
    QString note_;  // said below the planning line: a repeated time, a meeting's misfits
    int currentRow_ = 0;
    bool currentRowShown_ = false;  // once Up or Down chose a row
    int wheelRemainder_ = 0;        // a touchpad's part of a notch
    QPointer<PlanTimeField> field_;
    int fieldClock_ = 0;  // the clock the open field's time is for
    SunMarks sun_;
    int clockSubscription_ = -1;
    int preferencesSubscription_ = -1;
};

}  // namespace horavia
